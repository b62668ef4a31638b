// The 32 terrain tiles and the back wall behind them. The tower is dusky
// stone: a dark violet back wall, warm grey blocks, wooden ladders and
// platforms, and the exit as an arch full of golden light under a green sign.
// Each section of the tower dresses the wall with tiles of its own: damp
// cellar stone, torches and banners in the keep, bookcases in the library,
// tall dusk windows in the gallery, openings onto the night on the battlements.
#include <algorithm>
#include <string>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "assets/noise.hpp"

namespace q::assets {
namespace {

constexpr Colour kWood = Rgb(172, 112, 58);
constexpr Colour kWoodLight = Rgb(214, 150, 82);
constexpr Colour kWoodDark = Rgb(110, 66, 34);
constexpr Colour kStone = Rgb(150, 138, 128);
constexpr Colour kStoneLight = Rgb(196, 184, 168);
constexpr Colour kStoneDark = Rgb(92, 82, 84);
constexpr Colour kGlowIn = Rgb(255, 246, 190);
constexpr Colour kGlowOut = Rgb(250, 180, 60);
constexpr Colour kWall = Rgb(58, 50, 82);
constexpr Colour kMortar = Rgb(36, 30, 54);

Rect TileRect(int t) { return RegionRect(std::string("tile.") + (t < 10 ? "0" : "") + std::to_string(t)); }

// Paints tile t with coordinates relative to its top-left corner.
struct Tile {
    Canvas& c;
    int x0, y0;
    Tile(Canvas& canvas, int t) : c(canvas) {
        Rect r = TileRect(t);
        x0 = r.left;
        y0 = r.top;
        c.SetClip(r);
    }
    void P(int x, int y, Colour k) { c.Put(x0 + x, y0 + y, k); }
    void B(int x, int y, Colour k) { c.Blend(x0 + x, y0 + y, k); }
    void R(int x, int y, int w, int h, Colour k) { c.FillRect(Rect{x0 + x, y0 + y, x0 + x + w, y0 + y + h}, k); }
    void L(int xa, int ya, int xb, int yb, Colour k) { c.Line(x0 + xa, y0 + ya, x0 + xb, y0 + yb, k); }
};

// The arch of a doorway spanning `width` pixels, drawn from its top rows;
// `offset` is the arch column where this tile starts.
void ArchTop(Tile& t, int width, int offset) {
    int rx2 = width - 4;  // radius in half pixels of the opening
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int ax = offset + x;
            // Distance from the arch centre at (width/2, 16) in half pixels.
            long long dx = 2LL * ax + 1 - width, dy = 2LL * y + 1 - 32;
            long long d2 = dx * dx + dy * dy;
            long long inner = (long long)rx2 * rx2, outer = (long long)(rx2 + 8) * (rx2 + 8);
            if (dy > 0) continue;
            if (d2 <= inner) {
                int glow = int(d2 * 256 / std::max(1LL, inner));
                t.P(x, y, MixColours(kGlowIn, kGlowOut, glow));
            } else if (d2 <= outer) {
                bool joint = (ax * 7 + y * 3) % 11 == 0;
                t.P(x, y, joint ? kStoneDark : (d2 < (inner + outer) / 2 ? kStoneLight : kStone));
            }
        }
}

// A lit green EXIT sign over the doorway, so the way out reads as one at a
// glance, whatever dressing is around it; `offset` as for ArchTop.
void ExitSign(Tile& t, int width, int offset) {
    static const char* kLetters[5] = {
        "###.#.#.#.###",
        "#...#.#.#..#.",
        "##...#..#..#.",
        "#...#.#.#..#.",
        "###.#.#.#..#.",
    };
    const Colour plate = Rgb(18, 70, 40), rim = Rgb(70, 170, 100), lit = Rgb(170, 255, 180);
    const int left = width / 2 - 7;  // the plate is 15 x 7, centred
    for (int y = 0; y < 7; ++y)
        for (int ax = left; ax < left + 15; ++ax) {
            const int x = ax - offset;
            if (x < 0 || x >= 16) continue;
            const bool border = y == 0 || y == 6 || ax == left || ax == left + 14;
            const bool corner = (y == 0 || y == 6) && (ax == left || ax == left + 14);
            if (corner) continue;
            const bool letter = !border && ax - left - 1 < 13 && kLetters[y - 1][ax - left - 1] == '#';
            t.P(x, y, border ? rim : letter ? lit : plate);
        }
}

void DoorLower(Tile& t, int width, int offset) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            int ax = offset + x;
            bool jamb = ax < 4 || ax >= width - 4;
            if (y >= 14) {
                t.P(x, y, y == 14 ? kStoneLight : kStone);  // threshold
            } else if (jamb) {
                bool joint = (y % 6 == 5) || ((ax == 0 || ax == width - 1));
                t.P(x, y, joint ? kStoneDark : ((ax == 3 || ax == width - 4) ? kStoneDark : kStone));
            } else {
                int depth = std::min(ax - 4, width - 5 - ax);
                t.P(x, y, MixColours(kGlowOut, kGlowIn, std::min(256, depth * 64 + y * 6)));
            }
        }
}

