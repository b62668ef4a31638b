// The pacing of frames on a display that refreshes at its own rate, as a
// browser's animation frames do: the game's speed must not depend on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/core/frame_pacer.hpp"

namespace q {
namespace {

// The desktop's rule: a frame every 17 whole ms, 588 in 10 s.
constexpr double kDesktopFramesPer10s = 10000.0 / 17.0;

struct PacedRun {
    int frames = 0;
    int refreshes = 0;
    double closestBegins = 1e9;  // the shortest gap between frames on the game's clock
};

// Refreshes at `hz` for `seconds`, each callback late by up to `jitterMs`.
PacedRun Refresh(FramePacer& pacer, double startMs, double hz, double seconds, double jitterMs = 0.0,
             unsigned seed = 1) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> late(0.0, jitterMs);
    PacedRun run;
    const double interval = 1000.0 / hz;
    bool begun = false;
    double lastBegan = 0.0;
    for (double t = startMs; t < startMs + seconds * 1000.0; t += interval) {
        ++run.refreshes;
        if (!pacer.FrameDue(t + (jitterMs > 0.0 ? late(random) : 0.0))) continue;
        ++run.frames;
        if (begun) run.closestBegins = std::min(run.closestBegins, pacer.LastFrameBegan() - lastBegan);
        lastBegan = pacer.LastFrameBegan();
        begun = true;
    }
    return run;
}

TEST(FramePacer, TheGameRunsAtTheDesktopSpeedWhateverTheRefreshRate) {
    for (double hz : {60.0, 75.0, 90.0, 120.0, 144.0, 165.0, 240.0}) {
        FramePacer pacer;
        const PacedRun run = Refresh(pacer, 1234.5, hz, 10.0);
        EXPECT_NEAR(run.frames, kDesktopFramesPer10s, kDesktopFramesPer10s * 0.01) << hz << " Hz";
        EXPECT_GE(run.closestBegins, 17.0) << hz << " Hz: frames begin 17 ms apart on the game's clock";
    }
}

TEST(FramePacer, CallbacksThatComeLateByAMillisecondOrTwoDoNotChangeTheSpeed) {
    for (double hz : {60.0, 144.0}) {
        FramePacer pacer;
        const PacedRun run = Refresh(pacer, 0.0, hz, 10.0, 2.0, 7);
        EXPECT_NEAR(run.frames, kDesktopFramesPer10s, kDesktopFramesPer10s * 0.02) << hz << " Hz";
    }
}

TEST(FramePacer, ASlowDisplayGetsAFrameAtEveryRefreshAndNeverTwo) {
    FramePacer pacer;
    const PacedRun run = Refresh(pacer, 0.0, 30.0, 10.0);
    // FrameDue answers once per refresh, so one refresh can hold one frame at most.
    EXPECT_EQ(run.frames, run.refreshes);
}

TEST(FramePacer, AStallIsNotMadeUpAfterwards) {
    FramePacer pacer;
    Refresh(pacer, 0.0, 144.0, 2.0);
    // The tab was hidden for three seconds: no refreshes at all. A display
    // faster than the game would let lost frames be run one per refresh.
    const PacedRun after = Refresh(pacer, 5000.0, 144.0, 1.0);
    EXPECT_NEAR(after.frames, 1000.0 / 17.0, 2.0) << "one second after the stall runs one second of frames";
    EXPECT_GE(pacer.LastFrameBegan(), 5900.0) << "the game's clock restarted at the stall's end";
}

TEST(FramePacer, OnAMillisecondRefreshFramesBeginExactly17MsApart) {
    // As on the desktop, where the clock is read in whole milliseconds.
    FramePacer pacer;
    std::vector<double> begins;
    for (double t = 100.0; t < 300.0; t += 1.0)
        if (pacer.FrameDue(t)) begins.push_back(t);
    ASSERT_EQ(begins.size(), 12u);
    for (size_t i = 1; i < begins.size(); ++i) EXPECT_DOUBLE_EQ(begins[i] - begins[i - 1], 17.0) << i;
}

}  // namespace
}  // namespace q
