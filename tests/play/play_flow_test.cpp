// The road through a floor: start, shutter, countdown, play, result, next floor.
#include "play/play_helpers.hpp"

#include "play/shutter.hpp"

namespace q::test {
namespace {

class PlayFlow : public PlayFlowFixture {};

FloorDat OneWalkFloor(int floor) {
    FloorDat dat;
    dat.Set(floor, WalkRightFloor());
    return dat;
}

TEST_F(PlayFlow, StartingAGameLoadsTheFloorBehindAClosedShutter) {
    WriteFloors(OneWalkFloor(1));
    ASSERT_EQ(StartPlay(), 1);
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_INTRO);
    EXPECT_TRUE(ShutterClosed());
    EXPECT_EQ(Session().sceneTimer, 80);
    ASSERT_NE(Player(), nullptr);
    EXPECT_EQ(Player()->x, 16);
}

TEST_F(PlayFlow, AMissingFloorFileKeepsTheCharacterScreen) {
    EXPECT_EQ(StartPlay(), 0);
    EXPECT_EQ(CurrentScene(), SCENE_CHARACTER_SELECT);
}

TEST_F(PlayFlow, TheIntroOpensTheShutterIn32FramesWhateverIsPressedThenCountsFrom80) {
    WriteFloors(OneWalkFloor(1));
    ASSERT_EQ(StartPlay(), 1);
    int frames = 0;
    for (; frames < 32; ++frames) {
        // Presses cannot shorten the shutter.
        Key(KEY_ENTER, frames % 2 == 0);
        Key(KEY_ESCAPE, frames % 2 == 1);
        Frame();
        EXPECT_EQ(CurrentScene(), SCENE_FLOOR_INTRO);
        EXPECT_EQ(Session().sceneTimer, 80);
    }
    EXPECT_TRUE(ShutterOpen());
    Frame();
    EXPECT_EQ(CurrentScene(), SCENE_READY);
    EXPECT_EQ(Session().sceneTimer, 80);
    EXPECT_EQ(Player()->x, 16) << "nothing on the floor moves behind the shutter";
}

TEST_F(PlayFlow, AConfirmKeyStillHeldDoesNotSkipTheCountdown) {
    WriteFloors(OneWalkFloor(1));
    Key(KEY_ENTER, true);
    Frame();  // the character screen sees the press
    ASSERT_EQ(StartPlay(), 1);
    ASSERT_TRUE(RunUntilScene(SCENE_READY));
    EXPECT_EQ(FramesUntilSceneLeaves(), 80);
    EXPECT_EQ(CurrentScene(), SCENE_PLAY);
    EXPECT_EQ(Session().sceneTimer, 0);
}

TEST_F(PlayFlow, AFreshPressSkipsTheCountdown) {
    WriteFloors(OneWalkFloor(1));
    ASSERT_EQ(StartPlay(), 1);
    ASSERT_TRUE(RunUntilScene(SCENE_READY));
    for (int i = 0; i < 10; ++i) Frame();
    Key(KEY_Z, true);
    Frame();
    EXPECT_EQ(CurrentScene(), SCENE_PLAY);
}

TEST_F(PlayFlow, TheWorldStepsOnEveryOtherFrame) {
    WriteFloors(OneWalkFloor(1));
    ASSERT_EQ(StartPlay(), 1);
    ASSERT_TRUE(RunUntilScene(SCENE_PLAY));
    Key(KEY_RIGHT, true);
    std::vector<int> xs;
    for (int i = 0; i < 6; ++i) {
        Frame();
        xs.push_back(Player()->x);
    }
    EXPECT_EQ(xs, (std::vector<int>{20, 20, 24, 24, 28, 28}));
}

// Plays the walk-right floor until the frame before the step that notices the
// cleared floor; the next frame runs that step.
void PlayToTheNoticingStep(PlayFlowFixture& t, World& w) {
    ASSERT_EQ(StartPlay(), 1);
    t.Key(KEY_RIGHT, true);
    ASSERT_TRUE(t.RunUntilScene(SCENE_PLAY));
    int guard = 0;
    while (!(w.playResult == PLAY_RESULT_CLEARED && Session().logicPhase == 0) && guard++ < 100) t.Frame();
    ASSERT_EQ(w.playResult, PLAY_RESULT_CLEARED);
    ASSERT_EQ(CurrentScene(), SCENE_PLAY);
}

TEST_F(PlayFlow, AClearedFloorShowsTheResultFor150FramesWithTheJingle) {
    WriteFloors(OneWalkFloor(1));
    PlayToTheNoticingStep(*this, W());
    const std::set<int> sounds = Frame();
    EXPECT_EQ(CurrentScene(), SCENE_RESULT);
    EXPECT_EQ(Session().sceneTimer, 150);
    EXPECT_TRUE(sounds.count(4)) << "character 0's clear jingle";
    const int playerX = Player()->x;
    EXPECT_EQ(FramesUntilSceneLeaves(), 150);
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_OUTRO);
    EXPECT_TRUE(ShutterOpen());
    EXPECT_EQ(Player()->x, playerX) << "the result is a still picture";
}

