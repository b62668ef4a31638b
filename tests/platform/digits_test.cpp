#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"

namespace q {
namespace {

// The glyphs differ in width (the small 4 is a pixel wider than the 0): the
// pen moves on by each glyph's own width and one pixel.
constexpr Rect kSmall0 = atlas::kSmallDigits[0];
constexpr Rect kSmall7 = atlas::kSmallDigits[7];

struct Shown {
    int x;
    Rect glyph;
};

std::vector<Shown> Draw(void (*draw)(int, int, int, int, int), int value, int digits, int divisor) {
    StartDrawRecording();
    draw(100, 50, value, digits, divisor);
    StopDrawRecording();
    int n = 0;
    const DrawCall* d = RecordedDraws(&n);
    std::vector<Shown> out;
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(d[i].dest.top, 50);
        EXPECT_EQ(d[i].dest.Width(), d[i].src.Width());
        EXPECT_EQ(d[i].dest.Height(), d[i].src.Height());
        EXPECT_EQ(d[i].colour, 0xFFFFFFFFu);
        out.push_back({d[i].dest.left, d[i].src});
    }
    ClearRecordedDraws();
    return out;
}

bool operator==(const Shown& a, const Shown& b) { return a.x == b.x && a.glyph == b.glyph; }
void PrintTo(const Shown& s, std::ostream* os) {
    *os << "{x " << s.x << ", glyph " << s.glyph.left << "," << s.glyph.top << "}";
}

TEST(DigitsTest, SevenInTwoPositionsShowsOnlyTheSevenInTheSecond) {
    EXPECT_EQ(Draw(DrawNumber, 7, 2, 10), (std::vector<Shown>{{109, kSmall7}}));
}

TEST(DigitsTest, ZeroShowsASingleZeroInTheLastPosition) {
    EXPECT_EQ(Draw(DrawNumber, 0, 2, 10), (std::vector<Shown>{{109, kSmall0}}));
    EXPECT_EQ(Draw(DrawNumber, 0, 4, 1000), (std::vector<Shown>{{127, kSmall0}}));
}

TEST(DigitsTest, ATooLargeValueShowsZeroGlyphsForItsOverfullPosition) {
    // 150 in two positions: the first holds 15, drawn as 0; the second 0.
    EXPECT_EQ(Draw(DrawNumber, 150, 2, 10), (std::vector<Shown>{{100, kSmall0}, {109, kSmall0}}));
}

TEST(DigitsTest, NegativeDigitsAreDrawnAsZeroGlyphs) {
    EXPECT_EQ(Draw(DrawNumber, -7, 2, 10), (std::vector<Shown>{{109, kSmall0}}));
    EXPECT_EQ(Draw(DrawNumber, -7, 4, 1000), (std::vector<Shown>{{127, kSmall0}}));
    EXPECT_EQ(Draw(DrawNumber, -57, 2, 10), (std::vector<Shown>{{100, kSmall0}, {109, kSmall0}}));
}

TEST(DigitsTest, InnerZerosShowOnceASignificantDigitWasSeen) {
    const Rect one = atlas::kSmallDigits[1];
    const Rect four = atlas::kSmallDigits[4];
    // 1040 in four positions: glyphs 1 0 4 0, the pen moving by each glyph's width + 1.
    EXPECT_EQ(Draw(DrawNumber, 1040, 4, 1000),
              (std::vector<Shown>{{100, one}, {109, kSmall0}, {118, four}, {128, kSmall0}}));
}

TEST(DigitsTest, TenPositionsShowEveryDigitOfALargeNumber) {
    const auto shown = Draw(DrawNumber, 1234567890, 10, 1000000000);
    ASSERT_EQ(shown.size(), 10u);
    const int order[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0};
    int pen = 100;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(shown[i].glyph, Rect(atlas::kSmallDigits[order[i]])) << "position " << i;
        EXPECT_EQ(shown[i].x, pen) << "position " << i;
        pen += shown[i].glyph.Width() + 1;
    }
    // INT_MIN and INT_MAX in ten positions draw without trouble.
    EXPECT_EQ(Draw(DrawNumber, INT_MAX, 10, 1000000000).size(), 10u);
    EXPECT_EQ(Draw(DrawNumber, INT_MIN, 10, 1000000000).size(), 10u);
}

TEST(DigitsTest, AZeroDivisorNeverDividesAndLeavesZerosBehind) {
    EXPECT_EQ(Draw(DrawNumber, 42, 2, 0), (std::vector<Shown>{{109, kSmall0}}));
    // The divisor runs out after two positions: the 5 is shown, then zeros.
    const Rect five = atlas::kSmallDigits[5];
    EXPECT_EQ(Draw(DrawNumber, 5, 4, 10), (std::vector<Shown>{{109, five}, {118, kSmall0}, {127, kSmall0}}));
    EXPECT_EQ(Draw(DrawNumber, INT_MIN, 2, -1).size(), 2u);
}

TEST(DigitsTest, LargeDigitsAreProportionallySpaced) {
    const Rect bigOne = atlas::kBigDigits[1];
    const Rect bigFour = atlas::kBigDigits[4];
    const Rect bigZero = atlas::kBigDigits[0];
    EXPECT_EQ(Draw(DrawBigNumber, 14, 2, 10), (std::vector<Shown>{{100, bigOne}, {112, bigFour}}));
    EXPECT_EQ(Draw(DrawBigNumber, 40, 2, 10), (std::vector<Shown>{{100, bigFour}, {120, bigZero}}));
}

TEST(DigitsTest, MoreThanTenPositionsAreCutToTen) {
    EXPECT_EQ(Draw(DrawNumber, 0, 25, 1000000000).size(), 1u);
    EXPECT_EQ(Draw(DrawNumber, 0, 25, 1000000000)[0].x, 100 + 9 * 9);
    EXPECT_EQ(Draw(DrawNumber, 5, 0, 1).size(), 0u);
}

}  // namespace
}  // namespace q
