#include "platform/clock.hpp"

#include <SDL.h>

#include "platform/backend.hpp"

namespace q {

constexpr double kFrameMs = 16.666666;
// The first whole-millisecond count that is not less than kFrameMs.
constexpr uint32_t kFrameEndMs = static_cast<uint32_t>(kFrameMs) + 1;
// Sleeping is coarse; the last stretch before the deadline is spun on the clock.
constexpr uint32_t kSpinMarginMs = 2;

static uint32_t SdlNow() { return SDL_GetTicks(); }
static void SdlSleep(uint32_t ms) { SDL_Delay(ms); }

static const FrameClock kRealClock{&SdlNow, &SdlSleep};
static FrameClock frameClock = kRealClock;
static bool replacedClock = false;

uint32_t TimeGetTime() { return frameClock.now(); }

// SDL's clock already counts whole milliseconds at full resolution, so there
// is no timer period to raise or restore.
void BeginTimerPeriod() {}
void EndTimerPeriod() {}

void WaitForFrameEnd(uint32_t t0) {
    if (!replacedClock && ActiveBackend() == BackendKind::Headless) return;
    for (;;) {
        // Unsigned difference: a clock that wrapped since t0 still counts forward.
        const uint32_t elapsed = frameClock.now() - t0;
        if (!(static_cast<double>(elapsed) < kFrameMs)) return;
        const uint32_t remaining = kFrameEndMs - elapsed;
        if (remaining > kSpinMarginMs && frameClock.sleepMs) frameClock.sleepMs(remaining - kSpinMarginMs);
    }
}

void SetFrameClock(const FrameClock& clock) {
    if (!clock.now) {
        ResetFrameClock();
        return;
    }
    frameClock = clock;
    replacedClock = true;
}

void ResetFrameClock() {
    frameClock = kRealClock;
    replacedClock = false;
}

}  // namespace q
