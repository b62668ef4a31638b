// The front-end screens as the player sees them: the real game on the headless
// back end, driven from the title by a key script, checked on screenshots and
// on the per-frame log. The synthetic atlas lets a pixel tell which picture it
// came from.
#include <gtest/gtest.h>

#include "platform/core/atlas_layout.hpp"
#include "support/headless_run.hpp"

namespace q::test {
namespace {

// The first title entry has slid in by then, so the title takes a choice.
constexpr int kTitleReady = 30;

// A working folder with one plain floor, so that a game can start.
class ScreensE2E : public ::testing::Test {
protected:
    void SetUp() override {
        FloorDat dat;
        dat.SetAll(1, 56, StandingFloor());
        dir.WriteFloors(dat);
    }
    // Moves the title cursor down `item` times from the first entry, then
    // confirms at `confirmFrame`.
    static Script& ChooseTitleEntry(Script& s, int item, int confirmFrame) {
        for (int i = 0; i < item; ++i) s.Tap(kTitleReady + 2 * i, "Down");
        return s.Tap(confirmFrame, "Enter");
    }
    GameFolder dir;
};
class TitleScreenE2E : public ScreensE2E {};
class FloorSelectScreenE2E : public ScreensE2E {};
class OptionsScreenE2E : public ScreensE2E {};
class KeyConfigScreenE2E : public ScreensE2E {};
class HelpScreenE2E : public ScreensE2E {};
class WheelScreenE2E : public ScreensE2E {};
class PauseScreenE2E : public ScreensE2E {};

TEST_F(TitleScreenE2E, TitleQuitPromptAsksFirstAndItsSecondEntryEndsTheGame) {
    Script s;
    ChooseTitleEntry(s, 2, 70).Shot(100, "quit.png").Tap(110, "Down").Tap(140, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 400);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_GT(run.frames.size(), 140u);
    EXPECT_TRUE(run.frames[kTitleReady].Played(0)) << "moving the cursor clicks";
    EXPECT_EQ(run.frames[70].scene, SCENE_QUIT_PROMPT);
    EXPECT_EQ(run.frames[139].scene, SCENE_QUIT_PROMPT);
    EXPECT_LT(run.frames.size(), 400u) << "the game ended before the frame limit";
    const Screenshot shot = dir.Shot("quit.png");
    ASSERT_TRUE(shot.Loaded());
    EXPECT_TRUE(shot.ShowsFrom(320, 60, 1032, 367, 1261, 395)) << "the heading";
    EXPECT_TRUE(shot.Shows(300, 260, 335, 135)) << "going back, selected and slid in";
    EXPECT_FALSE(shot.ShowsFrom(5, 280, 280, 100, 430, 125)) << "quitting, at the left edge, half faded";
    EXPECT_FALSE(shot.ShowsFrom(600, 200, 0, 1024, 640, 1504)) << "the title picture is dimmed";
}

TEST_F(FloorSelectScreenE2E, FloorSelectionShowsTheChosenNumberAndKeepsIt) {
    Script s;
    ChooseTitleEntry(s, 1, 70).Tap(80, "Right").Shot(85, "floor.png").Tap(90, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 100);
    ASSERT_EQ(run.frames.size(), 100u) << run.stderrText;
    EXPECT_EQ(run.frames[70].scene, SCENE_FLOOR_SELECT);
    EXPECT_EQ(run.frames[80].floor, 2);
    EXPECT_TRUE(run.frames[80].Played(0));
    EXPECT_EQ(run.frames[90].scene, SCENE_TITLE);
    EXPECT_EQ(run.frames[99].floor, 2);
    const Screenshot shot = dir.Shot("floor.png");
    ASSERT_TRUE(shot.Loaded());
    EXPECT_TRUE(shot.Shows(210, 205, 1233, 626)) << "the label";
    EXPECT_TRUE(shot.ShowsFrom(432, 210, 1065, 621, 1081, 641)) << "a big 2 after a blank place";
    EXPECT_FALSE(shot.ShowsFrom(414, 210, 1033, 621, 1050, 642)) << "no leading zero";
    EXPECT_TRUE(shot.ShowsFrom(320, 465, 1032, 677, 1656, 699)) << "the instructions";
}

TEST_F(OptionsScreenE2E, OptionsApplyOnLeavingSoSoundsStopAfterwards) {
    Script s;
    ChooseTitleEntry(s, 3, 70).Shot(75, "before.png").Tap(80, "Right").Shot(85, "after.png");
    s.Tap(90, "Enter").Tap(130, "Down");
    const HeadlessRun run = dir.Run(s.Text(), 140);
    ASSERT_EQ(run.frames.size(), 140u) << run.stderrText;
    EXPECT_EQ(run.frames[70].scene, SCENE_OPTIONS);
    EXPECT_TRUE(run.frames[80].Played(0)) << "sound effects still on while the screen is open";
    EXPECT_EQ(run.frames[90].scene, SCENE_TITLE);
    EXPECT_TRUE(run.frames[130].sounds.empty()) << "sound effects now off";
    const Screenshot before = dir.Shot("before.png");
    const Screenshot after = dir.Shot("after.png");
    ASSERT_TRUE(before.Loaded());
    ASSERT_TRUE(after.Loaded());
    EXPECT_TRUE(before.Shows(10, 160, 1165, 287)) << "the selected row's label";
    EXPECT_FALSE(before.ShowsFrom(10, 200, 1032, 277, 1153, 305)) << "other labels are faint";
    EXPECT_TRUE(before.Shows(455, 155, 1037, 312)) << "on is chosen";
    EXPECT_FALSE(before.ShowsFrom(255, 155, 1072, 307, 1124, 335));
    EXPECT_TRUE(after.Shows(255, 155, 1077, 312)) << "off is chosen";
    EXPECT_FALSE(after.ShowsFrom(455, 155, 1032, 307, 1070, 335));
    EXPECT_TRUE(before.ShowsFrom(320, 60, 1032, 397, 1180, 425)) << "the heading";
}

TEST_F(KeyConfigScreenE2E, KeyConfigurationShowsTheKeyBoundNow) {
    Script s;
    ChooseTitleEntry(s, 5, 70).Shot(75, "space.png").Tap(80, "Right").Shot(85, "shift.png");
    s.Tap(90, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 100);
    ASSERT_EQ(run.frames.size(), 100u) << run.stderrText;
    EXPECT_EQ(run.frames[70].scene, SCENE_KEY_CONFIG);
    EXPECT_EQ(run.frames[90].scene, SCENE_TITLE);
    const Screenshot space = dir.Shot("space.png");
    const Screenshot shift = dir.Shot("shift.png");
    ASSERT_TRUE(space.Loaded());
    ASSERT_TRUE(shift.Loaded());
    EXPECT_TRUE(space.Shows(505, 305, 1037, 460));
    EXPECT_TRUE(shift.Shows(505, 305, 1231, 460));
    EXPECT_TRUE(space.Shows(5, 305, 1037, 652)) << "the label";
    EXPECT_TRUE(space.ShowsFrom(320, 110, 1155, 337, 1358, 365)) << "the heading";
}

TEST_F(HelpScreenE2E, HelpShowsTheFirstPageThenWrapsToTheLast) {
    Script s;
    s.Tap(kTitleReady, "Up").Tap(70, "Enter").Shot(100, "first.png").Tap(105, "Left").Shot(140, "last.png");
    s.Tap(145, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 150);
    ASSERT_EQ(run.frames.size(), 150u) << run.stderrText;
    EXPECT_EQ(run.frames[70].scene, SCENE_HELP);
    EXPECT_EQ(run.frames[145].scene, SCENE_TITLE);
    const Screenshot first = dir.Shot("first.png");
    const Screenshot last = dir.Shot("last.png");
    ASSERT_TRUE(first.Loaded());
    ASSERT_TRUE(last.Loaded());
    EXPECT_TRUE(first.Shows(300, 100, 812, 906)) << "page 0's picture in place";
    EXPECT_TRUE(first.Shows(250, 265, 14, 520)) << "page 0's caption in place";
    EXPECT_TRUE(first.Shows(110, 462, 1040, 703)) << "the instructions";
    EXPECT_TRUE(last.Shows(300, 100, 556, 906)) << "page 14's picture";
}

TEST_F(WheelScreenE2E, CharacterSelectionShowsWheelNameAndPortraitThenStartsTheFloor) {
    Script s;
    s.Tap(kTitleReady, "Enter").Shot(35, "wheel.png").Shot(75, "portrait.png").Tap(80, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 90);
    ASSERT_EQ(run.frames.size(), 90u) << run.stderrText;
    EXPECT_EQ(run.frames[kTitleReady].scene, SCENE_CHARACTER_SELECT);
    EXPECT_EQ(run.frames[80].scene, SCENE_FLOOR_INTRO);
    const Screenshot wheel = dir.Shot("wheel.png");
    const Screenshot portrait = dir.Shot("portrait.png");
    ASSERT_TRUE(wheel.Loaded());
    ASSERT_TRUE(portrait.Loaded());
    EXPECT_TRUE(wheel.ShowsFrom(240, 60, 1213, 98, 1399, 125)) << "the heading";
    EXPECT_TRUE(wheel.Shows(300, 410, 1043, 437)) << "the name of the character in front";
    EXPECT_TRUE(wheel.ShowsFrom(229, 350, 3, 72, 69, 95)) << "character 0 in front";
    EXPECT_TRUE(wheel.ShowsFrom(160, 232, 77, 68, 139, 96)) << "character 1 back left";
    EXPECT_TRUE(wheel.ShowsFrom(298, 231, 149, 70, 211, 96)) << "character 2 back right";
    const Rect card = atlas::kPortraits[0];
    EXPECT_TRUE(portrait.Shows(380, 160, card.left + 5, card.top + 5)) << "portrait 0 in place at twice its size";
}

TEST_F(PauseScreenE2E, PauseShowsTheMenuOverThePlayFieldAndResumes) {
    Script s;
    s.Tap(kTitleReady, "Enter").Tap(40, "Enter");
    s.Down(300, "Escape").Up(304, "Escape").Shot(340, "pause.png").Tap(345, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 360);
    ASSERT_EQ(run.frames.size(), 360u) << run.stderrText;
    ASSERT_EQ(run.frames[299].scene, SCENE_PLAY) << "play has begun before the pause";
    const int paused = run.FirstFrameInScene(SCENE_PAUSE, 300);
    ASSERT_GE(paused, 300);
    EXPECT_LE(paused, 301);
    EXPECT_TRUE(run.frames[paused].Played(10));
    EXPECT_EQ(run.frames[344].scene, SCENE_PAUSE);
    EXPECT_EQ(run.frames[345].scene, SCENE_PLAY);
    EXPECT_TRUE(run.frames[345].Played(10)) << "resuming sounds like pausing";
    const Screenshot shot = dir.Shot("pause.png");
    ASSERT_TRUE(shot.Loaded());
    EXPECT_TRUE(shot.Shows(300, 260, 415, 704)) << "resume, selected and slid in";
    EXPECT_FALSE(shot.ShowsFrom(5, 280, 360, 721, 510, 746)) << "retry at the left edge, half faded";
    EXPECT_TRUE(shot.ShowsFrom(10, 6, 326, 233, 379, 243)) << "the floor label of the play field";
}

TEST_F(PauseScreenE2E, PauseRetryFailsTheFloorAndPlaysItAgain) {
    Script s;
    s.Tap(kTitleReady, "Enter").Tap(40, "Enter");
    s.Down(300, "Escape").Up(304, "Escape").Tap(310, "Down").Tap(345, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 600);
    ASSERT_EQ(run.frames.size(), 600u) << run.stderrText;
    EXPECT_EQ(run.frames[345].scene, SCENE_PLAY);
    const int result = run.FirstFrameInScene(SCENE_RESULT, 345);
    ASSERT_GT(result, 345);
    EXPECT_LE(result, 348) << "the next play step ends the floor";
    EXPECT_TRUE(run.frames[result].Played(2)) << "the failure sound";
    const int again = run.FirstFrameInScene(SCENE_FLOOR_INTRO, result);
    ASSERT_GT(again, result);
    EXPECT_EQ(run.frames[again].floor, 1) << "the same floor again";
}

}  // namespace
}  // namespace q::test
