// The painting tools the atlas is made with: clipping, blending, outlines,
// scaled copies and text that stays inside its picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "assets/canvas.hpp"
#include "assets/text.hpp"

namespace {

using q::Rect;
using namespace q::assets;

int Painted(const Canvas& c, const Rect& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += AlphaOf(c.Get(x, y)) > 0;
    return n;
}

TEST(AtlasCanvas, PaintingStaysInsideTheClipSoRegionsNeverSpillIntoNeighbours) {
    Canvas c(40, 20);
    c.SetClip(Rect{10, 5, 20, 15});
    c.FillRect(Rect{0, 0, 40, 20}, Rgb(255, 0, 0));
    c.Line(0, 0, 39, 19, Rgb(0, 255, 0));
    c.FillEllipse(30, 20, 40, 40, Rgb(0, 0, 255));
    EXPECT_EQ(Painted(c, Rect{0, 0, 40, 20}), 100);
    EXPECT_EQ(Painted(c, Rect{10, 5, 20, 15}), 100);
}

TEST(AtlasCanvas, BlendingHalfWhiteOverBlackGivesGreyAndOverClearKeepsTheColour) {
    Canvas c(2, 1);
    c.Put(0, 0, Rgb(0, 0, 0));
    c.Blend(0, 0, Argb(128, 255, 255, 255));
    EXPECT_EQ(AlphaOf(c.Get(0, 0)), 255);
    EXPECT_NEAR(RedOf(c.Get(0, 0)), 128, 1);
    c.Blend(1, 0, Argb(128, 200, 100, 50));
    EXPECT_EQ(c.Get(1, 0), Argb(128, 200, 100, 50));
}

TEST(AtlasCanvas, OutlineRingsTheShapeWithoutCoveringIt) {
    Canvas c(5, 5);
    c.Put(2, 2, Rgb(255, 255, 255));
    c.Outline(Rect{0, 0, 5, 5}, Rgb(1, 2, 3));
    EXPECT_EQ(c.Get(2, 2), Rgb(255, 255, 255));
    for (auto [x, y] : {std::pair{1, 2}, {3, 2}, {2, 1}, {2, 3}}) EXPECT_EQ(c.Get(x, y), Rgb(1, 2, 3));
    EXPECT_EQ(AlphaOf(c.Get(1, 1)), 0);  // diagonal neighbours stay clear
    EXPECT_EQ(Painted(c, Rect{0, 0, 5, 5}), 5);
}

TEST(AtlasCanvas, ScaledCopyRepeatsEachPixelAndMirroredArtReadsBackwards) {
    Canvas c(8, 4);
    c.Art(0, 0, {"ab"}, {{'a', Rgb(255, 0, 0)}, {'b', Rgb(0, 0, 255)}});
    c.CopyScaled(c, Rect{0, 0, 2, 1}, Rect{0, 1, 4, 3}, false);
    EXPECT_EQ(c.Get(1, 2), Rgb(255, 0, 0));
    EXPECT_EQ(c.Get(2, 1), Rgb(0, 0, 255));
    c.Art(4, 0, {"ab"}, {{'a', Rgb(255, 0, 0)}, {'b', Rgb(0, 0, 255)}}, true);
    EXPECT_EQ(c.Get(4, 0), Rgb(0, 0, 255));
    EXPECT_EQ(c.Get(5, 0), Rgb(255, 0, 0));
}

TEST(AtlasText, ALabelFillsItsPictureButNeverLeavesIt) {
    Canvas c(200, 40);
    Rect box{20, 10, 170, 35};
    c.SetClip(Rect{0, 0, 200, 40});
    DrawText(c, box, {"START GAME"}, TextStyle{});
    EXPECT_EQ(Painted(c, Rect{0, 0, 200, 40}), Painted(c, box));
    // Letters reach across most of the picture: it was fitted, not left tiny.
    int left = 200, right = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            if (AlphaOf(c.Get(x, y)) > 0) left = std::min(left, x), right = std::max(right, x);
    EXPECT_GT(right - left, box.Width() * 2 / 3);
}

TEST(AtlasText, PixelLabelsAreCentredAndOutlined) {
    Canvas c(44, 10);
    DrawPixelLabel(c, Rect{0, 0, 44, 10}, {"READY"}, Rgb(255, 255, 255), Rgb(0, 0, 0));
    int left = 44, right = -1;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 44; ++x)
            if (AlphaOf(c.Get(x, y)) > 0) left = std::min(left, x), right = std::max(right, x);
    EXPECT_EQ(PixelTextWidth("READY"), 29);
    EXPECT_NEAR(left, 43 - right, 1);
    EXPECT_EQ(c.Get(left, 4), Rgb(0, 0, 0));  // the outer ring is the outline colour
}

}  // namespace
