// Keys during play, end to end: the countdown, pause in the step that notices
// a result, retry, and the map view.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace q::test {
namespace {

// Title, floor selection 1 -> 56 -> 55, title, start, character confirmed at
// frame 98: floor 55's intro is logged from frame 98, its countdown from 131
// and play from 211 (the first play update runs in frame 212).
Script StartOnFloor55(bool holdConfirm = false) {
    Script s;
    s.Tap(30, "Down").Tap(60, "Enter");
    s.Tap(62, "Left").Tap(64, "Left");
    s.Tap(66, "Enter");
    s.Tap(95, "Enter");
    if (holdConfirm) {
        s.Down(98, "Enter");
    } else {
        s.Tap(98, "Enter");
    }
    return s;
}

constexpr int kPlayLogged = 211;
constexpr int kNoticingFrame = 220;  // the walk-right floor's player is at the exit by then

FloorDat WalkFloors() {
    FloorDat dat;
    dat.SetAll(1, 56, WalkRightFloor());
    return dat;
}

int VisitLength(const HeadlessRun& run, int firstFrame) {
    const int scene = run.frames[static_cast<std::size_t>(firstFrame)].scene;
    int n = 0;
    while (static_cast<std::size_t>(firstFrame + n) < run.frames.size() && run.frames[firstFrame + n].scene == scene) ++n;
    return n;
}

TEST(E2EPlayKeys, AConfirmKeyStillHeldDoesNotSkipTheCountdownButAFreshPressDoes) {
    GameFolder dir;
    dir.WriteFloors(WalkFloors());
    Script s = StartOnFloor55(true);
    s.Down(100, "Right").Up(170, "Enter");
    s.Tap(450, "Enter");  // during the next floor's countdown
    const HeadlessRun run = dir.Run(s.Text(), 470);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 470u);
    const int firstReady = run.FirstFrameInScene(SCENE_READY);
    EXPECT_EQ(firstReady, 131);
    EXPECT_EQ(VisitLength(run, firstReady), 80) << "Enter held since the character screen";
    const int secondReady = run.FirstFrameInScene(SCENE_READY, firstReady + 80);
    ASSERT_GT(secondReady, 0);
    ASSERT_LT(secondReady, 450);
    EXPECT_EQ(run.frames[449].scene, SCENE_READY);
    EXPECT_EQ(run.frames[450].scene, SCENE_PLAY) << "a fresh press ends the countdown at once";
    EXPECT_EQ(run.frames[450].floor, 56);
}

TEST(E2EPlayKeys, EscInTheStepThatNoticesTheExitPausesAndResumingShowsTheResult) {
    GameFolder dir;
    dir.WriteFloors(WalkFloors());
    Script s = StartOnFloor55();
    s.Down(100, "Right");
    s.Down(kNoticingFrame, "Escape").Up(kNoticingFrame + 2, "Escape");
    s.Shot(240, "pause.png").Shot(249, "pause_settled.png");
    s.Tap(250, "Enter");  // resume, once the item has slid in
    const HeadlessRun run = dir.Run(s.Text(), 260);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 260u);

    EXPECT_EQ(run.frames[kNoticingFrame - 1].scene, SCENE_PLAY);
    const LoggedFrame& noticed = run.frames[kNoticingFrame];
    EXPECT_EQ(noticed.scene, SCENE_PAUSE) << "the key wins over the switch to the result";
    EXPECT_TRUE(noticed.Played(4)) << "the jingle is requested all the same";
    EXPECT_TRUE(noticed.Played(10));
    EXPECT_EQ(run.FirstFrameInScene(SCENE_RESULT), 252) << "the next logic step after resuming notices again";
    EXPECT_EQ(run.frames[250].scene, SCENE_PLAY);
    EXPECT_TRUE(run.frames[250].Played(10));
    EXPECT_TRUE(run.frames[252].Played(4));

    // The pause menu lies over the play field as it stood; nothing is dimmed.
    const Screenshot pause = dir.Shot("pause.png");
    ASSERT_TRUE(pause.Loaded());
    EXPECT_TRUE(pause.Shows(100, 29 * 16 + 3, 916, 335));
    EXPECT_TRUE(pause.ShowsFrom(30, 410, 248, 0, 280, 32)) << "the cleared bubble is already up";
    const Screenshot settled = dir.Shot("pause_settled.png");
    ASSERT_TRUE(settled.Loaded());
    EXPECT_TRUE(settled.Shows(250, 255, 365, 699)) << "the resume item, slid in and fully opaque";
}

