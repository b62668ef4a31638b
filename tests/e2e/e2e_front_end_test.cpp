// Every front-end screen reached from the title with the keyboard alone, each
// screenshot checked for a picture it must show; and the quit item ends the
// program.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace q::test {
namespace {

// Taps Down n times from `frame`, two frames apart; returns the frame of the
// last tap.
int TapDown(Script& s, int frame, int n) {
    for (int i = 0; i < n; ++i) s.Tap(frame + 2 * i, "Down");
    return frame + 2 * (n - 1);
}

TEST(E2EFrontEnd, EveryScreenOfTheTitleMenuOpensAndLeadsBack) {
    GameFolder dir;
    FloorDat dat;
    dat.Set(1, WalkRightFloor());
    dir.WriteFloors(dat);

    // A chosen item starts at the left edge and needs 25 frames to slide in.
    Script s;
    int last = TapDown(s, 30, 2);  // quit prompt
    s.Tap(last + 28, "Enter").Shot(last + 38, "quit_prompt.png");
    s.Tap(last + 60, "Enter");  // its first item: back to the title
    last = TapDown(s, last + 62, 3);  // options
    s.Tap(last + 28, "Enter").Shot(last + 32, "options.png").Tap(last + 36, "Enter");
    last = TapDown(s, last + 38, 5);  // key configuration
    s.Tap(last + 28, "Enter").Shot(last + 32, "key_config.png").Tap(last + 36, "Enter");
    last = TapDown(s, last + 38, 6);  // help
    s.Tap(last + 28, "Enter").Shot(last + 32, "help.png").Tap(last + 36, "Enter");
    const int frames = last + 50;
    const HeadlessRun run = dir.Run(s.Text(), frames);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), static_cast<std::size_t>(frames));

    EXPECT_EQ(run.SceneVisits(), (std::vector<int>{SCENE_TITLE, SCENE_QUIT_PROMPT, SCENE_TITLE, SCENE_OPTIONS,
                                                    SCENE_TITLE, SCENE_KEY_CONFIG, SCENE_TITLE, SCENE_HELP,
                                                    SCENE_TITLE}));

    const Screenshot quit = dir.Shot("quit_prompt.png");
    ASSERT_TRUE(quit.Loaded());
    EXPECT_TRUE(quit.Shows(210, 55, 1037, 372)) << "the quit prompt's heading";
    const Screenshot options = dir.Shot("options.png");
    ASSERT_TRUE(options.Loaded());
    EXPECT_TRUE(options.Shows(250, 55, 1036, 402)) << "the options heading";
    const Screenshot keys = dir.Shot("key_config.png");
    ASSERT_TRUE(keys.Loaded());
    EXPECT_TRUE(keys.Shows(220, 105, 1157, 342)) << "the key configuration heading";
    EXPECT_TRUE(keys.Shows(5, 305, 1037, 652)) << "the action key label";
    const Screenshot help = dir.Shot("help.png");
    ASSERT_TRUE(help.Loaded());
    EXPECT_TRUE(help.Shows(110, 462, 1040, 703)) << "the help screen's instruction line";
}

TEST(E2EFrontEnd, TheQuitPromptsSecondItemEndsTheProgram) {
    GameFolder dir;
    Script s;
    const int last = TapDown(s, 30, 2);
    s.Tap(last + 28, "Enter");          // the quit prompt
    s.Tap(last + 30, "Down");           // its quit item
    s.Tap(last + 60, "Enter");
    const HeadlessRun run = dir.Run(s.Text(), 400);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_FALSE(run.frames.empty());
    EXPECT_LT(run.frames.size(), 400u) << "the run ends when the program does";
    EXPECT_EQ(run.frames.back().scene, SCENE_IDLE);
    EXPECT_EQ(run.frames.back().frame, last + 60);
}

}  // namespace
}  // namespace q::test