TEST_F(PlayFlow, EscInTheNoticingStepPausesAndResumingLeadsToTheResult) {
    WriteFloors(OneWalkFloor(1));
    PlayToTheNoticingStep(*this, W());
    Key(KEY_ESCAPE, true);
    std::set<int> sounds = Frame();
    EXPECT_EQ(CurrentScene(), SCENE_PAUSE);
    EXPECT_TRUE(sounds.count(10));
    EXPECT_TRUE(sounds.count(4)) << "the result sound is requested all the same";
    Key(KEY_ESCAPE, false);
    SetScene(SCENE_PLAY);  // what resuming does
    sounds = Frame();
    if (CurrentScene() == SCENE_PLAY) sounds = Frame();
    EXPECT_EQ(CurrentScene(), SCENE_RESULT);
    EXPECT_TRUE(sounds.count(4));
}

TEST_F(PlayFlow, CtrlInPlayOpensTheMapView) {
    WriteFloors(OneWalkFloor(1));
    ASSERT_EQ(StartPlay(), 1);
    ASSERT_TRUE(RunUntilScene(SCENE_PLAY));
    Frame();  // a logic frame without keys
    Frame();
    Key(KEY_CTRL, true);
    const std::set<int> sounds = Frame();
    EXPECT_EQ(CurrentScene(), SCENE_MAP_VIEW);
    EXPECT_TRUE(sounds.count(10));
    EXPECT_EQ(Session().savedScrollY, W().scrollY);
}

TEST_F(PlayFlow, TheOutroClosesTheShutterThenLoadsTheNextFloor) {
    FloorDat dat;
    dat.Set(1, WalkRightFloor());
    dat.Set(2, StandingFloor());
    WriteFloors(dat);
    PlayToTheNoticingStep(*this, W());
    ASSERT_TRUE(RunUntilScene(SCENE_FLOOR_OUTRO));
    EXPECT_EQ(FramesUntilSceneLeaves(), 33);
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_INTRO);
    EXPECT_EQ(Session().floorNumber, 2);
    EXPECT_TRUE(ShutterClosed());
    EXPECT_EQ(Session().sceneTimer, 80);
    EXPECT_EQ(W().playResult, PLAY_RESULT_PLAYING);
    ASSERT_NE(Player(), nullptr);
    EXPECT_EQ(Player()->x, 64) << "the standing floor's player";
}

class FloorFlow : public PlayFlowFixture {
protected:
    // Ends the current floor with `result` on floor n and runs NextFloor.
    void EndFloor(int n, int32_t result) {
        Session().floorNumber = n;
        ASSERT_EQ(StartPlay(), 1);
        W().playResult = result;
        NextFloor();
    }
};

