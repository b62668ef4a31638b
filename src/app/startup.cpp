#include "app/game.hpp"
#include "app/world_storage.hpp"
#include "frontend/frontend.hpp"
#include "platform/core/archive.hpp"
#include "platform/game_files.hpp"
#include "platform/graphics.hpp"
#include "platform/keyboard.hpp"
#include "platform/core/memory.hpp"
#include "platform/core/settings.hpp"
#include "platform/sound.hpp"
#include "platform/window.hpp"
#include "play/play_state.hpp"
#include "play/replay_run.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"

namespace q {

// The order matters: the scene table before anything can switch scenes, key
// bindings before settings, settings before the graphics device.
static void InitGameState() {
    SetScene(SCENE_IDLE);
    liveAllocations = 0;
    ResetPlayState();
    InitMenuItems();
    InitMenus();
    InitKeyBindings();
    Session().character = 0;
    // The option switches are not saved: every run starts with them on.
    SetEffectsEnabled(true);
    SetMusicEnabled(true);
    SetChasersEnabled(true);
    LoadSettings(GameConfigFile().text);
    InitOptionRows();
    InitHelpPages();
    InitPlayGlobals();
    // The kind tables are constant data: nothing to set up.
}

// A fatal failure: message box, release what the earlier steps made, destroy
// the window (so the loop ends at once, with code 0).
static void FailStartup(const char* message) {
    ShowErrorBox(message);
    DestroyGameWorld();
    FreeArchive();
    ReleaseSound();
    ReleaseGraphics();
    DestroyMainWindow();
}

static bool StartResources() {
    if (!CreateGameWorld()) {
        FailStartup("memory error1");
        return false;
    }
    if (InitActorPool(GameWorld()) == 0) {
        FailStartup("memory error2");
        return false;
    }
    if (!LoadArchive(GameDataFile("data.dat").text)) {
        FailStartup("memory error3");
        return false;
    }
    // The atlas picture decodes on another thread while the sound device
    // opens and the renderer is made; a damaged one still fails below.
    BeginAtlasDecode();
    if (!InitSound()) {
        // The game goes on silently.
        ShowErrorBox("sound error");
        ReleaseSound();
    }
    if (!CreateGraphics()) {
        FailStartup("graphics error");
        return false;
    }
    SetScene(SCENE_TITLE);
    return true;
}

bool StartGame() {
    // From here on a quit chosen anywhere in the game ends the program.
    SetShutdownHandler(ShutdownGame);
    if (!CreateMainWindow()) return false;
    InitGameState();
    // The window is shown only when everything started; after a failure it is
    // already gone and the loop ends without a frame.
    if (StartResources()) {
        ShowMainWindow();
        // quorrel --replay: the run starts at once, in place of the title.
        StartWatchingRun();
    }
    return true;
}

}  // namespace q
