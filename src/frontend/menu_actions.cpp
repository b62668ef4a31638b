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
    PlayMode = PLAY_MODE_NORMAL;
    SetScene(SCENE_CHARACTER_SELECT);
}

void ActFloorSelect() { SetScene(SCENE_FLOOR_SELECT); }

void ActQuitPrompt() { SetScene(SCENE_QUIT_PROMPT); }

void ActWatchReplay() {
    InitCharacterWheel();
    InitPortraits();
    PlayMode = PLAY_MODE_REPLAY;
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
    // The next play step then ends the floor exactly as a failure does, so the
    // same floor is loaded again.
    if (HasGameWorld()) GameWorld().playResult = PLAY_RESULT_FAILED;
}

void ActQuitToTitle() { ReturnToTitle(); }

}  // namespace q
