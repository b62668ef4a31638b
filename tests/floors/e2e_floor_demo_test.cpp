// The project's floors in the real game: quorrel-headless on the floor.dat
// that compile makes of assets/floors, watching floor 1's demo play it to
// floor 2.
#include <gtest/gtest.h>

#include "floors_fixture.hpp"
// GCC 12 sees an overflow in the test WAVE builder's four-byte inserts once
// they are inlined here; there is none (vector::insert grows the vector).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#include "support/headless_run.hpp"
#pragma GCC diagnostic pop

namespace q::test {
namespace {

TEST(E2EFloorDemo, WatchingTheDemoClearsFloorOneAndGoesOnToFloorTwo) {
    TempFolder sources;
    ASSERT_GE(WriteRealSet(sources), 2) << "floors 1 and 2 are the project's";
    GameFolder dir;
    const ToolRun compiled = RunTool(floors::RunCompile, {"--sources", sources.Path(), "--out", dir.File("floor.dat")});
    ASSERT_EQ(compiled.code, 0) << compiled.err;

    Script s;
    // The title menu's fifth item watches the demos, from floor 1.
    s.Tap(30, "Down").Tap(32, "Down").Tap(34, "Down").Tap(36, "Down");
    s.Tap(70, "Enter").Tap(73, "Enter");
    // No direction or action key is ever pressed.
    const HeadlessRun run = dir.Run(s.Text(), 1400);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 1400u);

    const int play = run.FirstFrameInScene(SCENE_PLAY);
    ASSERT_GT(play, 0);
    EXPECT_EQ(run.frames[play].floor, 1);
    const int result = run.FirstFrameInScene(SCENE_RESULT, play);
    ASSERT_GT(result, play) << "floor 1 ends";
    EXPECT_TRUE(run.frames[result].Played(4)) << "cleared: the clear jingle, not the failure sound";
    const int next = run.FirstFrameInScene(SCENE_PLAY, result);
    ASSERT_GT(next, result) << "the next floor starts";
    EXPECT_EQ(run.frames[next].floor, 2);
    for (int f = play; f < next; ++f) ASSERT_NE(run.frames[f].scene, SCENE_TITLE) << "frame " << f;
}

}  // namespace
}  // namespace q::test
