#include "app/scene_table.hpp"

#include "frontend/frontend.hpp"
#include "play/play_scenes.hpp"

namespace q {

// Scene 0: current before start-up completes and after shutdown.
static void IdleUpdate() {}
static void IdleDraw() {}

const SceneTable GameScenes = {
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

// The table the frame loop runs: the game's, or one a test puts in its place.
static const SceneTable* dispatchTable = &GameScenes;

const SceneTable& DispatchTable() { return *dispatchTable; }
void SetDispatchTable(const SceneTable* table) { dispatchTable = table ? table : &GameScenes; }

}  // namespace q
