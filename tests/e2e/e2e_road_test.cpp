// The whole road of a game in quorrel-headless: title, floor selection,
// character selection, two floors played to their ends, the ending and back to
// the title; and demo replay going round from floor 56 to floor 1.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace q::test {
namespace {

// Frames each visit to a scene lasted, in order.
std::vector<int> VisitLengths(const HeadlessRun& run) {
    std::vector<int> lengths;
    int last = -1;
    for (const LoggedFrame& f : run.frames) {
        if (f.scene != last) lengths.push_back(0);
        ++lengths.back();
        last = f.scene;
    }
    return lengths;
}

// The floor shown in the first frame of the n-th visit (0-based) of a scene.
int FloorOfVisit(const HeadlessRun& run, int scene, int n) {
    int seen = -1;
    int last = -1;
    for (const LoggedFrame& f : run.frames) {
        if (f.scene == scene && last != scene && ++seen == n) return f.floor;
        last = f.scene;
    }
    return -1;
}

// The title, then floor selection to floor 55 (1 left is 56, left again 55),
// then the title's start item and the character in front confirmed at frame 98.
Script StartOnFloor55() {
    Script s;
    s.Tap(30, "Down").Tap(60, "Enter");   // floor selection, once its item has slid in
    s.Tap(62, "Left").Tap(64, "Left");    // 1 -> 56 -> 55
    s.Tap(66, "Enter");                   // back to the title
    s.Tap(95, "Enter");                   // start, once the first item is back in place
    s.Tap(98, "Enter");                   // the character in front
    return s;
}

TEST(E2ERoad, NormalPlayFromFloor55ThroughTheEndingBackToTheTitle) {
    GameFolder dir;
    FloorDat dat;
    dat.SetAll(1, 56, WalkRightFloor());
    dat.Set(57, FloorFromRows(std::vector<std::string>(33), 2));
    dir.WriteFloors(dat);

    Script s = StartOnFloor55();
    s.Down(100, "Right");  // held from here on: each floor's player walks into its exit
    s.Shot(63, "floor_select.png").Shot(97, "character.png");
    s.Shot(99, "intro_closed.png").Shot(115, "intro_half.png").Shot(140, "ready.png");
    s.Shot(215, "play.png").Shot(300, "result.png").Shot(386, "outro.png");
    s.Shot(710, "ending_intro.png").Shot(760, "ending_rising.png").Shot(774, "ending.png");
    s.Tap(775, "Escape").Shot(790, "title_again.png");
    const HeadlessRun run = dir.Run(s.Text(), 800);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 800u);

    EXPECT_EQ(run.SceneVisits(), (std::vector<int>{SCENE_TITLE, SCENE_FLOOR_SELECT, SCENE_TITLE,
                                                    SCENE_CHARACTER_SELECT, SCENE_FLOOR_INTRO, SCENE_READY,
                                                    SCENE_PLAY, SCENE_RESULT, SCENE_FLOOR_OUTRO, SCENE_FLOOR_INTRO,
                                                    SCENE_READY, SCENE_PLAY, SCENE_RESULT, SCENE_FLOOR_OUTRO,
                                                    SCENE_ENDING_INTRO, SCENE_ENDING, SCENE_TITLE}));
    const std::vector<int> lengths = VisitLengths(run);
    ASSERT_EQ(lengths.size(), 17u);
    EXPECT_EQ(lengths[4], 33) << "the shutter opens in 32 frames and the intro switches on the 33rd";
    EXPECT_EQ(lengths[5], 80) << "the countdown";
    EXPECT_EQ(lengths[6], 9) << "four logic steps to the exit, noticed by the fifth, on the ninth frame";
    EXPECT_EQ(lengths[7], 150) << "the result";
    EXPECT_EQ(lengths[8], 33) << "the shutter closes, then the next floor is loaded";
    EXPECT_EQ(lengths[14], 33) << "the ending's shutter";
    EXPECT_EQ(FloorOfVisit(run, SCENE_PLAY, 0), 55);
    EXPECT_EQ(FloorOfVisit(run, SCENE_PLAY, 1), 56);
    EXPECT_EQ(FloorOfVisit(run, SCENE_ENDING, 0), 1) << "clearing floor 56 leaves floor 1 chosen";
    EXPECT_EQ(run.frames[775].scene, SCENE_TITLE) << "Esc leaves the ending once it reached the top";

    // The clear jingle of character 0 plays on the steps that notice the exits.
    const int firstResult = run.FirstFrameInScene(SCENE_RESULT);
    const int secondResult = run.FirstFrameInScene(SCENE_RESULT, firstResult + 150);
    ASSERT_GT(firstResult, 0);
    ASSERT_GT(secondResult, 0);
    EXPECT_TRUE(run.frames[firstResult].Played(4));
    EXPECT_TRUE(run.frames[secondResult].Played(4));

    const Screenshot floorSelect = dir.Shot("floor_select.png");
    ASSERT_TRUE(floorSelect.Loaded());
    EXPECT_TRUE(floorSelect.Shows(205, 205, 1228, 626)) << "the floor label";

