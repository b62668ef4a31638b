#pragma once
#include "platform/headless/headless.hpp"

namespace q {

// Which back end serves the platform operations, chosen before start-up. The
// SDL one is the game's; the headless one has no window, no audio device and
// no waiting: keys are set by the caller, message boxes printed, frames drawn
// offscreen and sounds logged.
enum class BackendKind { Sdl, Headless };
void SelectBackend(BackendKind kind);
BackendKind ActiveBackend();

}  // namespace q
