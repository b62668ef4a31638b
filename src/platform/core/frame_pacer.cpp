#include "platform/core/frame_pacer.hpp"

#include <algorithm>

namespace q {

// 16.666666 ms rounded up to the whole millisecond the desktop waits for.
constexpr double kFramePeriodMs = 17.0;
// A refresh interval is averaged over about this many refreshes, so that one
// late callback does not move the point at which frames are shown.
constexpr double kRefreshSmoothing = 8.0;
// Longer gaps (a hidden tab, a stall) say nothing about the display.
constexpr double kLongestRefreshMs = 2.0 * kFramePeriodMs;

bool FramePacer::FrameDue(double nowMs) {
    if (!started_) {
        started_ = true;
        lastRefresh_ = nowMs;
        began_ = nowMs;
        return true;
    }
    const double gap = nowMs - lastRefresh_;
    lastRefresh_ = nowMs;
    if (gap > 0.0 && gap <= kLongestRefreshMs)
        refreshMs_ = refreshMs_ == 0.0 ? gap : refreshMs_ + (gap - refreshMs_) / kRefreshSmoothing;

    const double due = began_ + kFramePeriodMs;
    // The refresh nearest the due time shows the frame: one earlier by less
    // than half an interval still does. A display faster than the game never
    // reaches back a whole game frame.
    const double reach = std::min(refreshMs_, kFramePeriodMs) / 2.0;
    if (nowMs < due - reach) return false;
    // On time (within one refresh): the game's clock keeps its 17 ms steps.
    // Later: the frame begins now and the lost time is not made up.
    began_ = nowMs <= due + std::max(refreshMs_, 1.0) ? due : nowMs;
    return true;
}

}  // namespace q