TEST_F(FloorFlow, AFailedFloorIsPlayedAgainFromAFreshLoad) {
    FloorDat dat;
    dat.SetAll(1, 56, WalkRightFloor());
    WriteFloors(dat);
    EndFloor(7, PLAY_RESULT_FAILED);
    EXPECT_EQ(Session().floorNumber, 7);
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_INTRO);
    EXPECT_EQ(W().playResult, PLAY_RESULT_PLAYING);
    EXPECT_EQ(Player()->x, 16);
    EXPECT_EQ(ActiveCount(W()), 1);
}

TEST_F(FloorFlow, ClearingFloor56InNormalPlayLoadsTheEndingAndLeavesFloorOne) {
    FloorDat dat;
    dat.SetAll(1, 56, WalkRightFloor());
    dat.Set(57, FloorFromRows(std::vector<std::string>(33), 2));
    WriteFloors(dat);
    Session().playMode = PLAY_MODE_NORMAL;
    EndFloor(56, PLAY_RESULT_CLEARED);
    EXPECT_EQ(CurrentScene(), SCENE_ENDING_INTRO);
    EXPECT_EQ(Session().floorNumber, 1);
    EXPECT_EQ(W().floorRows, 33);
    EXPECT_EQ(W().scrollY, 32);
}

TEST_F(FloorFlow, ClearingFloor56InDemoReplayGoesOnWithFloorOne) {
    FloorDat dat;
    dat.SetAll(1, 56, WalkRightFloor());
    dat.Set(1, StandingFloor());
    WriteFloors(dat);
    Session().playMode = PLAY_MODE_REPLAY;
    EndFloor(56, PLAY_RESULT_CLEARED);
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_INTRO);
    EXPECT_EQ(Session().floorNumber, 1);
    ASSERT_NE(Player(), nullptr);
    EXPECT_EQ(Player()->x, 64);
    EXPECT_EQ(W().playMode, PLAY_MODE_REPLAY);
}

TEST_F(FloorFlow, AnUnreadableNextFloorReturnsToTheTitleWithNoActorsLeft) {
    FloorDat dat;
    dat.Set(3, WalkRightFloor());  // floor 4 is missing from the file
    WriteFloors(dat);
    EndFloor(3, PLAY_RESULT_CLEARED);
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(ActiveCount(W()), 0);
}

TEST_F(FloorFlow, AnUnreadableEndingFloorReturnsToTheTitle) {
    FloorDat dat;
    dat.Set(56, WalkRightFloor());
    WriteFloors(dat);
    Session().playMode = PLAY_MODE_NORMAL;
    EndFloor(56, PLAY_RESULT_CLEARED);
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(ActiveCount(W()), 0);
}

TEST_F(FloorFlow, ResettingThePlayStateHandsTheChoicesToTheWorld) {
    Session().character = 2;
    Session().playMode = PLAY_MODE_REPLAY;
    SetChasersEnabled(false);
    W().playResult = PLAY_RESULT_FAILED;
    Session().logicPhase = 1;
    ResetPlayState();
    EXPECT_EQ(W().character, 2);
    EXPECT_EQ(W().playMode, PLAY_MODE_REPLAY);
    EXPECT_EQ(W().extraSpawnsEnabled, 0);
    EXPECT_EQ(W().playResult, PLAY_RESULT_PLAYING);
    EXPECT_EQ(Session().logicPhase, 0);
    EXPECT_EQ(Session().sceneTimer, 150);
}

TEST_F(FloorFlow, ResettingThePlayStateBeforeTheWorldExistsIsSafe) {
    World* w = &W();
    SetGameWorld(nullptr);
    Session().logicPhase = 1;
    ResetPlayState();
    InitPlayGlobals();
    EXPECT_EQ(Session().logicPhase, 0);
    EXPECT_EQ(Session().floorNumber, 1);
    SetGameWorld(w);
}

}  // namespace
}  // namespace q::test
