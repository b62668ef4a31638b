// A floor.dat that is missing or lacks a floor, end to end.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace q::test {
namespace {

// Start from the title with the character in front at frame 33.
Script StartAtOnce() {
    Script s;
    s.Tap(30, "Enter").Tap(33, "Enter");
    return s;
}

TEST(E2EFloorFile, WithoutFloorDatConfirmingACharacterLeavesTheSelectionUp) {
    GameFolder dir;
    const HeadlessRun run = dir.Run(StartAtOnce().Text(), 60);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 60u);
    EXPECT_EQ(run.frames[30].scene, SCENE_CHARACTER_SELECT);
    EXPECT_EQ(run.frames[59].scene, SCENE_CHARACTER_SELECT);
}

TEST(E2EFloorFile, ANextFloorThatCannotBeReadLeadsBackToTheTitle) {
    GameFolder dir;
    FloorDat dat;
    dat.Set(1, WalkRightFloor());  // floor 2 points outside the file
    dir.WriteFloors(dat);
    Script s = StartAtOnce();
    s.Down(40, "Right").Up(300, "Right");
    // The title is back by frame 340; its start item slides in again, then the
    // same character is confirmed.
    s.Tap(370, "Enter").Tap(373, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 380);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 380u);
    EXPECT_EQ(run.SceneVisits(), (std::vector<int>{SCENE_TITLE, SCENE_CHARACTER_SELECT, SCENE_FLOOR_INTRO, SCENE_READY,
                                                    SCENE_PLAY, SCENE_RESULT, SCENE_FLOOR_OUTRO, SCENE_TITLE,
                                                    SCENE_CHARACTER_SELECT}));
    const int title = run.FirstFrameInScene(SCENE_TITLE, 100);
    ASSERT_GT(title, 0);
    EXPECT_EQ(run.frames[title].floor, 2) << "the floor reached stays chosen";
    EXPECT_EQ(run.frames.back().scene, SCENE_CHARACTER_SELECT) << "floor 2 cannot start either";
}

}  // namespace
}  // namespace q::test
