// The title picture (also the dimmed backdrop of most screens) and the logo.
#include <cmath>
#include <string>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "assets/noise.hpp"
#include "assets/text.hpp"

namespace q::assets {

const std::vector<TitleFigure>& TitleFigures() {
    static const std::vector<TitleFigure> figures = {
        {0, 2, 0, 536, 364},  // Bram, facing the viewer on the grass
        {1, 2, 0, 600, 364},  // Rowan in the doorway
        {2, 3, 0, 564, 222},  // Mirabel climbing
    };
    return figures;
}

namespace {


int Wave(int x, int period, int amp, int phase) {
    // Integer-valued smooth hills from a sine; the same on every build of a machine.
    return int(std::lround(std::sin((x + phase) * 6.28318 / period) * amp));
}

void PaintSky(Canvas& c, const Rect& r) {
    for (int y = 0; y < r.Height(); ++y) {
        Colour k;
        if (y < 220) k = MixColours(Rgb(16, 14, 46), Rgb(84, 48, 120), y * 256 / 220);
        else k = MixColours(Rgb(84, 48, 120), Rgb(250, 150, 96), std::min(256, (y - 220) * 256 / 140));
        c.FillRect(Rect{r.left, r.top + y, r.right, r.top + y + 1}, k);
    }
    for (int i = 0; i < 140; ++i) {
        int x = int(Hash2(i, 0, 77) % 640), y = int(Hash2(i, 1, 77) % 230);
        int b = 120 + int(Hash2(i, 2, 77) % 136);
        c.Blend(r.left + x, r.top + y, Argb(b * (230 - y) / 230 + 20, 255, 255, 230));
        if (i % 17 == 0) {
            c.Blend(r.left + x - 1, r.top + y, Argb(90, 255, 255, 230));
            c.Blend(r.left + x + 1, r.top + y, Argb(90, 255, 255, 230));
            c.Blend(r.left + x, r.top + y - 1, Argb(90, 255, 255, 230));
            c.Blend(r.left + x, r.top + y + 1, Argb(90, 255, 255, 230));
        }
    }
    // The moon, with a crescent shadow.
    c.FillEllipse(2 * (r.left + 78), 2 * (r.top + 200), 60, 60, Argb(50, 255, 240, 200));
    c.FillEllipse(2 * (r.left + 78), 2 * (r.top + 200), 44, 44, Rgb(255, 244, 210));
    c.FillEllipse(2 * (r.left + 86), 2 * (r.top + 195), 36, 36, MixColours(Rgb(84, 48, 120), Rgb(250, 150, 96), 60));
}

void PaintHills(Canvas& c, const Rect& r) {
    for (int x = 0; x < 640; ++x) {
        int far = 330 + Wave(x, 260, 18, 40) + Wave(x, 90, 6, 0);
        int near = 372 + Wave(x, 330, 14, 150) + Wave(x, 70, 4, 20);
        for (int y = far; y < 480; ++y) c.Put(r.left + x, r.top + y, MixColours(Rgb(120, 70, 120), Rgb(70, 40, 90), (y - far) * 3));
        for (int y = near; y < 480; ++y) c.Put(r.left + x, r.top + y, MixColours(Rgb(58, 40, 82), Rgb(34, 24, 54), std::min(256, (y - near) * 4)));
    }
    // Ground the climbers stand on.
    for (int x = 0; x < 640; ++x) {
        int top = 428 + Wave(x, 200, 2, 0);
        for (int y = top; y < 480; ++y) {
            Colour k = y < top + 3 ? Rgb(96, 150, 80) : MixColours(Rgb(70, 96, 60), Rgb(40, 50, 44), (y - top) * 6);
            if (Hash2(x, y, 5) % 19 == 0) k = Shade(k, 210);
            c.Put(r.left + x, r.top + y, k);
        }
    }
}

// The tower and the climbers keep to the right edge: the middle of the
// picture lies behind the selection screen's portrait and the option rows,
// where it is seen dimmed through the see-through parts.
void PaintTower(Canvas& c, const Rect& r) {
    // The tower, built of the game's own stone tiles at twice their size.
    const int tx0 = 560, tw = 3, top = 150;  // in screen pixels, 32-pixel cells
    auto at = [&](int x, int y, int w, int h) { return Rect{r.left + x, r.top + y, r.left + x + w, r.top + y + h}; };
    for (int row = 0; top + row * 32 < 440; ++row)
        for (int col = 0; col < tw; ++col) {
            int x = tx0 + col * 32, y = top + row * 32;
            Stamp(c, "tile.31", at(x, y, 32, 32));
            // Stone darkens in the dusk towards the top.
            c.BlendRect(at(x, y, 32, 32), Argb(std::max(0, 110 - row * 10), 40, 20, 70));
        }
    for (int col = 0; col < tw; col += 2) Stamp(c, "tile.31", at(tx0 + col * 32, top - 32, 32, 32));
    Stamp(c, "tile.06", at(600, 176, 32, 32));
    Stamp(c, "tile.14", at(600, 208, 32, 32));
    Stamp(c, "tile.07", at(608, 262, 32, 32));
    Stamp(c, "tile.03", at(600, 312, 32, 32));
    Stamp(c, "tile.11", at(600, 344, 32, 32));
    for (int y = 376; y < 440; ++y)
        for (int x = 600; x < 632; ++x) {
            bool jamb = x < 604 || x >= 628;
            c.Put(r.left + x, r.top + y, jamb ? Rgb(120, 110, 104) : MixColours(Rgb(250, 180, 60), Rgb(255, 246, 190), 160));
        }
    for (int y = 180; y < 440; y += 32) Stamp(c, "tile.24", at(564, y, 32, 32));
    // Light from the door spills over the ground.
    for (int y = 428; y < 480; ++y)
        for (int x = 540; x < 640; ++x) {
            int d = std::abs(x - 616) + (y - 428) * 2;
            if (d < 70) c.Blend(r.left + x, r.top + y, Argb((70 - d) * 2, 255, 200, 90));
        }
}

// The climbers at the foot of the tower, every pixel of theirs a square of
// two: Bram on the grass, Rowan in the lit doorway and Mirabel on her way up
// the ladder. They keep right of the option rows and below the key cap that
// the screens over the title draw at the right.
void PaintClimbers(Canvas& c, const Rect& r) {
    for (const TitleFigure& f : TitleFigures())
        DrawFigureAt(c, f.set, f.dir, f.pose, r.left + f.x, r.top + f.y, kTitleFigureScale);
    // A young potted tree on the hills: the prop's tree taken at half its
    // size, every pixel of it a square of two like the tower's, and short
    // enough to stay under the rows the screens over the title draw.
    const Rect tree = RegionRect("prop.48x80");
    Canvas sapling(tree.Width() / 2, tree.Height() / 2);
    for (int y = 0; y < sapling.Height(); ++y)
        for (int x = 0; x < sapling.Width(); ++x) sapling.Put(x, y, c.Get(tree.left + 2 * x + 1, tree.top + 2 * y + 1));
    c.CopyScaled(sapling, Rect{0, 0, sapling.Width(), sapling.Height()},
                 Rect{r.left + 150, r.top + 348, r.left + 150 + tree.Width(), r.top + 348 + tree.Height()}, true);
}

void PaintTitle(Canvas& c) {
    Rect r = RegionRect("title");
    c.SetClip(r);
    PaintSky(c, r);
    PaintHills(c, r);
    PaintTower(c, r);
    PaintClimbers(c, r);
    c.ClearClip();
}

// The logo is built the way the tower is: each pixel of the small pixel
// font's letters becomes a bevelled block of warm stone, set in dark mortar,
// with the exit's gold on the top course of every letter.
void PaintLogo(Canvas& c) {
    Rect r = RegionRect("logo");
    c.SetClip(r);
    const std::string word = "QUORREL";
    constexpr int kBlock = 11;  // pixels a letter pixel
    Canvas mask(PixelTextWidth(word) + 2, 9);
    DrawPixelText(mask, 1, 1, word, Rgb(255, 255, 255));
    const int w = mask.Width() * kBlock, h = mask.Height() * kBlock;
    const int x0 = r.left + (r.Width() - w) / 2, y0 = r.top + (r.Height() - h) / 2;
    auto solid = [&](int mx, int my) { return AlphaOf(mask.Get(mx, my)) != 0; };
    const Colour mortar = Rgb(34, 20, 44);
    for (int my = 0; my < mask.Height(); ++my)
        for (int mx = 0; mx < mask.Width(); ++mx) {
            const Rect cell{x0 + mx * kBlock, y0 + my * kBlock, x0 + (mx + 1) * kBlock, y0 + (my + 1) * kBlock};
            if (!solid(mx, my)) {
                // Mortar around the letters, and their shadow down-right.
                bool near = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) near = near || solid(mx + dx, my + dy);
                if (near) {
                    const int grow = 3;
                    for (int y = cell.top; y < cell.bottom; ++y)
                        for (int x = cell.left; x < cell.right; ++x) {
                            bool touch = false;
                            for (int dy = -1; dy <= 1 && !touch; ++dy)
                                for (int dx = -1; dx <= 1 && !touch; ++dx) {
                                    if (!solid(mx + dx, my + dy)) continue;
                                    const int nx = x0 + (mx + dx) * kBlock, ny = y0 + (my + dy) * kBlock;
                                    touch = x >= nx - grow && x < nx + kBlock + grow && y >= ny - grow &&
                                            y < ny + kBlock + grow;
                                }
                            if (touch) c.Put(x, y, mortar);
                        }
                }
                continue;
            }
            // The top course of each letter catches the light of the exit.
            const bool top = !solid(mx, my - 1);
            const Colour face = top ? Rgb(250, 200, 90) : MixColours(Rgb(222, 196, 160), Rgb(170, 140, 120), my * 256 / 8);
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x) {
                    const int u = x - cell.left, v = y - cell.top;
                    Colour k = face;
                    if (u == kBlock - 1 || v == kBlock - 1) k = mortar;                  // the joint
                    else if (u == 0 || v == 0) k = Shade(face, 300);                    // lit edge
                    else if (u == kBlock - 2 || v == kBlock - 2) k = Shade(face, 170);  // shaded edge
                    else if (int(Hash2(x, y, 11) % 9) == 0) k = Shade(face, 225);        // grain
                    c.Put(x, y, k);
                }
        }
    c.ClearClip();
}