TEST(E2EPlayKeys, RetryPlaysTheSameFloorAgainFromItsStart) {
    GameFolder dir;
    FloorDat dat = WalkFloors();
    dat.Set(55, StandingFloor());
    dir.WriteFloors(dat);
    Script s = StartOnFloor55();
    s.Down(230, "Escape").Up(233, "Escape");
    s.Tap(240, "Down");   // the retry item
    s.Tap(270, "Enter");  // once it has slid in
    const HeadlessRun run = dir.Run(s.Text(), 520);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 520u);

    const int resumed = run.FirstFrameInScene(SCENE_PLAY, 240);
    ASSERT_EQ(resumed, 270);
    const int result = run.FirstFrameInScene(SCENE_RESULT, resumed);
    ASSERT_GT(result, 0);
    EXPECT_LE(result, resumed + 2) << "the next logic step ends the floor";
    EXPECT_TRUE(run.frames[result].Played(2)) << "the failure sound";
    const int nextIntro = run.FirstFrameInScene(SCENE_FLOOR_INTRO, result);
    ASSERT_GT(nextIntro, 0);
    EXPECT_EQ(run.frames[nextIntro].floor, 55) << "the floor does not advance";
    EXPECT_EQ(run.FirstFrameInScene(SCENE_READY, nextIntro), nextIntro + 33);
}

TEST(E2EPlayKeys, TheMapViewScrollsWithDownWinningAndReturnsExactlyToPlay) {
    GameFolder dir;
    FloorDat dat = WalkFloors();
    dat.Set(55, StandingFloor(40));
    dir.WriteFloors(dat);
    Script s = StartOnFloor55();
    s.Shot(kPlayLogged + 8, "before.png");
    s.Down(kPlayLogged + 9, "Ctrl").Up(kPlayLogged + 12, "Ctrl");
    s.Down(230, "Down");
    s.Shot(275, "bottom.png");
    s.Down(280, "Up").Shot(290, "both_held.png");
    s.Up(295, "Down").Shot(300, "up_alone.png").Up(301, "Up");
    s.Tap(310, "Ctrl");
    s.Shot(320, "returning.png");
    s.Shot(380, "after.png");
    const HeadlessRun run = dir.Run(s.Text(), 390);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 390u);

    const int map = run.FirstFrameInScene(SCENE_MAP_VIEW);
    ASSERT_GE(map, kPlayLogged + 9);
    ASSERT_LE(map, kPlayLogged + 10);
    EXPECT_TRUE(run.frames[map].Played(10));
    EXPECT_EQ(run.frames[309].scene, SCENE_MAP_VIEW);
    EXPECT_EQ(run.frames[310].scene, SCENE_MAP_RETURN);
    EXPECT_TRUE(run.frames[310].Played(10));
    // From 144 the view went up 24 pixels with Up alone: 120 / 4 frames back.
    EXPECT_EQ(run.FirstFrameInScene(SCENE_PLAY, 310), 310 + 30);

    const Screenshot before = dir.Shot("before.png");
    const Screenshot bottom = dir.Shot("bottom.png");
    const Screenshot both = dir.Shot("both_held.png");
    const Screenshot up = dir.Shot("up_alone.png");
    const Screenshot returning = dir.Shot("returning.png");
    const Screenshot after = dir.Shot("after.png");
    ASSERT_TRUE(before.Loaded() && bottom.Loaded() && both.Loaded() && up.Loaded() && returning.Loaded() &&
                after.Loaded());
    EXPECT_TRUE(bottom.Shows(500, 10, 854, 216)) << "the map view's hint at the top right";
    EXPECT_TRUE(bottom.Shows(10, 6, 334, 237)) << "the floor label";
    // The player stands on row 12; at the lowest view (144) that row is at 48.
    EXPECT_TRUE(bottom.Shows(100, 12 * 16 - 144 + 3, 916, 335));
    EXPECT_TRUE(both == bottom) << "Down held at the bottom blocks Up";
    EXPECT_FALSE(up == bottom);
    EXPECT_TRUE(up.Shows(100, 12 * 16 - 124 + 3, 916, 335)) << "five frames of Up alone drawn so far";
    EXPECT_FALSE(returning.Shows(500, 10, 854, 216)) << "no hint while the view goes back";
    EXPECT_TRUE(returning.Shows(10, 6, 334, 237)) << "the floor label over the floor";
    EXPECT_TRUE(after == before) << "the view is back where play left it";
}

}  // namespace
}  // namespace q::test
