#include "app/game.hpp"
#include "app/world_storage.hpp"
#include "platform/core/archive.hpp"
#include "platform/graphics.hpp"
#include "platform/sound.hpp"
#include "platform/window.hpp"
#include "play/run_recorder.hpp"
#include "scene/scene.hpp"

namespace q {

// Every release checks what it holds, so this may follow a partial start-up,
// run twice, or run in the middle of a frame (the rest of that frame then
// finds scene 0, no device and no sound, and does nothing).
void ShutdownGame() {
    // Closing the game in the middle of a floor still keeps its replay.
    FinishRecordedFloor();
    SetScene(SCENE_IDLE);
    DestroyGameWorld();  // the stage buffers and the actor pool
    FreeArchive();
    ReleaseSound();
    ReleaseGraphics();
    DestroyMainWindow();
}

}  // namespace q