    const Screenshot character = dir.Shot("character.png");
    ASSERT_TRUE(character.Loaded());
    EXPECT_TRUE(character.Shows(230, 55, 1216, 103)) << "the heading";

    // A closed shutter covers the screen with its strip, band by band: not
    // one pixel, to the last column, shows the floor behind it (the strip
    // itself is opaque, as the atlas tests check).
    const Screenshot closed = dir.Shot("intro_closed.png");
    ASSERT_TRUE(closed.Loaded());
    int leaks = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) leaks += !closed.Shows(x, y, 512 + x % 64, y);
    EXPECT_EQ(leaks, 0);
    // Half open: each band shows the strip's left 32 pixels, the floor beside it.
    const Screenshot half = dir.Shot("intro_half.png");
    ASSERT_TRUE(half.Loaded());
    EXPECT_TRUE(half.Shows(64 * 3 + 10, 240, 522, 240));
    EXPECT_TRUE(half.Shows(64 * 3 + 40, 300, 800 + 8, 284 + 12)) << "an empty tile of the floor";

    const Screenshot ready = dir.Shot("ready.png");
    ASSERT_TRUE(ready.Loaded());
    EXPECT_TRUE(ready.Shows(276, 150, 834, 97)) << "the countdown label at twice its size";
    EXPECT_TRUE(ready.Shows(276 + 20, 150 + 10, 844, 102));
    EXPECT_TRUE(ready.Shows(10, 6, 334, 237)) << "the floor label";
    EXPECT_TRUE(ready.Shows(100, 29 * 16 + 3, 916, 335)) << "the solid floor";

    const Screenshot play = dir.Shot("play.png");
    ASSERT_TRUE(play.Loaded());
    EXPECT_TRUE(play.Shows(510, 10, 844, 10)) << "the play label";
    EXPECT_TRUE(play.Shows(100, 29 * 16 + 3, 916, 335));

    const Screenshot result = dir.Shot("result.png");
    ASSERT_TRUE(result.Loaded());
    EXPECT_TRUE(result.Shows(30, 410, 254, 10)) << "the cleared bubble over the player at the exit";

    const Screenshot outro = dir.Shot("outro.png");
    ASSERT_TRUE(outro.Loaded());
    EXPECT_TRUE(outro.Shows(64 * 5 + 10, 240, 522, 240)) << "the shutter closing";

    const Screenshot endingIntro = dir.Shot("ending_intro.png");
    ASSERT_TRUE(endingIntro.Loaded());
    EXPECT_TRUE(endingIntro.Shows(64 * 9 + 1, 20, 513, 20));

    const Screenshot rising = dir.Shot("ending_rising.png");
    const Screenshot ending = dir.Shot("ending.png");
    ASSERT_TRUE(rising.Loaded());
    ASSERT_TRUE(ending.Loaded());
    EXPECT_FALSE(rising.ShowsFrom(320, 120, 660, 1154, 995, 1211)) << "no pictures while the view rises";
    EXPECT_TRUE(ending.ShowsFrom(320, 120, 660, 1154, 995, 1211)) << "the upper ending picture";
    EXPECT_TRUE(ending.ShowsFrom(320, 200, 643, 1228, 1019, 1278)) << "the lower ending picture";

    const Screenshot title = dir.Shot("title_again.png");
    ASSERT_TRUE(title.Loaded());
    EXPECT_TRUE(title.Shows(600, 200, 600, 1224));
}

TEST(E2ERoad, DemoReplayPlaysEachFloorByItsDemoAndGoesFrom56ToFloor1) {
    GameFolder dir;
    FloorDat dat;
    dat.SetAll(1, 56, WalkRightFloor());
    dat.Set(57, FloorFromRows(std::vector<std::string>(33), 2));
    dir.WriteFloors(dat);

    Script s;
    s.Tap(30, "Down").Tap(60, "Enter");  // floor selection
    s.Tap(62, "Left").Tap(64, "Enter");  // 1 -> 56, back to the title
    // Four steps down to the replay item, then wait for it to slide in.
    s.Tap(70, "Down").Tap(72, "Down").Tap(74, "Down").Tap(76, "Down");
    s.Tap(110, "Enter").Tap(113, "Enter");
    // No direction key is ever pressed: the demos walk the players.
    const HeadlessRun run = dir.Run(s.Text(), 1050);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 1050u);

    EXPECT_EQ(FloorOfVisit(run, SCENE_PLAY, 0), 56);
    EXPECT_EQ(FloorOfVisit(run, SCENE_PLAY, 1), 1) << "demo replay goes round without the ending";
    EXPECT_EQ(FloorOfVisit(run, SCENE_PLAY, 2), 2);
    EXPECT_EQ(run.FirstFrameInScene(SCENE_ENDING_INTRO), -1);
    EXPECT_EQ(run.FirstFrameInScene(SCENE_ENDING), -1);
    const std::vector<int> visits = run.SceneVisits();
    int results = 0;
    for (int scene : visits) results += scene == SCENE_RESULT;
    EXPECT_EQ(results, 3);
}

}  // namespace
}  // namespace q::test