void LadderRails(Tile& t, int top, int bottom, bool rope) {
    Colour rail = rope ? Rgb(196, 170, 120) : kWood, railDark = rope ? Rgb(130, 104, 70) : kWoodDark;
    for (int y = top; y < bottom; ++y) {
        t.P(2, y, railDark);
        t.P(3, y, rail);
        t.P(12, y, railDark);
        t.P(13, y, rail);
        if (rope && (y % 4) == 1) t.P(3, y, railDark), t.P(13, y, railDark);
    }
}

void LadderRungs(Tile& t, int top, int bottom, bool rope) {
    for (int y = top; y < bottom; ++y) {
        if (y % 8 != 3) continue;
        Colour rung = rope ? Rgb(150, 98, 52) : kWoodLight;
        t.R(4, y, 8, 1, rung);
        t.R(4, y + 1, 8, 1, rope ? Rgb(96, 62, 34) : kWoodDark);
    }
}

void Plank(Tile& t, int y, int h) {
    t.R(0, y, 16, h, kWood);
    t.R(0, y, 16, 1, kWoodLight);
    t.R(0, y + h - 1, 16, 1, kWoodDark);
    t.P(2, y + 1, kWoodDark);  // nails
    t.P(13, y + 1, kWoodDark);
    t.P(7, y + h - 2, Shade(kWood, 210));
}

// The cellar's damp stonework: two courses of rough grey-green stones with
// moss in the joints. It repeats seamlessly every way, so a footing or a
// patch of any size reads as one piece of older wall.
void CellarStone(Tile& t) {
    const Colour joint = Rgb(34, 40, 38), moss = Rgb(74, 118, 62), mossLit = Rgb(118, 160, 84);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int course = y / 8, row = y % 8;
            const int bx = (x + (course ? 8 : 0)) % 16;
            Colour k = Shade(Rgb(100, 110, 100), 230 + int(Hash2(x / 3, y / 3, 8) % 40));
            if (row == 0) k = Shade(k, 130);  // lit top edge of a stone
            if (row == 7 || bx == 15) k = joint;
            else if (bx == 0) k = Shade(k, 120);
            else if (row == 6) k = Shade(k, 80);
            t.P(x, y, k);
        }
    // Moss creeping along the joints, and a drip stain under it.
    for (int x : {2, 3, 4, 11, 12}) t.P(x, 7, moss), t.P(x, 6, x % 2 ? mossLit : moss);
    for (int x : {6, 7}) t.P(x, 15, moss), t.P(x, 14, mossLit);
    t.P(3, 8, Rgb(60, 72, 66)), t.P(3, 9, Rgb(60, 72, 66)), t.P(3, 10, Rgb(70, 82, 74));
}

// The library's bookcase: a bay of books on a shelf between two uprights.
// It stacks seamlessly both ways, so two or three bays stood side by side and
// three shelves high read as one bookcase.
void Bookcase(Tile& t) {
    const Colour frame = Rgb(104, 62, 30), frameLit = Rgb(150, 96, 50), frameDark = Rgb(62, 34, 18);
    t.R(0, 0, 16, 16, Rgb(40, 24, 16));  // the dark back of the case
    static const Colour spines[] = {Rgb(150, 40, 40), Rgb(44, 90, 150), Rgb(60, 120, 70), Rgb(196, 150, 60),
                                    Rgb(120, 60, 130), Rgb(170, 90, 50), Rgb(210, 200, 170)};
    // Books of different widths and heights, one leaning at the end.
    const int widths[] = {2, 2, 1, 2, 2, 1, 2};
    int x = 2;
    for (int i = 0; i < 7 && x < 14; ++i) {
        const int w = std::min(widths[i], 14 - x), top = 2 + int(Hash2(i, 9, 4) % 3);
        t.R(x, top, w, 12 - top, spines[i]);
        t.R(x, top, w, 1, Shade(spines[i], 150));                   // the lit top of the book
        t.R(x, top + 3, w, 1, Shade(spines[i], 60));                // a band on the spine
        if (w == 2) t.R(x + 1, top + 1, 1, 11 - top, Shade(spines[i], 80));
        x += w;
    }
    t.R(0, 12, 16, 1, frameLit);  // the shelf board
    t.R(0, 13, 16, 2, frame);
    t.R(0, 15, 16, 1, frameDark);
    t.R(0, 0, 2, 16, frame);      // the uprights
    t.R(0, 0, 1, 16, frameLit);
    t.R(14, 0, 2, 16, frame);
    t.R(15, 0, 1, 16, frameDark);
}

