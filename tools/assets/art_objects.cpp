// L-blocks, the exit lock, the pickup, the three props, the bubbles and the
// shutter strip.
#include <string>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "assets/noise.hpp"

namespace q::assets {
namespace {

constexpr Colour kInk = Rgb(24, 16, 32);

struct Look {
    Colour face, light, dark, detail;
    bool heavy;
};

// Whether (x, y) of a 32 x 32 L-block of this dir is part of the block.
bool InBlock(int dir, int x, int y) {
    if (x < 0 || y < 0 || x >= 32 || y >= 32) return false;
    if (y >= 16) return true;
    return dir == 0 ? x < 16 : x >= 16;
}

void PaintBlock(Canvas& c, const std::string& name, int dir, const Look& k) {
    Rect r = RegionRect(name);
    c.SetClip(r);
    c.FillRect(r, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (!InBlock(dir, x, y)) continue;
            bool edgeL = !InBlock(dir, x - 1, y), edgeT = !InBlock(dir, x, y - 1);
            bool edgeR = !InBlock(dir, x + 1, y), edgeB = !InBlock(dir, x, y + 1);
            Colour p;
            if (edgeL || edgeT || edgeR || edgeB) {
                p = kInk;
            } else if (!InBlock(dir, x - 2, y) || !InBlock(dir, x, y - 2)) {
                p = k.light;
            } else if (!InBlock(dir, x + 2, y) || !InBlock(dir, x, y + 2)) {
                p = k.dark;
            } else if (k.heavy) {
                // Stone: rough grain, iron bands across the middle of each row.
                int g = Hash2(x, y, 21) % 28;
                p = Shade(k.face, 232 + g);
                if (y == 21 || y == 22 || y == 5 || y == 6) p = (y == 21 || y == 5) ? k.detail : Shade(k.detail, 150);
            } else {
                // Wood: planks three pixels high with darker seams and grain.
                p = (y % 5 == 4) ? k.dark : k.face;
                if ((x * 3 + y * 7) % 17 == 0 && y % 5 != 4) p = Shade(k.face, 225);
            }
            c.Put(r.left + x, r.top + y, p);
        }
    // Corner fittings: nails on wood, rivets on the heavy block.
    Colour rivet = k.heavy ? Rgb(216, 220, 236) : Shade(k.dark, 150);
    int lx = dir == 0 ? 3 : 19, rx = dir == 0 ? 12 : 28;
    int pts[][2] = {{3, 19}, {28, 19}, {3, 28}, {28, 28}, {lx, 3}, {rx, 3}, {lx, 12}, {rx, 12}};
    for (auto& pt : pts) {
        c.Put(r.left + pt[0], r.top + pt[1], rivet);
        if (k.heavy) c.Put(r.left + pt[0] + 1, r.top + pt[1] + 1, Shade(k.dark, 160));
    }
    if (!k.heavy) {
        // A diagonal brace on the lower half, like a crate.
        for (int i = 0; i < 22; ++i) {
            int x = 5 + i, y = 26 - i * 8 / 22;
            c.Put(r.left + x, r.top + y, k.dark);
            c.Put(r.left + x, r.top + y - 1, k.light);
        }
    } else {
        // A weight mark so a heavy block reads as heavy at a glance.
        int mx = dir == 0 ? 6 : 22;
        c.FillRect(Rect{r.left + mx, r.top + 8, r.left + mx + 5, r.top + 13}, Rgb(40, 44, 58));
        c.FillRect(Rect{r.left + mx + 1, r.top + 7, r.left + mx + 4, r.top + 8}, Rgb(40, 44, 58));
    }
    c.ClearClip();
}

void PaintLock(Canvas& c) {
    Rect r = RegionRect("lock");
    c.SetClip(r);
    int x0 = r.left, y0 = r.top;
    // Iron bars across the doorway and a big padlock.
    c.FillRect(Rect{x0 + 1, y0 + 1, x0 + 31, y0 + 4}, Rgb(90, 94, 112));
    c.FillRect(Rect{x0 + 1, y0 + 1, x0 + 31, y0 + 2}, Rgb(150, 154, 176));
    c.FillRect(Rect{x0 + 1, y0 + 28, x0 + 31, y0 + 31}, Rgb(90, 94, 112));
    for (int b = 0; b < 5; ++b) {
        int bx = x0 + 3 + b * 6;
        c.FillRect(Rect{bx, y0 + 1, bx + 3, y0 + 31}, Rgb(96, 100, 120));
        c.FillRect(Rect{bx, y0 + 1, bx + 1, y0 + 31}, Rgb(160, 164, 186));
        c.FillRect(Rect{bx + 2, y0 + 1, bx + 3, y0 + 31}, Rgb(56, 58, 74));
    }
    // A cross-rail ties the bars into a cage.
    c.FillRect(Rect{x0 + 1, y0 + 14, x0 + 31, y0 + 17}, Rgb(90, 94, 112));
    c.FillRect(Rect{x0 + 1, y0 + 14, x0 + 31, y0 + 15}, Rgb(150, 154, 176));
    c.FillRect(Rect{x0 + 1, y0 + 16, x0 + 31, y0 + 17}, Rgb(56, 58, 74));
    // An iron plate across the top hides the EXIT sign behind the cage, whose
    // green would otherwise peep through between the bars like two eyes.
    c.FillRect(Rect{x0 + 1, y0 + 1, x0 + 31, y0 + 9}, Rgb(76, 80, 98));
    c.FillRect(Rect{x0 + 1, y0 + 1, x0 + 31, y0 + 2}, Rgb(150, 154, 176));
    c.FillRect(Rect{x0 + 1, y0 + 8, x0 + 31, y0 + 9}, Rgb(44, 46, 60));
    for (int x = 4; x < 30; x += 6) c.Put(x0 + x, y0 + 4, Rgb(190, 194, 214)), c.Put(x0 + x + 1, y0 + 5, Rgb(40, 42, 54));
    c.FrameRect(Rect{x0, y0, x0 + 32, y0 + 32}, kInk);
    // Padlock: shackle and body.
    c.FillEllipse(2 * (x0 + 16), 2 * (y0 + 13), 12, 12, kInk);
    c.FillEllipse(2 * (x0 + 16), 2 * (y0 + 13), 8, 8, Rgb(200, 200, 214));
    // The shackle is solid inside: a see-through hole would show the lit
    // door behind as two specks, like eyes.
    c.FillEllipse(2 * (x0 + 16), 2 * (y0 + 13), 4, 4, Rgb(56, 58, 74));
    c.FillRect(Rect{x0 + 12, y0 + 13, x0 + 14, y0 + 17}, Rgb(200, 200, 214));
    c.FillRect(Rect{x0 + 18, y0 + 13, x0 + 20, y0 + 17}, Rgb(200, 200, 214));
    for (int y = 13; y < 18; ++y)
        for (int x = 14; x < 18; ++x) c.Put(x0 + x, y0 + y, Rgb(96, 100, 120));
    c.FillRect(Rect{x0 + 9, y0 + 16, x0 + 23, y0 + 27}, kInk);
    c.FillRect(Rect{x0 + 10, y0 + 17, x0 + 22, y0 + 26}, Rgb(236, 180, 40));
    c.FillRect(Rect{x0 + 10, y0 + 17, x0 + 22, y0 + 18}, Rgb(255, 228, 120));
    c.FillRect(Rect{x0 + 10, y0 + 25, x0 + 22, y0 + 26}, Rgb(170, 112, 20));
    c.FillRect(Rect{x0 + 15, y0 + 19, x0 + 17, y0 + 23}, kInk);
    c.Put(x0 + 15, y0 + 23, kInk);
    c.ClearClip();
}

void PaintPickup(Canvas& c) {
    Rect r = RegionRect("pickup");
    c.SetClip(r);
    // A faceted golden gem.
    static const std::vector<std::string> rows = {
        "................", "................", "....kkkkkkkk....", "...kyyWyyyyhk...", "..kyWWyyyyyyhk..",
        ".kkkkkkkkkkkkkk.", ".kyyyyyyyyyyyok.", "..kyyyyyyyyook..", "...kyyyyyyook...", "....kyyyyook....",
        ".....kyyyok.....", "......kyok......", ".......kk.......", "................", "................",
        "................",
    };
    c.Art(r.left, r.top, rows,
          {{'k', kInk}, {'y', Rgb(250, 204, 40)}, {'W', Rgb(255, 255, 230)}, {'h', Rgb(255, 236, 140)},
           {'o', Rgb(206, 132, 20)}});
    c.ClearClip();
}

void PaintLantern(Canvas& c) {
    Rect r = RegionRect("prop.32x64");  // 33 x 65
    c.SetClip(r);
    int x0 = r.left, y0 = r.top, cx = x0 + 16;
    Colour iron = Rgb(56, 58, 76), ironL = Rgb(110, 112, 140);
    c.FillRect(Rect{cx - 2, y0 + 20, cx + 3, y0 + 61}, iron);
    c.FillRect(Rect{cx - 2, y0 + 20, cx - 1, y0 + 61}, ironL);
    c.FillRect(Rect{cx - 8, y0 + 59, cx + 9, y0 + 65}, iron);
    c.FillRect(Rect{cx - 8, y0 + 59, cx + 9, y0 + 60}, ironL);
    c.FillRect(Rect{cx - 7, y0 + 3, cx + 8, y0 + 6}, iron);
    c.FillRect(Rect{cx - 6, y0 + 6, cx + 7, y0 + 18}, Rgb(255, 214, 110));
    c.FillRect(Rect{cx - 3, y0 + 8, cx + 4, y0 + 16}, Rgb(255, 250, 210));
    c.FillRect(Rect{cx - 6, y0 + 6, cx - 5, y0 + 18}, iron);
    c.FillRect(Rect{cx + 6, y0 + 6, cx + 7, y0 + 18}, iron);
    c.FillRect(Rect{cx, y0 + 6, cx + 1, y0 + 18}, iron);
    c.FillRect(Rect{cx - 7, y0 + 18, cx + 8, y0 + 21}, iron);
    c.FillRect(Rect{cx - 2, y0 + 0, cx + 3, y0 + 3}, iron);
    c.Outline(r, kInk);
    // The light: a soft halo fading to nothing, laid only where the lantern
    // is not, so the lantern itself stays crisp.
    const int gx2 = 2 * cx + 1, gy2 = 2 * (y0 + 12), radius2 = 34;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            if (AlphaOf(c.Get(x, y)) != 0) continue;
            const int dx = 2 * x + 1 - gx2, dy = 2 * y + 1 - gy2;
            const int d2 = dx * dx + dy * dy;
            if (d2 >= radius2 * radius2) continue;
            const int fall = 256 - d2 * 256 / (radius2 * radius2);  // 256 at the flame, 0 at the rim
            c.Put(x, y, Argb(fall * fall * 150 / (256 * 256), 255, 206, 110));
        }
    c.ClearClip();
}

void PaintTree(Canvas& c) {
    Rect r = RegionRect("prop.48x80");
    c.SetClip(r);
    int x0 = r.left, y0 = r.top, cx = x0 + 24;
    // Pot.
    c.FillRect(Rect{cx - 11, y0 + 62, cx + 12, y0 + 66}, Rgb(196, 96, 60));
    c.FillRect(Rect{cx - 9, y0 + 66, cx + 10, y0 + 78}, Rgb(176, 84, 52));
    c.FillRect(Rect{cx - 9, y0 + 66, cx - 7, y0 + 78}, Rgb(214, 120, 80));
    c.FillRect(Rect{cx + 7, y0 + 66, cx + 10, y0 + 78}, Rgb(130, 60, 40));
    // Trunk.
    c.FillRect(Rect{cx - 2, y0 + 34, cx + 3, y0 + 62}, Rgb(110, 72, 40));
    c.Line(cx, y0 + 44, cx - 8, y0 + 34, Rgb(110, 72, 40));
    c.Line(cx + 1, y0 + 40, cx + 9, y0 + 30, Rgb(110, 72, 40));
    // Leaves: overlapping round clumps, lit from the top left.
    struct Blob { int x, y, rx, ry; };
    const Blob blobs[] = {{24, 22, 20, 16}, {13, 30, 11, 9}, {35, 29, 11, 9}, {16, 14, 10, 9}, {32, 13, 10, 9}, {24, 8, 9, 7}};
    for (const Blob& b : blobs) c.FillEllipse(2 * (x0 + b.x), 2 * (y0 + b.y), 2 * b.rx, 2 * b.ry, Rgb(48, 120, 60));
    for (const Blob& b : blobs)
        c.FillEllipse(2 * (x0 + b.x) - 3, 2 * (y0 + b.y) - 3, 2 * b.rx - 6, 2 * b.ry - 6, Rgb(74, 160, 76));
    for (int i = 0; i < 18; ++i) {
        int x = 6 + int(Hash2(i, 1, 5) % 36), y = 4 + int(Hash2(i, 2, 5) % 30);
        if (AlphaOf(c.Get(x0 + x, y0 + y)) == 255) c.Put(x0 + x, y0 + y, Rgb(140, 210, 110));
    }
    c.Outline(r, kInk);
    c.ClearClip();
}

void PaintStainedGlass(Canvas& c) {
    Rect r = RegionRect("prop.96x176");
    c.SetClip(r);
    int x0 = r.left, y0 = r.top;
    const Colour glass[] = {Rgb(200, 50, 70), Rgb(60, 110, 210), Rgb(250, 200, 50), Rgb(60, 170, 100), Rgb(150, 80, 200)};
    // Pointed arch: rows narrow towards the top.
    for (int y = 0; y < 176; ++y)
        for (int x = 0; x < 96; ++x) {
            int dx = x < 48 ? 47 - x : x - 48;
            int limit = y >= 48 ? 47 : int(47 * (y + 1) / 48.0 + 0.5);
            if (y < 48) limit = (int)(47 - (48 - y) * (48 - y) * 47 / (48 * 48));
            if (dx > limit) continue;
            Colour k;
            if (dx > limit - 5 || y > 168) {
                k = (dx > limit - 2 || y > 173) ? Rgb(110, 100, 96) : Rgb(160, 150, 140);  // stone frame
            } else {
                int cellx = (x - 6) / 14, celly = y / 16;
                bool lead = ((x - 6) % 14 == 0) || (y % 16 == 0) || dx == 0;
                int g = Hash2(cellx, celly, 9) % 5;
                k = lead ? Rgb(34, 30, 40) : glass[g];
                if (!lead && ((x + y) % 7 == 0)) k = Shade(k, 300);
            }
            c.Put(x0 + x, y0 + y, k);
        }
    // A sun in the middle of the window.
    c.FillEllipse(2 * (x0 + 48), 2 * (y0 + 70), 40, 40, Rgb(34, 30, 40));
    c.FillEllipse(2 * (x0 + 48), 2 * (y0 + 70), 36, 36, Rgb(255, 220, 80));
    c.FillEllipse(2 * (x0 + 48), 2 * (y0 + 70), 20, 20, Rgb(255, 250, 200));
    c.ClearClip();
}

void PaintBubble(Canvas& c, const std::string& name, int which) {
    Rect r = RegionRect(name);
    c.SetClip(r);
    int x0 = r.left, y0 = r.top;
    Colour fill = Rgb(250, 250, 255);
    // Speech bubble with a tail pointing down at the player's head.
    c.FillEllipse(2 * x0 + 32, 2 * y0 + 26, 31, 25, kInk);
    c.FillEllipse(2 * x0 + 32, 2 * y0 + 26, 27, 21, fill);
    // The tail narrows from the bubble's bottom edge down to a point.
    for (int i = 0; i < 6; ++i) {
        int left = x0 + 13 + i / 2, right = x0 + 18 - i / 2 - i / 3;
        c.FillRect(Rect{left, y0 + 24 + i, right, y0 + 25 + i}, fill);
        c.Put(left - 1, y0 + 24 + i, kInk);
        c.Put(right, y0 + 24 + i, kInk);
    }
    c.FillRect(Rect{x0 + 15, y0 + 30, x0 + 17, y0 + 31}, kInk);
    if (which == 0) {  // cleared: a golden star
        static const std::vector<std::string> star = {
            "......k......", ".....kyk.....", ".....kyk.....", "kkkkkyyykkkkk", ".kyyyyWyyyyk.", "..kyyyyyyyk..",
            "...kyyyyyk...", "..kyyykyyyk..", "..kyyk.kyyk..", ".kyk.....kyk.", ".kk.......kk.",
        };
        c.Art(x0 + 10, y0 + 7, star, {{'k', kInk}, {'y', Rgb(250, 204, 40)}, {'W', Rgb(255, 255, 200)}});
    } else if (which == 1) {  // failed: a dizzy spiral
        static const std::vector<std::string> spiral = {
            "..rrrrrr..", ".r......r.", "r..rrrr..r", "r.r....r.r", "r.r.rr.r.r", "r.r..r.r.r",
            "r..rr..r.r", ".r.....r.r", "..rrrrr..r", ".........r",
        };
        c.Art(x0 + 11, y0 + 8, spiral, {{'r', Rgb(210, 40, 60)}});
    } else {  // sleeping: Z z
        static const std::vector<std::string> zz = {
            "bbbbbb.....", "....b......", "...b.......", "..b....bbbb", ".b.......b.", "bbbbbb..b..",
            ".......bbbb",
        };
        c.Art(x0 + 10, y0 + 9, zz, {{'b', Rgb(60, 90, 200)}});
    }
    c.ClearClip();
}

void PaintShutter(Canvas& c) {
    Rect r = RegionRect("shutter");
    c.SetClip(r);
    // Ten of these bands close side by side into one steel gate: fine slats
    // under a dark lintel, a brass-studded rail across the middle and a kick
    // plate at the foot, so the closed shutter reads as a door, not a grid.
    // A band cut narrower shows its left part, whose edge is the lit one; its
    // brass boss is a square at that edge, so a cut band shows it whole or as
    // a narrower square, never as an arrow.
    const Colour brass = Rgb(214, 170, 80), brassLit = Rgb(255, 226, 140), brassDark = Rgb(128, 92, 40);
    const Colour iron = Rgb(40, 42, 56), ironLit = Rgb(92, 96, 120);
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            const int s = y % 12;
            Colour k = Rgb(84, 90, 112);
            if (s == 0) k = Rgb(150, 158, 184);
            else if (s < 2) k = Rgb(116, 124, 150);
            else if (s == 10) k = Rgb(56, 60, 78);
            else if (s == 11) k = Rgb(34, 36, 48);
            if (y < 20) k = y == 19 ? Rgb(20, 20, 30) : y % 4 == 0 ? ironLit : iron;      // lintel
            if (y >= 224 && y < 256) {                                                   // middle rail
                k = (y == 224 || y == 255) ? Rgb(20, 20, 30) : y == 225 ? ironLit : iron;
                if (x >= 4 && x < 20 && y >= 232 && y < 248) {  // the brass boss
                    const bool lit = x == 4 || y == 232, dark = x == 19 || y == 247;
                    k = lit ? brassLit : dark ? brassDark : brass;
                    if (x >= 10 && x < 14 && y >= 238 && y < 242) k = brassDark;
                }
            }
            if (y >= 452) k = y == 452 ? brassLit : y < 456 ? brass : y == 456 ? brassDark : (y % 6 == 0 ? ironLit : iron);
            if (x == 0) k = Shade(k, 330);
            if (x == r.Width() - 1) k = Shade(k, 70);  // where one band meets the next
            if (y >= 20 && y < 224 && s == 6 && (x % 16) == 6) k = Rgb(200, 206, 226);  // rivets
            c.Put(r.left + x, r.top + y, k);
        }
    c.ClearClip();
}

}  // namespace

void PaintObjects(Canvas& c) {
    // A liftable block is a crate painted teal, a colour nothing else in the
    // tower wears, so it never passes for the wood of a ledge or a ladder.
    const Look wood{Rgb(44, 156, 140), Rgb(112, 214, 192), Rgb(22, 94, 88), 0, false};
    const Look stone{Rgb(116, 122, 146), Rgb(170, 176, 200), Rgb(70, 74, 96), Rgb(60, 62, 78), true};
    PaintBlock(c, "block.light.0", 0, wood);
    PaintBlock(c, "block.light.1", 1, wood);
    PaintBlock(c, "block.heavy.0", 0, stone);
    PaintBlock(c, "block.heavy.1", 1, stone);
    PaintLock(c);
    PaintPickup(c);
    PaintLantern(c);
    PaintTree(c);
    PaintStainedGlass(c);
    PaintBubble(c, "bubble.cleared", 0);
    PaintBubble(c, "bubble.failed", 1);
    PaintBubble(c, "bubble.sleeping", 2);
    PaintShutter(c);
    c.ClearClip();
}

}  // namespace q::assets
