#include "app/scene_dispatch.hpp"
#include "app/scenes.hpp"
#include "platform/sound.hpp"
#include "play/play_state.hpp"
#include "world/actor_pool.hpp"

namespace q {

// Scene 0: current before start-up completes and after shutdown.
static void IdleUpdate() {}
static void IdleDraw() {}

const SceneTable sceneTable = {
    {
        IdleUpdate,
        TitleUpdate,
        CharacterSelectUpdate,
        FloorIntroUpdate,
        ReadyUpdate,
        PlayUpdate,
        ResultUpdate,
        FloorOutroUpdate,
        MapViewUpdate,
        MapReturnUpdate,
        EndingIntroUpdate,
        EndingUpdate,
        FloorSelectUpdate,
        OptionsUpdate,
        QuitPromptUpdate,
        KeyConfigUpdate,
        HelpUpdate,
        PauseUpdate,
    },
    {
        IdleDraw,
        TitleDraw,
        CharacterSelectDraw,
        FloorIntroDraw,
        ReadyDraw,
        PlayDraw,
        ResultDraw,
        FloorOutroDraw,
        MapViewDraw,
        MapReturnDraw,
        EndingIntroDraw,
        EndingDraw,
        FloorSelectDraw,
        OptionsDraw,
        QuitPromptDraw,
        KeyConfigDraw,
        HelpDraw,
        PauseDraw,
    },
};

static int32_t currentScene = SCENE_IDLE;
static const SceneTable* dispatchTable = &sceneTable;

const SceneTable& DispatchTable() { return *dispatchTable; }
void SetDispatchTable(const SceneTable* table) { dispatchTable = table ? table : &sceneTable; }

void SetScene(int id) {
    // Callers pass constants; an id outside the table is refused rather than
    // becoming an index past its end.
    if (id < 0 || id >= kSceneCount) return;
    currentScene = id;
}

int CurrentScene() { return currentScene; }

void ReturnToTitle() {
    SetScene(SCENE_TITLE);
    StopBgm();
    StopAllSe();
    if (HasGameWorld()) ReleaseAllActors(GameWorld());
}

}  // namespace q