// The gallery's tall window: a pointed arch of dusk sky, violet at the top
// and glowing orange at the sill, with a dark line of hills in the distance.
void GalleryWindow(Tile& t, bool upper) {
    const Colour skyTop = Rgb(54, 38, 110), skyMid = Rgb(150, 70, 130), skyLow = Rgb(250, 150, 80);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int ay = upper ? y : y + 16;   // row within the whole window
            const int half = upper ? std::min(7, y / 2 + 2) : 7;
            const int d = x < 8 ? 8 - x : x - 7;  // columns out from the middle
            if (ay > 29) continue;
            if (d <= half - 1 && ay > 1 && ay < 28) {
                const Colour sky = ay < 14 ? MixColours(skyTop, skyMid, ay * 256 / 14)
                                           : MixColours(skyMid, skyLow, (ay - 14) * 256 / 14);
                t.P(x, y, sky);
            } else if (d <= half + 1 && ay > 0) {
                t.P(x, y, d == half + 1 ? kStoneDark : (x < 8 ? kStoneLight : kStone));
            }
        }
    if (upper) {
        t.P(5, 8, Rgb(255, 250, 220));  // the evening star
        t.R(7, 9, 2, 7, kStoneDark);    // mullion
    } else {
        t.R(7, 0, 2, 9, kStoneDark);
        for (int x = 2; x < 14; ++x) t.R(x, 9 + int(Hash2(x / 2, 1, 6) % 2), 1, 3, Rgb(52, 30, 60));  // hills
        t.R(1, 12, 14, 1, kStoneLight);  // the sill
        t.R(1, 13, 14, 2, kStone);
        t.R(1, 15, 14, 1, kStoneDark);
    }
}

// The battlements: the wall opens onto the moonlit night. The night sky
// repeats seamlessly, so an opening of any size is one piece of sky with its
// stars, framed by the brick around it.
void NightSky(Tile& t) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            Colour k = Rgb(16, 22, 58);
            if (Hash2(x, y, 15) % 9 == 0) k = Rgb(22, 30, 72);  // the night is not flat
            t.P(x, y, k);
        }
    // Single-pixel stars of different brightness at uneven places: a bright
    // cross in every tile lined up into a grid across an opening of two or
    // more tiles and gave the tiling away.
    t.P(3, 4, Rgb(236, 236, 214));
    t.P(12, 2, Rgb(150, 160, 214));
    t.P(9, 9, Rgb(196, 206, 246));
    t.P(1, 13, Rgb(126, 136, 196));
    t.P(13, 12, Rgb(170, 180, 230));
}

