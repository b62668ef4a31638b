// A pose designed at the size the game draws it and fitted into a smaller
// rectangle must come back from the game's point-sampled stretch with its
// one-pixel details and its clear surroundings.
#include <gtest/gtest.h>

#include <cstdlib>

#include "assets/stretch_fit.hpp"

namespace q::assets {
namespace {

constexpr Colour kBody = Rgb(200, 120, 60);
constexpr Colour kEye = Rgb(10, 10, 20);

// The picture the game shows when it stretches `fitted` over w x h pixels.
Canvas Stretch(const Canvas& fitted, int w, int h) {
    Canvas shown(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            shown.Put(x, y,
                      fitted.Get(StretchSource(x, fitted.Width(), w), StretchSource(y, fitted.Height(), h)));
    return shown;
}

// A 16 x 32 figure: a body with a clear margin and one eye at (ex, ey).
Canvas Figure(int ex, int ey) {
    Canvas c(16, 32);
    c.FillRect(Rect{3, 2, 13, 30}, kBody);
    c.Put(ex, ey, kEye);
    return c;
}

bool ShowsNear(const Canvas& c, int x, int y, Colour colour) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (c.Get(x + dx, y + dy) == colour) return true;
    return false;
}

TEST(StretchFit, EveryOnePixelDetailSurvivesASqueezeAndComesBackWhereItWasDrawn) {
    // The narrowest and the widest pose rectangles the characters have.
    const int sizes[][2] = {{10, 25}, {13, 22}, {14, 27}, {18, 22}};
    for (const auto& size : sizes)
        for (int ex = 3; ex < 13; ++ex)
            for (int ey = 2; ey < 30; ey += 3) {
                const Canvas fitted = FitForStretch(Figure(ex, ey), size[0], size[1]);
                ASSERT_EQ(fitted.Width(), size[0]);
                ASSERT_EQ(fitted.Height(), size[1]);
                const Canvas shown = Stretch(fitted, 16, 32);
                EXPECT_TRUE(ShowsNear(shown, ex, ey, kEye))
                    << "eye at " << ex << "," << ey << " in " << size[0] << " x " << size[1];
            }
}

TEST(StretchFit, TheClearMarginStaysClearAndTheBodyKeepsItsSize) {
    const Canvas shown = Stretch(FitForStretch(Figure(8, 10), 13, 22), 16, 32);
    int body = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x) {
            if (AlphaOf(shown.Get(x, y)) != 0) ++body;
            // The outline goes in the clear pixels around the figure, so none
            // far outside may be taken.
            if (x < 2 || x > 13 || y < 1 || y > 30) {
                EXPECT_EQ(AlphaOf(shown.Get(x, y)), 0) << x << "," << y;
            }
        }
    EXPECT_NEAR(body, 10 * 28, 2 * 32) << "within about a column or a row of the design";
}

}  // namespace
}  // namespace q::assets
