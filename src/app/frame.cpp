#include "app/game.hpp"
#include "app/scene_table.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"
#include "platform/sound.hpp"

namespace q {

void RunFrame() {
    const uint32_t t0 = NowMs();
    DrawFrame();
    UpdateFrame();
    WaitForFrameEnd(t0);
}

// Draws the state the previous update left: a scene set during an update is
// drawn first in the next frame.
void DrawFrame() {
    if (!HasDevice()) return;
    BeginFrameDraw();
    DispatchTable().draw[CurrentScene()]();
    EndFrameDraw();
    if (PresentFrame() == PresentResult::DeviceLost) {
        // The device is rebuilt from scratch; a failed rebuild ends the game.
        ReleaseGraphics();
        if (!CreateGraphics()) ShutdownGame();
    }
}

void UpdateFrame() {
    // Requests made while drawing are dropped here, so only the update's play.
    ClearSoundRequests();
    DispatchTable().update[CurrentScene()]();
    PlayRequestedSounds();
}

}  // namespace q
