// The words in the painted atlas: every letter they use exists in the font,
// pictures of one kind are set at one size, and words sit where they read
// with what the screen draws beside them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "assets/text.hpp"
#include "support/built_atlas.hpp"

namespace {

using q::Rect;
using q::assets::AlphaOf;
using q::assets::BlueOf;
using q::assets::GreenOf;
using q::assets::RedOf;
using q::assets::RegionRect;

q::assets::Colour At(int x, int y) { return q::test::BuiltAtlas().Get(x, y); }

// The letters' own fill is bright and opaque; plates, rims, rings and
// shadows are dark or see-through.
bool Letter(int x, int y) {
    const q::assets::Colour k = At(x, y);
    return AlphaOf(k) == 255 && RedOf(k) + GreenOf(k) + BlueOf(k) > 400;
}

// Rows of the region that hold letters.
int LetterRows(const std::string& region) {
    const Rect r = RegionRect(region);
    int rows = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        bool any = false;
        for (int x = r.left + 2; x < r.right - 2 && !any; ++x) any = Letter(x, y);
        rows += any;
    }
    return rows;
}

// The columns of the region that hold anything painted.
Rect Painted(const std::string& region) {
    const Rect r = RegionRect(region);
    Rect ink{r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (AlphaOf(At(x, y)) != 0)
                ink = Rect{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
    return ink;
}

TEST(AtlasLettering, TheFontHasEveryLetterTheLabelsUse) {
    for (const std::string& line : q::assets::LabelLines())
        for (char ch : line) EXPECT_TRUE(q::assets::PixelFontHas(ch)) << "'" << ch << "' in " << line;
}

TEST(AtlasLettering, PicturesOfOneKindShareOneLetterSize) {
    // One line of capitals, seven font pixels tall at a whole scale.
    const auto sameSize = [](std::initializer_list<const char*> regions, int scale) {
        for (const char* region : regions) EXPECT_EQ(LetterRows(region), 7 * scale) << region;
    };
    sameSize({"menu.start", "menu.floorselect", "menu.quit", "menu.options", "menu.demo", "menu.keyconfig",
              "menu.help", "menu.backtotitle", "menu.quitgame", "menu.resume", "menu.retry", "menu.quittotitle"},
             2);
    sameSize({"heading.quit", "heading.character", "options.heading", "keyconfig.heading"}, 3);
    sameSize({"options.sound", "options.music", "options.display", "options.colour", "options.vsync",
              "options.filter", "options.chasers", "choice.off", "choice.on", "choice.fullscreen", "choice.window",
              "choice.16bit", "choice.32bit", "choice.point", "choice.linear", "keyconfig.label",
              "floorselect.label"},
             2);
    sameSize({"options.help", "floorselect.help", "instructions.pages", "hud.floor", "title.corner"}, 1);
}

TEST(AtlasLettering, OptionRowsStartAMarginInFromTheScreensEdge) {
    // The rows are drawn at the screen's left edge.
    for (const char* row : {"options.sound", "options.music", "options.display", "options.colour", "options.vsync",
                            "options.filter", "options.chasers"})
        EXPECT_GE(Painted(row).left - RegionRect(row).left, 8) << row;
}

TEST(AtlasLettering, LabelsBesideAValueReachTheirRightEdge) {
    // A floor number or a key cap is drawn to the right of these: the
    // words end as near to it as the picture goes.
    for (const char* label : {"hud.floor", "floorselect.label", "keyconfig.label"})
        EXPECT_GE(Painted(label).right, RegionRect(label).right - 1) << label;
}

TEST(AtlasLettering, TheFrontFiguresNameStartsAtItsLeftEnd) {
    // The name is drawn centred on the screen, right of the figure above.
    for (const char* name : {"name.0", "name.1", "name.2"}) EXPECT_LE(Painted(name).left - RegionRect(name).left, 3) << name;
}

}  // namespace
