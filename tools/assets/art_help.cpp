// The fifteen help pictures: each a little floor at the game's own scale,
// 8 x 8 tiles of 16 pixels, built from the game's own sprites, with yellow
// arrows for what moves.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "assets/text.hpp"

namespace q::assets {
namespace {

constexpr Colour kInk = Rgb(24, 16, 32);
constexpr Colour kArrow = Rgb(255, 220, 60);

class Page {
public:
    Page(Canvas& c, int n) : c_(c) {
        r_ = RegionRect(std::string("help.picture.") + (n < 10 ? "0" : "") + std::to_string(n));
        c_.SetClip(r_);
        // A corner of the tower's back wall behind every picture.
        Rect bg = RegionRect("background");
        c_.CopyScaled(c_, Rect{bg.left + 96 + n * 16, bg.top, bg.left + 224 + n * 16, bg.top + 128}, r_, false);
    }
    ~Page() {
        c_.FrameRect(r_, kInk);
        c_.FrameRect(Rect{r_.left + 1, r_.top + 1, r_.right - 1, r_.bottom - 1}, Rgb(250, 200, 90));
        c_.ClearClip();
    }
    Rect At(int x, int y, int w, int h) const { return Rect{r_.left + x, r_.top + y, r_.left + x + w, r_.top + y + h}; }

    // Tiles from rows of characters: '#' stone, '=' platform, 'H' ladder,
    // 'h' ladder with footing, 'D' / 'd' door upper / lower, '.' nothing.
    void Tiles(const std::vector<std::string>& rows) {
        for (size_t y = 0; y < rows.size(); ++y)
            for (size_t x = 0; x < rows[y].size(); ++x) {
                const char* t = nullptr;
                switch (rows[y][x]) {
                    case '#': t = "tile.31"; break;
                    case '=': t = "tile.30"; break;
                    case 'H': t = "tile.24"; break;
                    case 'T': t = "tile.25"; break;
                    case 'h': t = "tile.28"; break;
                    case 'D': t = "tile.03"; break;
                    case 'd': t = "tile.11"; break;
                    case 'w': t = "tile.06"; break;
                    case 'W': t = "tile.14"; break;
                    default: break;
                }
                if (t) Stamp(c_, t, At(int(x) * 16, int(y) * 16, 16, 16));
            }
    }
    // A character in its 16 x 32 box, as the game draws it.
    void Char(int set, int dir, int pose, int x, int y, int alpha = 255) {
        if (alpha == 255) {
            DrawCharacterInto(c_, set, dir, pose, At(x, y, 16, 32));
            return;
        }
        Ghost([&] { DrawCharacterInto(c_, set, dir, pose, At(x, y, 16, 32)); }, At(x, y, 16, 32), alpha);
    }
    void Sprite(const std::string& region, int x, int y, int w, int h, int alpha = 255) {
        if (alpha == 255) {
            Stamp(c_, region, At(x, y, w, h));
            return;
        }
        Ghost([&] { Stamp(c_, region, At(x, y, w, h)); }, At(x, y, w, h), alpha);
    }
    void Block(int look, int dir, int x, int y, int alpha = 255) {
        Sprite(std::string(look ? "block.heavy." : "block.light.") + char('0' + dir), x, y, 32, 32, alpha);
    }
    // An arrow from (x0, y0) to (x1, y1) with an outlined triangular head.
    void Arrow(int x0, int y0, int x1, int y1) {
        double dx = x1 - x0, dy = y1 - y0, len = std::sqrt(dx * dx + dy * dy);
        if (len < 1) return;
        double ux = dx / len, uy = dy / len;
        for (int pass = 0; pass < 2; ++pass) {
            Colour k = pass == 0 ? kInk : kArrow;
            double grow = pass == 0 ? 1.2 : 0.0;
            // Shaft: points within half a width of the segment, short of the head.
            double half = (pass == 0 ? 1.6 : 0.6), headL = 6.0, headW = 4.5;
            int minX = std::min(x0, x1) - 8, maxX = std::max(x0, x1) + 8;
            int minY = std::min(y0, y1) - 8, maxY = std::max(y0, y1) + 8;
            for (int y = minY; y <= maxY; ++y)
                for (int x = minX; x <= maxX; ++x) {
                    double px = x - x0, py = y - y0;
                    double along = px * ux + py * uy, across = std::abs(-px * uy + py * ux);
                    bool shaft = along >= -grow && along <= len - headL + 0.5 && across <= half;
                    double intoHead = along - (len - headL);
                    bool head = intoHead >= -grow && along <= len + grow &&
                                across <= (headW + grow) * (1.0 - (intoHead) / (headL + grow * 1.5)) + (pass == 0 ? 0.6 : 0);
                    if (shaft || head) c_.Put(r_.left + x, r_.top + y, k);
                }
        }
    }
    // Motion marks: short strokes beside something that shakes or moves.
    void Marks(int x, int y, int n, bool vertical) {
        for (int i = 0; i < n; ++i) {
            int px = vertical ? x + i * 4 : x, py = vertical ? y : y + i * 4;
            c_.FillRect(At(px, py, vertical ? 1 : 4, vertical ? 4 : 1), Rgb(255, 255, 255));
        }
    }
    void Text(int x, int y, const std::string& s, Colour k = Rgb(255, 255, 255)) {
        Canvas ink(PixelTextWidth(s) + 2, 9);
        DrawPixelText(ink, 1, 1, s, k);
        ink.Outline(Rect{0, 0, ink.Width(), ink.Height()}, kInk);
        c_.CopyScaled(ink, Rect{0, 0, ink.Width(), ink.Height()}, At(x, y, ink.Width(), ink.Height()), true);
    }
    Canvas& C() { return c_; }
    const Rect& R() const { return r_; }

private:
    template <class F>
    void Ghost(F draw, const Rect& area, int alpha) {
        // Draw, then fade just what was drawn toward what lay beneath.
        std::vector<Colour> before;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) before.push_back(c_.Get(x, y));
        draw();
        size_t i = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x, ++i) c_.Put(x, y, MixColours(before[i], c_.Get(x, y), alpha));
    }
    Canvas& c_;
    Rect r_;
};

