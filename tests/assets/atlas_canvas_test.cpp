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

// The ink box of everything painted on the canvas.
Rect InkBox(const Canvas& c) {
    Rect ink{c.Width(), c.Height(), 0, 0};
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (AlphaOf(c.Get(x, y)) > 0)
                ink = Rect{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
    return ink;
}

TEST(AtlasText, ALabelIsSetAsLargeAsItsPictureAllowsButNeverLeavesIt) {
    Canvas c(200, 40);
    Rect box{20, 10, 170, 35};
    const int scale = DrawText(c, box, {"START GAME"}, TextStyle{});
    EXPECT_EQ(Painted(c, Rect{0, 0, 200, 40}), Painted(c, box));
    // One size larger would not have fitted: it was fitted, not left tiny.
    Canvas big(600, 200);
    DrawTextAtScale(big, Rect{0, 0, 600, 200}, {"START GAME"}, TextStyle{}, scale + 1);
    const Rect ink = InkBox(big);
    EXPECT_TRUE(ink.Width() > box.Width() || ink.Height() > box.Height());
}

TEST(AtlasText, LettersKeepThePixelGridAtEveryScale) {
    // At scale 3 every font pixel is a 3 x 3 square of one colour, outline,
    // shadow and gradient included: no letter is resampled in between.
    for (int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        Canvas c(300, 80);
        DrawTextAtScale(c, Rect{0, 0, 300, 80}, {"QUORREL?", "MAP 56"}, TextStyle{}, scale);
        const Rect ink = InkBox(c);
        ASSERT_GT(ink.Width(), 0);
        for (int y = ink.top; y < ink.bottom; ++y)
            for (int x = ink.left; x < ink.right; ++x) {
                const int gx = ink.left + (x - ink.left) / scale * scale, gy = ink.top + (y - ink.top) / scale * scale;
                ASSERT_EQ(c.Get(x, y), c.Get(gx, gy)) << x << "," << y;
            }
    }
}

TEST(AtlasText, AlignedLinesKeepTheirMarginAtTheAlignedEnd) {
    TextStyle st;
    st.margin = 6;
    const Rect box{10, 0, 150, 30};
    st.align = Align::Left;
    Canvas left(160, 30);
    DrawText(left, box, {"SOUND"}, st);
    EXPECT_EQ(InkBox(left).left, box.left + 6);
    st.align = Align::Right;
    Canvas right(160, 30);
    DrawText(right, box, {"FLOOR"}, st);
    EXPECT_EQ(InkBox(right).right, box.right - 6);
}

TEST(AtlasText, NarrowLettersTakeLessRoomAndWordsStandApart) {
    EXPECT_EQ(PixelTextWidth("READY"), 29);
    EXPECT_LT(PixelTextWidth("I"), PixelTextWidth("M"));
    EXPECT_LT(PixelTextWidth("."), PixelTextWidth("O"));
    // Between words more room than between letters, at any scale.
    EXPECT_GT(PixelTextWidth("O O") - 2 * PixelTextWidth("O"), PixelTextWidth("OO") - 2 * PixelTextWidth("O"));
    EXPECT_EQ(PixelTextWidth("HELP", 3), 3 * PixelTextWidth("HELP"));
}

TEST(AtlasText, PixelLabelsAreCentredAndOutlined) {
    Canvas c(44, 10);
    DrawPixelLabel(c, Rect{0, 0, 44, 10}, {"READY"}, Rgb(255, 255, 255), Rgb(0, 0, 0));
    const Rect ink = InkBox(c);
    EXPECT_NEAR(ink.left, 44 - ink.right, 1);
    EXPECT_EQ(c.Get(ink.left, 4), Rgb(0, 0, 0));  // the outer ring is the outline colour
}

}  // namespace
