// The ten-band shutter between floors.
#include <gtest/gtest.h>

#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "play/shutter.hpp"

namespace q {
namespace {

int StepsUntil(int step, bool (*done)()) {
    int steps = 0;
    while (!done() && steps < 100) {
        StepShutter(step);
        ++steps;
    }
    return steps;
}

TEST(Shutter, ClosesAndOpensTwoPixelsAFrameIn32Frames) {
    OpenShutterNow();
    EXPECT_TRUE(ShutterOpen());
    EXPECT_EQ(StepsUntil(2, ShutterClosed), 32);
    EXPECT_EQ(StepsUntil(-2, ShutterOpen), 32);
}

TEST(Shutter, StaysWithinItsBandsWhenSteppedPastEitherEnd) {
    CloseShutterNow();
    StepShutter(2);
    EXPECT_TRUE(ShutterClosed());
    OpenShutterNow();
    StepShutter(-2);
    EXPECT_TRUE(ShutterOpen());
    EXPECT_FALSE(ShutterClosed());
}

TEST(Shutter, AHalfClosedShutterShowsTheLeftHalfOfTheStripInEveryBand) {
    OpenShutterNow();
    for (int i = 0; i < 16; ++i) StepShutter(2);
    StartDrawRecording();
    ClearRecordedDraws();
    DrawShutter();
    int count = 0;
    const DrawCall* calls = RecordedDraws(&count);
    ASSERT_EQ(count, 10);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(calls[i].dest, (Rect{64 * i, 0, 64 * i + 32, 480}));
        EXPECT_EQ(calls[i].src, (Rect{512, 0, 544, 480})) << "cut, not squeezed";
        EXPECT_EQ(calls[i].colour, 0xFFFFFFFFu);
    }
    StopDrawRecording();
    ClearRecordedDraws();
}

TEST(Shutter, AnOpenShutterDrawsNothing) {
    OpenShutterNow();
    StartDrawRecording();
    ClearRecordedDraws();
    DrawShutter();
    int count = -1;
    RecordedDraws(&count);
    EXPECT_EQ(count, 0);
    StopDrawRecording();
}

}  // namespace
}  // namespace q
