// The game starts on its title, and a missing data.dat ends it at once.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace q::test {
namespace {

TEST(E2ETitle, TheGameStartsOnTheTitleWithItsPictureLogoAndCornerLabel) {
    GameFolder dir;
    FloorDat dat;
    dat.Set(1, WalkRightFloor());
    dir.WriteFloors(dat);
    const HeadlessRun run = dir.Run(Script().Shot(40, "title.png").Text(), 41);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    ASSERT_EQ(run.frames.size(), 41u);
    for (const LoggedFrame& f : run.frames) EXPECT_EQ(f.scene, SCENE_TITLE);
    const Screenshot shot = dir.Shot("title.png");
    ASSERT_TRUE(shot.Loaded());
    EXPECT_TRUE(shot.Shows(600, 200, 600, 1224)) << "the title picture fills the screen";
    EXPECT_TRUE(shot.ShowsFrom(320, 80, 0, 1509, 613, 1599)) << "the logo";
    EXPECT_TRUE(shot.Shows(10, 470, 9, 1012)) << "the corner label";
    EXPECT_TRUE(shot.ShowsFrom(300, 260, 280, 0, 430, 25)) << "the first menu item has slid in";
}

TEST(E2ETitle, WithoutDataDatTheGameSaysSoAndEndsBeforeDrawingAFrame) {
    GameFolder dir;
    dir.Remove("data.dat");
    const HeadlessRun run = dir.Run("", 20);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.frames.empty());
    EXPECT_NE(run.stderrText.find("memory error3"), std::string::npos) << run.stderrText;
}

}  // namespace
}  // namespace q::test
