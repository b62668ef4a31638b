#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/clock.hpp"
#include "platform/test_hooks.hpp"

namespace q {
namespace {

// A pretend millisecond clock: every reading moves it on by one step (a spin
// costs time too), sleeping moves it on by the time slept.
struct FakeClock {
    static inline uint32_t time = 0;
    static inline uint32_t readStep = 0;
    static inline uint32_t slept = 0;
    static inline uint32_t reads = 0;
    static inline uint32_t lastRead = 0;

    static uint32_t Now() {
        ++reads;
        lastRead = time;
        time += readStep;
        return lastRead;
    }
    static void Sleep(uint32_t ms) {
        slept += ms;
        time += ms;
    }
    static void Start(uint32_t at, uint32_t step) {
        time = at;
        readStep = step;
        slept = reads = lastRead = 0;
        SetFrameClock(FrameClock{&Now, &Sleep});
    }
};

class FrameRuleTest : public ::testing::Test {
protected:
    void TearDown() override { ResetFrameClock(); }
    // The frame began at t0 and its work took `work` ms; returns the clock
    // reading at which the wait let the frame end.
    static uint32_t FrameEnd(uint32_t t0, uint32_t work) {
        FakeClock::Start(t0, 1);
        FakeClock::time = t0 + work;
        WaitForFrameEnd(t0);
        return FakeClock::lastRead;
    }
};

TEST_F(FrameRuleTest, FiveMillisecondFrameEndsAtSeventeen) {
    EXPECT_EQ(FrameEnd(1000, 5), 1017u);
    // Most of the wait is spent asleep, not spinning.
    EXPECT_GE(FakeClock::slept, 10u);
    EXPECT_LE(FakeClock::slept, 12u);
}

TEST_F(FrameRuleTest, SixteenWholeMillisecondsAreNotEnough) {
    EXPECT_EQ(FrameEnd(500, 16), 517u);
}

TEST_F(FrameRuleTest, SeventeenMillisecondFrameDoesNotWait) {
    EXPECT_EQ(FrameEnd(500, 17), 517u);
    EXPECT_EQ(FakeClock::reads, 1u);
    EXPECT_EQ(FakeClock::slept, 0u);
}

TEST_F(FrameRuleTest, LateFrameEndsAtOnceAndNothingCatchesUp) {
    EXPECT_EQ(FrameEnd(2000, 40), 2040u);
    EXPECT_EQ(FakeClock::slept, 0u);
    // The next frame begins where the late one ended and still lasts 17 ms.
    EXPECT_EQ(FrameEnd(2040, 0), 2057u);
}

TEST_F(FrameRuleTest, WrappedClockStillCountsForward) {
    const uint32_t t0 = 0xFFFFFFF8u;  // 8 ms before the clock wraps
    EXPECT_EQ(FrameEnd(t0, 5), 9u);   // 0xFFFFFFF8 + 17, wrapped
    EXPECT_EQ(FrameEnd(0xFFFFFFFFu, 0), 16u);
}

TEST_F(FrameRuleTest, SpinsWhenThereIsNoSleepAndTheClockOnlyMovesWhenRead) {
    FakeClock::Start(100, 1);
    SetFrameClock(FrameClock{&FakeClock::Now, nullptr});
    WaitForFrameEnd(100);
    EXPECT_EQ(FakeClock::lastRead, 117u);
    EXPECT_EQ(FakeClock::slept, 0u);
}

// A clock that can sleep until an instant: each sleep wakes `early` ms before
// the deadline asked for (as a wake on a slightly different clock may).
struct DeadlineClock {
    static inline uint32_t early = 0;
    static inline int sleeps = 0;
    static void SleepUntil(uint32_t deadline) {
        ++sleeps;
        const uint32_t wake = deadline - early;
        if (static_cast<int32_t>(wake - FakeClock::time) > 0) FakeClock::time = wake;
        early = 0;
    }
    static void Start(uint32_t at, uint32_t wakeEarly) {
        FakeClock::Start(at, 0);
        early = wakeEarly;
        sleeps = 0;
        SetFrameClock(FrameClock{&FakeClock::Now, &FakeClock::Sleep, &SleepUntil});
    }
};

TEST_F(FrameRuleTest, AnAbsoluteSleepEndsTheFrameAtItsDeadlineWithoutSpinning) {
    DeadlineClock::Start(1000, 0);
    FakeClock::time = 1005;
    WaitForFrameEnd(1000);
    EXPECT_EQ(FakeClock::lastRead, 1017u);
    EXPECT_EQ(DeadlineClock::sleeps, 1);
    EXPECT_EQ(FakeClock::reads, 2u);  // before the sleep and after it
    EXPECT_EQ(FakeClock::slept, 0u);  // no relative sleeps

    // A wake that comes early is slept again, never cut short.
    DeadlineClock::Start(0xFFFFFFF8u, 2);
    WaitForFrameEnd(0xFFFFFFF8u);
    EXPECT_EQ(FakeClock::lastRead, 9u);
    EXPECT_EQ(DeadlineClock::sleeps, 2);

    // A late frame does not sleep at all.
    DeadlineClock::Start(3000, 0);
    FakeClock::time = 3020;
    WaitForFrameEnd(3000);
    EXPECT_EQ(FakeClock::lastRead, 3020u);
    EXPECT_EQ(DeadlineClock::sleeps, 0);
}

TEST_F(FrameRuleTest, NowReadsTheFrameClock) {
    FakeClock::Start(4242, 0);
    EXPECT_EQ(NowMs(), 4242u);
}

}  // namespace
}  // namespace q
