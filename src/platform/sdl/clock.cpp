#include "platform/clock.hpp"

#include <SDL.h>

#if defined(__linux__)
#include <cerrno>
#include <ctime>
#endif

#include "platform/backend_table.hpp"
#include "platform/test_hooks.hpp"

namespace q {

constexpr double kFrameMs = 16.666666;
// The first whole-millisecond count that is not less than kFrameMs.
constexpr uint32_t kFrameEndMs = static_cast<uint32_t>(kFrameMs) + 1;
// Where the system cannot sleep until a given instant, sleeping is coarse and
// the last stretch before the deadline is spun on the clock. A frame that follows a waited one begins right after a millisecond
// step, so sleeping to one whole millisecond before the deadline leaves a spin
// of just under 1 ms (a 2 ms margin spun ~1.9 ms a frame, 11% of a core).
constexpr uint32_t kSpinMarginMs = 1;

// Whole milliseconds of SDL's high-resolution counter. Not SDL_GetTicks: it
// truncates the nanosecond part of its difference toward zero, so during part
// of every second it runs up to 1 ms ahead and its millisecond steps come
// unevenly (some 0.2 ms apart), which made 17-tick frames last 15 to 18 ms.
static Uint64 CounterToMs(Uint64 count, Uint64 frequency) {
    return (count / frequency) * 1000 + (count % frequency) * 1000 / frequency;
}
// The first counter reading whose whole milliseconds reach ms.
static Uint64 MsToCounter(Uint64 ms, Uint64 frequency) {
    return (ms / 1000) * frequency + ((ms % 1000) * frequency + 999) / 1000;
}
static uint32_t SdlNow() {
    static const Uint64 frequency = SDL_GetPerformanceFrequency();
    return static_cast<uint32_t>(CounterToMs(SDL_GetPerformanceCounter(), frequency));
}
static void SdlSleep(uint32_t ms) { SDL_Delay(ms); }

#if defined(__linux__)
// Sleeps until the counter reaches the deadline, on the system's monotonic
// clock with an absolute wake-up time, so no spin is needed after it. The
// counter may run on a slightly different clock; a wake that comes a hair
// early is met by the next round of the wait.
static void SdlSleepUntil(uint32_t deadlineMs) {
    static const Uint64 frequency = SDL_GetPerformanceFrequency();
    const Uint64 count = SDL_GetPerformanceCounter();
    const Uint64 nowMs = CounterToMs(count, frequency);
    const uint32_t leftMs = deadlineMs - static_cast<uint32_t>(nowMs);
    // Reached, or so far off that the deadline must lie in the past.
    if (leftMs == 0 || leftMs > kFrameEndMs) return;
    const Uint64 ticks = MsToCounter(nowMs + leftMs, frequency) - count;
    const Uint64 ns = (ticks / frequency) * 1000000000u + (ticks % frequency) * 1000000000u / frequency + 1;
    timespec wake{};
    clock_gettime(CLOCK_MONOTONIC, &wake);
    wake.tv_sec += static_cast<time_t>(ns / 1000000000u);
    wake.tv_nsec += static_cast<long>(ns % 1000000000u);
    if (wake.tv_nsec >= 1000000000L) {
        wake.tv_sec += 1;
        wake.tv_nsec -= 1000000000L;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
    }
}
static const FrameClock kRealClock{&SdlNow, &SdlSleep, &SdlSleepUntil};
#else
static const FrameClock kRealClock{&SdlNow, &SdlSleep, nullptr};
#endif
// One process keeps one frame pace; tests swap the clock here rather than thread it through every loop.
static FrameClock frameClock = kRealClock;
static bool replacedClock = false;

uint32_t NowMs() { return frameClock.now(); }

void WaitForFrameEnd(uint32_t t0) {
    if (!replacedClock && !Backend().waitsForFrames) return;
    for (;;) {
        // Unsigned difference: a clock that wrapped since t0 still counts forward.
        const uint32_t elapsed = frameClock.now() - t0;
        if (!(static_cast<double>(elapsed) < kFrameMs)) return;
        if (frameClock.sleepUntil) {
            frameClock.sleepUntil(t0 + kFrameEndMs);
            continue;
        }
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
