// render draws a floor's whole map as the game draws its screens, with the
// start view and the exits marked, and lays the set out on a contact sheet.
// The atlas here paints each texel with its own coordinates, so a pixel of a
// map tells which picture the game drew there.
#include <gtest/gtest.h>

#include <cstdio>

#include "floors/render_map.hpp"
#include "floors_fixture.hpp"
// GCC 12 sees an overflow in the test WAVE builder's four-byte inserts once
// they are inlined here; there is none (vector::insert grows the vector).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#include "support/headless_run.hpp"
#pragma GCC diagnostic pop

namespace q::test {
namespace {

constexpr int kStoneLeft = 912, kStoneTop = 332;  // tile 31 in the atlas
constexpr int kPickupLeft = 232, kPickupTop = 96;
constexpr int kBlockLeft = 216, kBlockTop = 0;    // the light block raised left

class FloorRender : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFile(data.File("data.dat"), SyntheticDataDat());
        WriteStandInSet(sources);
    }
    ToolRun Render(std::vector<std::string> numbers) {
        std::vector<std::string> args{"--sources", sources.Path(), "--data", data.File("data.dat"), "--out",
                                      out.File("maps")};
        args.insert(args.end(), numbers.begin(), numbers.end());
        return RunTool(floors::RunRender, args);
    }
    TempFolder sources, data, out;
};

// 70 rows, more than two screens; the view starts at row 40.
SourceFloor TallFloor() {
    SourceFloor f(70, 40);
    f.Tiles(31, 10, std::string(10, '#'));        // a shelf the block stands on
    f.Objects(30, 12, "L");                       // its box spans rows 29 and 30, across the first screen's edge
    f.Objects(65, 30, "o");                       // on the third screen
    f.Tiles(50, 25, "#");
    f.Objects(66, 3, "P").Objects(6, 35, "E").Objects(12, 5, "X");
    f.Tiles(5, 35, "n").Tiles(6, 35, "d");
    return f;
}

TEST_F(FloorRender, TheWholeFloorIsDrawnTopToBottomWithItsActorsInPlace) {
    sources.Write(floors::SourceFileName(7), TallFloor().Text());
    const ToolRun run = Render({"7"});
    ASSERT_EQ(run.code, 0) << run.err;
    const Screenshot map = LoadScreenshot(out.File("maps/floor-07.png"));
    ASSERT_EQ(map.width, 640);
    ASSERT_EQ(map.height, 70 * 16);

    EXPECT_TRUE(map.Shows(4, 3 * 16 + 5, kStoneLeft + 4, kStoneTop + 5)) << "the wall at the top";
    EXPECT_TRUE(map.Shows(25 * 16 + 4, 50 * 16 + 5, kStoneLeft + 4, kStoneTop + 5)) << "a stone on the second screen";
    EXPECT_TRUE(map.Shows(100, 69 * 16 + 9, kStoneLeft + 4, kStoneTop + 9)) << "the last row";
    EXPECT_TRUE(map.Shows(30 * 16 + 5, 65 * 16 + 6, kPickupLeft + 5, kPickupTop + 6)) << "the pickup where it lies";
    // The block's box runs from y 464 to 496: both halves, on two screens.
    EXPECT_TRUE(map.Shows(12 * 16 + 20, 470, kBlockLeft + 20, kBlockTop + 6));
    EXPECT_TRUE(map.Shows(12 * 16 + 20, 490, kBlockLeft + 20, kBlockTop + 26));
    // Empty cells show tile 0 over the background, as the game draws them.
    EXPECT_TRUE(map.Shows(20 * 16 + 8, 60 * 16 + 8, 800 + 8, 284 + 8));
}

TEST_F(FloorRender, TheStartViewAndTheExitsAreMarked) {
    sources.Write(floors::SourceFileName(7), TallFloor().Text());
    ASSERT_EQ(Render({"7"}).code, 0);
    const Screenshot map = LoadScreenshot(out.File("maps/floor-07.png"));
    ASSERT_EQ(map.height, 70 * 16);
    const uint32_t view = floors::kStartViewColour, exit = floors::kExitColour;

    // The 640 x 480 frame from row 40 down.
    EXPECT_EQ(map.At(320, 40 * 16), view);
    EXPECT_EQ(map.At(320, 40 * 16 + 479), view);
    EXPECT_EQ(map.At(0, 50 * 16), view);
    EXPECT_EQ(map.At(639, 50 * 16), view);
    EXPECT_NE(map.At(320, 40 * 16 - 3), view);
    EXPECT_NE(map.At(320, 40 * 16 + 240), view);

    // The exit cell's frame, the inside of the cell left as drawn.
    EXPECT_EQ(map.At(35 * 16, 6 * 16 + 8), exit);
    EXPECT_EQ(map.At(35 * 16 + 15, 6 * 16 + 8), exit);
    EXPECT_NE(map.At(35 * 16 + 8, 6 * 16 + 8), exit);
    // A lock opens into its own cell and the one to its right.
    EXPECT_EQ(map.At(5 * 16, 12 * 16 + 8), exit);
    EXPECT_EQ(map.At(7 * 16 - 1, 12 * 16 + 8), exit);
    EXPECT_NE(map.At(6 * 16 + 8, 12 * 16 + 8), exit);
    EXPECT_NE(map.At(20 * 16, 20 * 16 + 8), exit);
}

TEST_F(FloorRender, TheWholeSetGetsAContactSheetLabelledInTheGamesDigits) {
    sources.Write(floors::SourceFileName(7), TallFloor().Text());
    const ToolRun run = Render({});
    ASSERT_EQ(run.code, 0) << run.err;
    for (int n = 1; n <= kFloorCount; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "maps/floor-%02d.png", n);
        EXPECT_TRUE(out.Has(name)) << name;
    }
    const Screenshot sheet = LoadScreenshot(out.File("maps/contact-sheet.png"));
    ASSERT_GT(sheet.width, 10 * 640 / 4);
    ASSERT_GT(sheet.height, 70 * 16 / 4 + 30 * 16 / 4 * 5);
    int digitPixels = 0, viewPixels = 0;
    for (uint32_t p : sheet.pixels) {
        const AtlasTexel t = DecodeAtlasTexel(p);
        digitPixels += t.valid() && t.x >= 1033 && t.x < 1216 && t.y >= 621 && t.y < 643;
        viewPixels += p == floors::kStartViewColour;
    }
    EXPECT_GT(digitPixels, 57 * 40) << "every floor's number";
    EXPECT_GT(viewPixels, 57 * 2 * (160 + 120) - 57 * 8) << "every start view framed";
}

TEST_F(FloorRender, WithoutAUsableDataDatNothingIsDrawn) {
    WriteFile(data.File("data.dat"), DataDatWithAtlas({'n', 'o', 'p', 'e'}));  // no picture for an atlas
    const ToolRun run = Render({"3"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(data.File("data.dat") + ": its atlas"), std::string::npos) << run.err;
    EXPECT_FALSE(out.Has("maps"));
}

}  // namespace
}  // namespace q::test