// The line under the ending's congratulations between two stars, the stars
// of a cleared floor: it is one picture for whichever climber got there, so
// it shows none of them.
void PaintEndingLine(Canvas& c) {
    Rect r = RegionRect("ending.bottom");
    c.SetClip(r);
    Stamp(c, "bubble.cleared", Rect{r.left + 4, r.top + 9, r.left + 36, r.top + 41});
    Stamp(c, "bubble.cleared", Rect{r.right - 36, r.top + 9, r.right - 4, r.top + 41});
    Stamp(c, "pickup", Rect{r.left + 30, r.top + 2, r.left + 42, r.top + 14});
    Stamp(c, "pickup", Rect{r.right - 42, r.top + 2, r.right - 30, r.top + 14});
    TextStyle s;
    s.top = Rgb(255, 255, 255);
    s.bottom = Rgb(210, 220, 250);
    s.maxScale = 2;
    DrawText(c, Rect{r.left + 40, r.top, r.right - 40, r.bottom}, {"YOU CLIMBED ALL 56 FLOORS", "TO THE TOP OF THE TOWER"}, s);
    c.ClearClip();
}

}  // namespace

void PaintScreens(Canvas& c) {
    PaintTitle(c);
    PaintLogo(c);
    PaintEndingLine(c);
    c.ClearClip();
}

}  // namespace q::assets