void PaintTile(Canvas& c, int n) {
    Tile t(c, n);
    switch (n) {
        case 0:  // empty: a single speck too faint to make a pattern, so the
                 // back wall shows through and the cell is still a picture
            t.B(5, 9, Argb(12, 255, 255, 255));
            break;
        case 3: ArchTop(t, 16, 0), ExitSign(t, 16, 0); break;
        case 4: ArchTop(t, 32, 0), ExitSign(t, 32, 0); break;
        case 5: ArchTop(t, 32, 16), ExitSign(t, 32, 16); break;
        case 11: DoorLower(t, 16, 0); break;
        case 12: DoorLower(t, 32, 0); break;
        case 13: DoorLower(t, 32, 16); break;
        case 6:   // the gallery: a tall pointed window onto the dusk, its
        case 14:  // arch above and its lower half with the sill below
            GalleryWindow(t, n == 6);
            break;
        case 7:  // torch: a bracket, a stick and a flame
            t.R(6, 10, 4, 2, Rgb(80, 80, 96));
            t.R(7, 6, 2, 8, kWoodDark);
            c.FillEllipse(2 * (t.x0 + 8), 2 * (t.y0 + 4), 7, 9, Argb(120, 255, 160, 40));
            c.FillEllipse(2 * (t.x0 + 8), 2 * (t.y0 + 4), 4, 7, Rgb(255, 200, 60));
            c.FillEllipse(2 * (t.x0 + 8), 2 * (t.y0 + 5), 2, 4, Rgb(255, 250, 200));
            break;
        case 8: CellarStone(t); break;
        case 9: Bookcase(t); break;
        case 10:  // banner on a rod
            t.R(1, 0, 14, 1, kWoodDark);
            t.R(3, 1, 10, 12, Rgb(170, 40, 60));
            t.R(3, 1, 1, 12, Rgb(120, 24, 44));
            for (int x = 3; x < 13; ++x) t.P(x, 13 + (x % 2 ? 1 : 0), Rgb(170, 40, 60));
            t.R(7, 4, 2, 5, Rgb(250, 204, 40));
            t.R(6, 5, 4, 2, Rgb(250, 204, 40));
            break;
        case 15: NightSky(t); break;
        case 16:
        case 19:
        case 20:  // pillar, its capital and base
            for (int y = 0; y < 16; ++y) {
                t.R(4, y, 8, 1, kStone);
                t.P(4, y, kStoneLight);
                t.P(5, y, kStoneLight);
                t.P(11, y, kStoneDark);
                t.P(10, y, Shade(kStone, 220));
            }
            if (n == 19) t.R(1, 0, 14, 3, kStoneLight), t.R(1, 3, 14, 1, kStoneDark), t.R(2, 4, 12, 2, kStone);
            if (n == 20) t.R(2, 11, 12, 3, kStone), t.R(1, 14, 14, 2, kStoneLight), t.R(2, 11, 12, 1, kStoneLight);
            break;
        case 21:  // moss and grass tufts growing up from the floor below
            for (int x = 0; x < 16; ++x) {
                int h = 2 + int(Hash2(x, 21, 3) % 4) + ((x / 3) % 2 ? 2 : 0);
                for (int y = 16 - h; y < 16; ++y)
                    t.P(x, y, y == 16 - h ? Rgb(130, 200, 96) : (y < 14 ? Rgb(72, 146, 66) : Rgb(46, 104, 52)));
            }
            t.P(4, 9, Rgb(250, 230, 120));  // a small flower
            t.P(11, 10, Rgb(240, 140, 200));
            break;
        case 22:  // cobweb in a top-left corner
            for (int k = 0; k < 4; ++k) t.L(0, 0, k == 0 ? 15 : (k == 3 ? 0 : 15 - k * 5), k == 3 ? 15 : k * 5, Argb(150, 230, 230, 240));
            for (int r = 4; r <= 12; r += 4) {
                t.L(r, 0, r * 7 / 10, r * 7 / 10, Argb(120, 230, 230, 240));
                t.L(r * 7 / 10, r * 7 / 10, 0, r, Argb(120, 230, 230, 240));
            }
            break;
        case 23:  // a barrel standing against the back wall: round, dim and
                  // flat-shaded, so it never passes for a block to lift
            for (int y = 3; y < 16; ++y) {
                const int bulge = (y >= 6 && y <= 12) ? 1 : 0;
                for (int x = 3 - bulge; x < 13 + bulge; ++x) {
                    Colour k = Rgb(78, 58, 52);
                    if (x <= 4) k = Rgb(60, 44, 44);
                    if (x >= 11) k = Rgb(66, 50, 48);
                    if (y == 5 || y == 13) k = Rgb(52, 50, 62);  // iron hoops
                    t.P(x, y, k);
                }
            }
            t.R(4, 3, 8, 1, Rgb(96, 74, 62));  // the lid's rim
            break;
        case 24: LadderRails(t, 0, 16, false); LadderRungs(t, 0, 16, false); break;
        case 25:  // an iron ladder: the same rungs, grey rails with rivets;
                  // it stacks without a seam
            for (int y = 0; y < 16; ++y) {
                t.P(2, y, Rgb(70, 72, 88));
                t.P(3, y, Rgb(130, 134, 150));
                t.P(12, y, Rgb(70, 72, 88));
                t.P(13, y, Rgb(130, 134, 150));
            }
            for (int y = 3; y < 16; y += 8) {
                t.R(4, y, 8, 1, Rgb(160, 164, 180));
                t.R(4, y + 1, 8, 1, Rgb(80, 82, 98));
                t.P(3, y, Rgb(200, 204, 216));
                t.P(13, y, Rgb(200, 204, 216));
            }
            break;
        case 26:  // a wooden ladder with its rungs lashed on with rope; it
                  // stacks without a seam
            LadderRails(t, 0, 16, false);
            LadderRungs(t, 0, 16, false);
            for (int y = 3; y < 16; y += 8)
                for (int x : {2, 12}) {
                    t.R(x, y - 1, 2, 1, Rgb(210, 190, 140));
                    t.R(x, y + 1, 2, 1, Rgb(170, 150, 104));
                }
            break;
        case 27: LadderRails(t, 0, 16, true); LadderRungs(t, 0, 16, true); break;
        case 28:  // a ledge the ladder comes up through: the plank reads as
        case 29:  // the ledge beside it, and the ladder's rails rise through
                  // it to capped ends with a last rung on top, so the cell
                  // reads as where the ladder ends, not as a hole
            Plank(t, 0, 5);
            t.R(0, 5, 16, 1, Argb(110, 10, 6, 20));
            t.R(0, 6, 16, 1, Argb(50, 10, 6, 20));
            LadderRails(t, 0, 16, n == 29);
            LadderRungs(t, 5, 16, n == 29);
            t.R(4, 1, 8, 1, n == 29 ? Rgb(150, 98, 52) : kWoodLight);  // the last rung, on the plank
            t.R(4, 2, 8, 1, n == 29 ? Rgb(96, 62, 34) : kWoodDark);
            for (int x : {2, 12}) t.R(x, 0, 2, 1, n == 29 ? Rgb(230, 210, 160) : kWoodLight);  // the caps
            break;
        case 30:  // platform: a ledge plank with a shadow under it and a peg
            Plank(t, 0, 5);
            t.R(0, 5, 16, 1, Argb(110, 10, 6, 20));
            t.R(0, 6, 16, 1, Argb(50, 10, 6, 20));
            t.R(7, 5, 2, 3, kWoodDark);
            break;
        case 31: {  // solid dressed stone with a bevel
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    int h = Hash2(x + 31 * 16, y, 7) % 24;
                    Colour k = Shade(kStone, 244 + h);
                    if (x == 0 || y == 0) k = kStoneLight;
                    if (x == 15 || y == 15) k = kStoneDark;
                    if ((x == 1 && y > 0) || (y == 1 && x > 0)) k = MixColours(kStone, kStoneLight, 128);
                    t.P(x, y, k);
                }
            t.P(5, 6, kStoneDark);
            t.P(6, 6, kStoneDark);
            t.P(10, 10, kStoneDark);
            break;
        }
        default: break;
    }
}

}  // namespace