const std::vector<std::string> kFlat = {"........", "........", "........", "........",
                                        "........", "........", "........", "########"};

void Walking(Canvas& c) {
    Page p(c, 0);
    p.Tiles(kFlat);
    p.Char(0, 0, 0, 20, 80, 70);
    p.Char(0, 0, 1, 38, 80, 140);
    p.Char(0, 0, 2, 58, 80);
    p.Char(0, 1, 1, 96, 80);
    p.Arrow(40, 70, 72, 70);
    p.Arrow(112, 62, 96, 62);
    // The same on a pad.
    p.Text(8, 8, "D-PAD / STICK", Rgb(200, 230, 255));
}

void Hopping(Canvas& c) {
    Page p(c, 1);
    p.Tiles({"........", "........", "........", "........", "........", "........", "....####", "########"});
    p.Char(0, 0, 0, 24, 80, 110);
    p.Char(0, 0, 1, 46, 58);
    p.Char(0, 0, 0, 80, 64, 255);
    p.Arrow(34, 72, 46, 56);
    p.Arrow(64, 52, 78, 58);
}

void Ladders(Canvas& c) {
    Page p(c, 2);
    p.Tiles({"........", "........", "===T====", "...H....", "...H....", "...H....", "...H....", "########"});
    p.Char(0, 3, 1, 48, 52);
    p.Char(0, 2, 0, 96, 80);
    p.Arrow(76, 86, 76, 50);
    p.Arrow(88, 50, 88, 86);
}

void Lifting(Canvas& c) {
    Page p(c, 3);
    p.Tiles(kFlat);
    p.Char(0, 0, 0, 32, 80);
    p.Block(0, 1, 48, 80);
    p.Block(0, 1, 24, 48, 110);
    p.Arrow(72, 74, 62, 52);
    p.Text(8, 8, "SPACE");
    p.Text(8, 18, "PAD: A", Rgb(200, 230, 255));
}

void Carrying(Canvas& c) {
    Page p(c, 4);
    p.Tiles(kFlat);
    p.Char(0, 0, 1, 24, 80, 90);
    p.Block(0, 0, 16, 48, 90);
    p.Char(0, 0, 2, 60, 80);
    p.Block(0, 0, 52, 48);
    p.Arrow(92, 70, 116, 70);
}

void PuttingDown(Canvas& c) {
    Page p(c, 5);
    p.Tiles(kFlat);
    p.Char(0, 0, 0, 24, 80);
    p.Block(0, 0, 16, 48, 100);
    p.Block(0, 0, 48, 80);
    p.Arrow(44, 44, 70, 44);
    p.Arrow(76, 48, 76, 74);
    p.Text(70, 8, "SPACE");
    p.Text(70, 18, "PAD: A", Rgb(200, 230, 255));
}

void Stairs(Canvas& c) {
    Page p(c, 6);
    p.Tiles({"........", "........", "......##", "......##", "......##", "........", "........", "########"});
    p.Block(0, 1, 40, 80);
    p.Block(0, 1, 72, 80);
    p.Block(0, 1, 72, 48);
    p.Char(0, 0, 0, 18, 80, 110);
    p.Char(0, 0, 0, 56, 64);
    p.Char(0, 0, 2, 88, 32);
    p.Arrow(30, 74, 52, 62);
    p.Arrow(74, 56, 86, 40);
}

void StaircaseHold(Canvas& c) {
    Page p(c, 7);
    p.Tiles(kFlat);
    // Blocks of the same shape, each resting by its corner on the top of the
    // one diagonally below on its notch side: a staircase in the air.
    p.Block(0, 1, 8, 80);
    p.Block(0, 1, 40, 48);
    p.Block(0, 1, 72, 16);
    p.Char(1, 0, 0, 24, 48);
    for (int k : {0, 1}) {
        int x = 40 + 32 * k, y = 80 - 32 * k;
        p.C().FillRect(p.At(x - 2, y - 1, 4, 2), Rgb(255, 220, 60));
    }
    p.Text(10, 8, "HOLDS!", Rgb(170, 255, 170));
}

