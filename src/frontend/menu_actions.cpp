// What each entry of the title, quit and pause menus does when chosen.
#include "frontend/frontend.hpp"
#include "frontend/menu.hpp"
#include "platform/sound.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "world/world.hpp"

namespace q {

void ActStartGame() {
    InitCharacterWheel();
    InitPortraits();
    SetPlayMode(PLAY_MODE_NORMAL);
    SetScene(SCENE_CHARACTER_SELECT);
}

void ActFloorSelect() { SetScene(SCENE_FLOOR_SELECT); }

void ActQuitPrompt() { SetScene(SCENE_QUIT_PROMPT); }

void ActWatchReplay() {
    InitCharacterWheel();
    InitPortraits();
    SetPlayMode(PLAY_MODE_REPLAY);
    SetScene(SCENE_CHARACTER_SELECT);
}

void ActKeyConfig() { SetScene(SCENE_KEY_CONFIG); }

void ActHelp() { SetScene(SCENE_HELP); }

void ActBackToTitle() { SetScene(SCENE_TITLE); }

void ActQuit() { Shutdown(); }

void ActResume() {
    RequestSe(SE_PAUSE);
    SetScene(SCENE_PLAY);
}

void ActRetryFloor() {
    SetScene(SCENE_PLAY);
    GiveUpFloor();
}

void ActQuitToTitle() { ReturnToTitle(); }

}  // namespace q