void PaintTiles(Canvas& c) {
    for (int n = 0; n < 32; ++n) {
        if (n == 1 || n == 2 || n == 17 || n == 18) continue;
        PaintTile(c, n);
    }
    c.ClearClip();
}

// The back wall: brick courses 16 rows high, staggered every other course,
// so everything repeats every 32 rows as the view scrolls.
void PaintBackground(Canvas& c) {
    Rect r = RegionRect("background");
    c.SetClip(r);
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            int py = y % 32;
            int course = py / 16, row = py % 16;
            int bx = (x + course * 16) % 32;
            int brick = (x + course * 16) / 32;
            Colour k;
            if (row == 15 || bx == 31) {
                k = kMortar;
            } else {
                int tone = Hash2(brick, course, 3) % 20;
                k = Shade(kWall, 236 + tone);
                if (row == 0 || bx == 0) k = Shade(k, 300);
                if (row == 14 || bx == 30) k = Shade(k, 200);
                if (Hash2(x, py, 11) % 23 == 0) k = Shade(k, 220);
            }
            // Pilasters break the wall every 160 pixels; the sides fall into shade.
            int px = x % 160;
            if (px >= 150) {
                int s = px - 150;
                k = s == 0 ? Rgb(30, 26, 44) : (s < 3 ? Rgb(96, 88, 120) : (s == 9 ? Rgb(30, 26, 44) : Rgb(74, 66, 98)));
                if (row == 15) k = Shade(k, 200);
            }
            int edge = std::min(x, r.Width() - 1 - x);
            if (edge < 48) k = Shade(k, 176 + edge * 80 / 48);
            c.Put(r.left + x, r.top + y, k);
        }
    c.ClearClip();
}

}  // namespace q::assets