void Heavy(Canvas& c) {
    Page p(c, 8);
    p.Tiles(kFlat);
    p.Char(0, 0, 1, 40, 80);
    p.Block(1, 0, 32, 48);
    p.Arrow(66, 90, 78, 90);
    p.Text(66, 62, "SLOW", Rgb(255, 190, 170));
    p.Text(6, 8, "LIGHT", Rgb(235, 190, 120));
    p.Text(80, 8, "HEAVY", Rgb(180, 190, 230));
    p.Block(0, 0, 8, 18);
    p.Block(1, 0, 86, 18);
}

void Falling(Canvas& c) {
    Page p(c, 9);
    p.Tiles({"........", "........", "........", "##......", "........", "........", "........", "########"});
    p.Block(0, 0, 32, 20);
    p.Marks(28, 22, 3, false);
    p.Marks(66, 22, 3, false);
    p.Block(0, 0, 32, 80, 90);
    p.Arrow(48, 58, 48, 78);
    p.Char(2, 1, 0, 90, 80);
    p.Text(72, 8, "WOBBLE", Rgb(255, 220, 180));
}

void PickupsAndLock(Canvas& c) {
    Page p(c, 10);
    p.Tiles({"........", "........", "....==..", "........", "........", ".==.....", "........", "########"});
    p.Sprite("pickup", 24, 64, 16, 16);
    p.Sprite("pickup", 72, 16, 16, 16);
    p.Tiles({"........", "........", "........", "........", "........", "........", "......D.", "........"});
    p.Sprite("lock", 88, 80, 32, 32);
    p.Char(0, 0, 0, 48, 80);
    p.Arrow(40, 62, 84, 84);
}

void Builder(Canvas& c) {
    Page p(c, 11);
    p.Tiles({"........", "........", "........", "####....", "........", "........", "........", "########"});
    p.Char(2, 0, 1, 36, 16);
    p.Block(0, 0, 64, 40, 140);
    p.Arrow(80, 76, 80, 96);
    p.Block(0, 0, 64, 80, 70);
    p.Char(0, 1, 0, 104, 80);
}

void Chasers(Canvas& c) {
    Page p(c, 12);
    p.Tiles(kFlat);
    p.Char(1, 0, 1, 12, 80);
    p.Char(1, 0, 2, 40, 80);
    p.Char(0, 0, 1, 90, 80);
    p.Arrow(60, 70, 82, 70);
    p.Marks(84, 84, 3, false);
}

void MapView(Canvas& c) {
    Page p(c, 13);
    // The whole floor seen small beside a viewport frame.
    Canvas& k = p.C();
    const std::vector<std::string> floor = {
        "#..D...#", "#..d...#", "#=====T#", "#.....H#", "#.....H#", "#T=====#", "#H.....#", "#H.....#",
        "#======#", "#.....##", "#....###", "########",
    };
    for (size_t y = 0; y < floor.size(); ++y)
        for (size_t x = 0; x < floor[y].size(); ++x) {
            const char* t = nullptr;
            switch (floor[y][x]) {
                case '#': t = "tile.31"; break;
                case '=': t = "tile.30"; break;
                case 'H': t = "tile.24"; break;
                case 'T': t = "tile.25"; break;
                case 'D': t = "tile.03"; break;
                case 'd': t = "tile.11"; break;
                default: break;
            }
            if (t) Stamp(k, t, p.At(8 + int(x) * 8, 8 + int(y) * 8, 8, 8));
        }
    Rect view = p.At(6, 54, 68, 52);
    k.FrameRect(view, kArrow);
    k.FrameRect(Rect{view.left + 1, view.top + 1, view.right - 1, view.bottom - 1}, kInk);
    p.Arrow(96, 70, 96, 40);
    p.Arrow(110, 40, 110, 70);
    p.Text(82, 92, "CTRL");
    p.Text(82, 102, "LB/RB", Rgb(200, 230, 255));
}

void Pause(Canvas& c) {
    Page p(c, 14);
    p.Tiles({"........", "........", "........", "........", "........", "...##...", "........", "########"});
    p.Char(0, 0, 0, 40, 80);
    p.Block(0, 0, 72, 80);
    p.C().BlendRect(p.R(), Argb(120, 10, 8, 24));
    p.C().FillRect(p.At(48, 34, 10, 34), kInk);
    p.C().FillRect(p.At(70, 34, 10, 34), kInk);
    p.C().FillRect(p.At(50, 36, 6, 30), Rgb(255, 255, 255));
    p.C().FillRect(p.At(72, 36, 6, 30), Rgb(255, 255, 255));
    p.Text(50, 16, "ESC");
    p.Text(46, 4, "START", Rgb(200, 230, 255));
}

}  // namespace

void PaintHelp(Canvas& c) {
    Walking(c);
    Hopping(c);
    Ladders(c);
    Lifting(c);
    Carrying(c);
    PuttingDown(c);
    Stairs(c);
    StaircaseHold(c);
    Heavy(c);
    Falling(c);
    PickupsAndLock(c);
    Builder(c);
    Chasers(c);
    MapView(c);
    Pause(c);
    c.ClearClip();
}

}  // namespace q::assets
