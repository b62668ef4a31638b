// The three playable characters, drawn as little paper dolls: head, body,
// arms and legs placed by proportion. The game stretches every pose into the
// player's 16 x 32 box, whatever the size of its rectangle, so each pose is
// designed at 16 x 32, fitted into its rectangle so that the stretch gives the
// design back, and outlined there.
#include <algorithm>
#include <string>
#include <vector>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "assets/stretch_fit.hpp"

namespace q::assets {
namespace {

constexpr Colour kInk = Rgb(24, 16, 32);  // outline and eyes
// The size the game draws a pose at in play.
constexpr int kDrawnWidth = 16;
constexpr int kDrawnHeight = 32;

enum class Headwear { HardHat, Hood, Ponytail };
enum class View { Side, Front, Back };

struct Look {
    const char* name;
    Headwear headwear;
    Colour skin, hair, hat, top, trim, legs, shoes;
    int headH, torsoH;          // rows of the 14 x 30 content box; the legs take the rest
    int headW, torsoW;          // side view widths
    int headWF, torsoWF;        // front / back view widths
    bool dress;                 // the torso flares into a skirt
};

const Look kLooks[3] = {
    // Bram: short and stocky; yellow hard hat, orange shirt, blue overalls.
    {"Bram", Headwear::HardHat, Rgb(238, 184, 138), Rgb(120, 70, 30), Rgb(250, 204, 40), Rgb(226, 96, 44),
     Rgb(250, 204, 40), Rgb(56, 92, 176), Rgb(92, 56, 36), 10, 9, 10, 8, 11, 11, false},
    // Rowan: tall and lean; green hood, red scarf, brown trousers.
    {"Rowan", Headwear::Hood, Rgb(250, 214, 176), Rgb(90, 60, 30), Rgb(60, 168, 84), Rgb(46, 130, 70),
     Rgb(214, 52, 52), Rgb(122, 86, 52), Rgb(64, 44, 30), 9, 10, 8, 6, 10, 9, false},
    // Mirabel: slim; pink ponytail, a sky-blue dress with a white collar and
    // pale stockings, bright against the violet wall of the tower.
    {"Mirabel", Headwear::Ponytail, Rgb(196, 134, 96), Rgb(238, 92, 170), Rgb(238, 92, 170), Rgb(64, 156, 230),
     Rgb(246, 246, 255), Rgb(222, 218, 236), Rgb(214, 50, 70), 9, 10, 8, 6, 10, 8, true},
};

// Draws into a small canvas whose content box is inset by one pixel so the
// outline fits inside the rectangle.
class Doll {
public:
    Doll(Canvas& s, const Look& l) : s_(s), l_(l), cw_(s.Width() - 2), ch_(s.Height() - 2) {}

    void Px(int x, int y, Colour c) { s_.Put(x + 1, y + 1, c); }
    void Box(int x0, int y0, int x1, int y1, Colour c) {  // inclusive corners
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) Px(x, y, c);
    }
    void Limb(int x0, int y0, int x1, int y1, int thick, Colour c) {
        // A thick line: the same line repeated to the right.
        int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
        int steps = std::max(dx, dy);
        for (int i = 0; i <= steps; ++i) {
            int x = steps ? x0 + (x1 - x0) * i / steps : x0;
            int y = steps ? y0 + (y1 - y0) * i / steps : y0;
            for (int t = 0; t < thick; ++t) Px(x + t, y, c);
        }
    }

    // Side view facing right; phase 0 standing, 1 and 2 the two strides.
    void Side(int phase) {
        const int hipY = l_.headH + l_.torsoH;
        const int bx = (cw_ - 1) / 2;  // column of the body's middle
        const int tw = l_.torsoW, tx0 = bx - tw / 2, tx1 = tx0 + tw - 1;
        const Colour farShade = Shade(l_.legs, 170);
        // Legs first so the body overlaps the hips.
        const int sole = ch_ - 1;
        if (phase == 0) {
            Box(tx0 + 1, hipY, tx1 - 1, sole - 1, l_.legs);
            Box(tx0 + 1, sole, tx1 + 1, sole, l_.shoes);
            Px(bx, hipY + 1, Shade(l_.legs, 200));
        } else {
            int front = cw_ - 3, back = 0;
            // In the second stride the far leg is the one in front.
            Colour frontC = phase == 1 ? l_.legs : farShade, backC = phase == 1 ? farShade : l_.legs;
            auto leg = [&](int footX, Colour c, bool behind) {
                Limb(bx - 1, hipY, footX, sole - 1, 2, c);
                Box(footX, sole, footX + 2, sole, behind ? Shade(l_.shoes, 170) : l_.shoes);
            };
            if (phase == 1) {
                leg(back, backC, true);
                leg(front, frontC, false);
            } else {
                leg(front, frontC, true);
                leg(back, backC, false);
            }
        }
        // Torso.
        for (int y = l_.headH; y < hipY; ++y) {
            int flare = l_.dress ? std::max(0, (y - l_.headH - l_.torsoH / 2) ) : 0;
            Box(tx0 - flare / 2, y, tx1 + (flare + 1) / 2, y, l_.top);
            Px(tx0 - flare / 2, y, Shade(l_.top, 190));  // the back is in shade
        }
        TorsoDetailSide(tx0, tx1, hipY);
        // Arm: hangs when standing, swings against the front leg in a stride.
        const Colour sleeve = Shade(l_.top, 215);
        int sy = l_.headH + 1, hy = hipY;
        int hx = phase == 0 ? bx : (phase == 1 ? bx + 3 : bx - 3);
        Limb(bx - 1, sy, hx - 1, hy - 1, 2, sleeve);
        Box(hx - 1, hy, hx, hy, l_.skin);
        HeadSide(bx);
    }

    void TorsoDetailSide(int tx0, int tx1, int hipY) {
        switch (l_.headwear) {
            case Headwear::HardHat:  // overall bib and a strap
                Box(tx0 + 1, hipY - 2, tx1, hipY - 1, l_.legs);
                Box(tx0 + 2, l_.headH, tx0 + 2, hipY - 2, l_.legs);
                break;
            case Headwear::Hood:  // scarf with a tail at the back, and a belt
                Box(tx0, l_.headH, tx1 + 1, l_.headH + 1, l_.trim);
                Box(tx0 - 1, l_.headH + 1, tx0 - 1, l_.headH + 3, l_.trim);
                Box(tx0, hipY - 2, tx1, hipY - 2, Rgb(70, 46, 30));
                break;
            case Headwear::Ponytail:  // white collar
                Box(tx0, l_.headH, tx1, l_.headH, l_.trim);
                break;
        }
    }

    void HeadSide(int bx) {
        const int hw = l_.headW, hh = l_.headH;
        int hx0 = bx - hw / 2 + 1, hx1 = hx0 + hw - 1;
        if (hx1 > cw_ - 1) {
            hx0 -= hx1 - (cw_ - 1);
            hx1 = cw_ - 1;
        }
        Box(hx0, 0, hx1, hh - 1, l_.skin);
        Px(hx0, 0, 0);
        Px(hx1, 0, 0);
        Px(hx1, hh - 1, 0);
        const int eyeY = hh / 2;
        switch (l_.headwear) {
            case Headwear::HardHat:
                Box(hx0, 0, hx1, 2, l_.hat);
                Px(hx0, 0, 0);
                Px(hx1, 0, 0);
                Box(hx0, 3, hx1, 3, Shade(l_.hat, 200));  // brim
                Px(hx1 + 1, 3, Shade(l_.hat, 200));
                Box(hx0, 4, hx0 + 1, hh - 2, l_.hair);  // hair at the back
                Box(hx1 - 3, hh - 2, hx1 - 1, hh - 1, Shade(l_.hair, 130));  // beard
                break;
            case Headwear::Hood:
                Box(hx0, 0, hx1 - 1, 2, l_.hat);
                Box(hx0, 0, hx0 + 2, hh - 1, l_.hat);
                Px(hx1, 0, 0);
                Px(hx0 + 1, 1, Shade(l_.hat, 130));  // the fold of the hood
                Box(hx1 - 1, 2, hx1 - 1, 2, l_.hair);   // fringe
                break;
            case Headwear::Ponytail:
                Box(hx0, 0, hx1, 1, l_.hair);
                Box(hx0, 0, hx0 + 2, hh - 3, l_.hair);
                Px(hx1, 0, 0);
                Px(hx1, 2, l_.hair);
                // The ponytail sticks out behind.
                Box(std::max(0, hx0 - 2), 2, hx0 - 1, 4, l_.hair);
                Px(std::max(0, hx0 - 2), 5, l_.hair);
                Px(hx0 + 1, 1, Rgb(255, 240, 120));  // hair clip
                break;
        }
        Box(hx1 - 2, eyeY, hx1 - 2, eyeY + (hh >= 9 ? 1 : 0), kInk);
        Px(hx1 + 1, eyeY + 1, l_.skin);  // nose
        if (l_.headwear != Headwear::HardHat) Px(hx1 - 1, hh - 2, Shade(l_.skin, 180));  // mouth
    }

    // Front (viewer) and back (climbing) views; phase 1 raises the left
    // limbs, phase 2 is painted as phase 1 mirrored by the caller.
    void Frontal(bool back, int phase) {
        const int hipY = l_.headH + l_.torsoH, sole = ch_ - 1;
        const int tw = l_.torsoWF, tx0 = (cw_ - tw) / 2, tx1 = tx0 + tw - 1;
        const int mid = (tx0 + tx1) / 2;
        // Legs: two with a gap between; a lifted leg is shorter.
        int legW = std::max(2, (tw - 1) / 2 - 1);
        int lx0 = mid - legW + (tw % 2 ? 0 : 1), rx0 = mid + 1 + (tw % 2 ? 1 : 0);
        int liftL = phase == 1 ? 2 : 0;
        Box(lx0, hipY, lx0 + legW - 1, sole - 1 - liftL, l_.legs);
        Box(lx0 - 1 + (back ? 1 : 0), sole - liftL, lx0 + legW - 1 + (back ? 0 : 0), sole - liftL, l_.shoes);
        Box(rx0, hipY, rx0 + legW - 1, sole - 1, l_.legs);
        Box(rx0, sole, rx0 + legW - (back ? 1 : 0), sole, l_.shoes);
        // Torso.
        for (int y = l_.headH; y < hipY; ++y) {
            int flare = l_.dress ? std::max(0, (y - l_.headH - l_.torsoH / 2)) : 0;
            Box(tx0 - flare / 2, y, tx1 + flare / 2, y, l_.top);
        }
        TorsoDetailFront(back, tx0, tx1, hipY);
        // Arms.
        const Colour sleeve = Shade(l_.top, 215);
        int ax0 = tx0 - 2, ax1 = tx1 + 1;
        if (back) {
            // Climbing, seen from behind: a narrower head with both arms
            // raised beside it to the rungs, one hand higher in a stride.
            const int hw = std::max(6, l_.headWF - 2);
            HeadFrontal(true, hw);
            const int hx0 = (cw_ - hw) / 2, hx1 = hx0 + hw - 1;
            const int lx = std::max(0, hx0 - 2), rx = std::min(cw_ - 2, hx1 + 1);
            const int leftTop = phase == 1 ? 0 : 1, rightTop = phase == 1 ? 3 : 1;
            const Colour dark = Shade(l_.top, 165);
            Box(lx, leftTop + 2, lx + 1, l_.headH + 1, dark);
            Box(rx, rightTop + 2, rx + 1, l_.headH + 1, dark);
            Box(lx, l_.headH, tx0, l_.headH + 1, dark);
            Box(tx1, l_.headH, rx + 1, l_.headH + 1, dark);
            Box(lx, leftTop, lx + 1, leftTop + 1, l_.skin);
            Box(rx, rightTop, rx + 1, rightTop + 1, l_.skin);
        } else {
            int handL = hipY - (phase == 1 ? 0 : 0), handR = hipY - (phase == 1 ? 3 : 0);
            int lx = phase == 1 ? std::max(0, ax0 - 1) : ax0;
            Limb(ax0, l_.headH + 1, lx, handL - 1, 2, sleeve);
            Box(lx, handL, lx + 1, handL, l_.skin);
            int rx = phase == 1 ? std::min(cw_ - 2, ax1 + 1) : ax1;
            Limb(ax1, l_.headH + 1, rx, handR - 1, 2, sleeve);
            Box(rx, handR, rx + 1, handR, l_.skin);
            HeadFrontal(false);
        }
    }

    void TorsoDetailFront(bool back, int tx0, int tx1, int hipY) {
        int mid = (tx0 + tx1) / 2;
        switch (l_.headwear) {
            case Headwear::HardHat:
                Box(tx0 + 1, hipY - 3, tx1 - 1, hipY - 1, l_.legs);
                Box(tx0 + 1, l_.headH, tx0 + 1, hipY - 3, l_.legs);
                Box(tx1 - 1, l_.headH, tx1 - 1, hipY - 3, l_.legs);
                if (!back) Px(tx0 + 1, hipY - 3, l_.trim), Px(tx1 - 1, hipY - 3, l_.trim);
                break;
            case Headwear::Hood:
                Box(tx0, l_.headH, tx1, l_.headH + 1, l_.trim);
                if (!back) Box(mid + 1, l_.headH + 2, mid + 2, l_.headH + 4, l_.trim);
                Box(tx0, hipY - 2, tx1, hipY - 2, Rgb(70, 46, 30));
                if (!back) Px(mid, hipY - 2, Rgb(230, 200, 80));
                break;
            case Headwear::Ponytail:
                if (!back) {
                    Box(mid - 1, l_.headH, mid + 1 + ((tx1 - tx0) % 2), l_.headH, l_.trim);
                    Px(mid, l_.headH + 1, l_.trim);
                }
                Box(tx0, hipY - 3, tx1, hipY - 3, Shade(l_.top, 160));  // sash
                break;
        }
    }

    void HeadFrontal(bool back, int width = 0) {
        const int hw = width ? width : l_.headWF, hh = l_.headH;
        int hx0 = (cw_ - hw) / 2, hx1 = hx0 + hw - 1;
        Box(hx0, 0, hx1, hh - 1, l_.skin);
        Px(hx0, 0, 0);
        Px(hx1, 0, 0);
        Px(hx0, hh - 1, 0);
        Px(hx1, hh - 1, 0);
        int eyeY = hh / 2, cx = (hx0 + hx1) / 2;
        switch (l_.headwear) {
            case Headwear::HardHat:
                Box(hx0, 0, hx1, 2, l_.hat);
                Px(hx0, 0, 0);
                Px(hx1, 0, 0);
                Box(hx0 - 1, 3, hx1 + 1, 3, Shade(l_.hat, 200));
                Box(cx, 0, cx + (hw % 2 ? 0 : 1), 2, Shade(l_.hat, 225));  // ridge of the hat
                if (back) {
                    Box(hx0, 4, hx1, hh - 1, l_.hair);
                    Px(hx0, hh - 1, 0);
                    Px(hx1, hh - 1, 0);
                } else {
                    Box(hx0 + 2, hh - 2, hx1 - 2, hh - 1, Shade(l_.hair, 130));  // beard
                    Box(hx0, 4, hx0, 5, l_.hair);
                    Box(hx1, 4, hx1, 5, l_.hair);
                }
                break;
            case Headwear::Hood:
                Box(hx0, 0, hx1, 1, l_.hat);
                Box(hx0, 0, hx0 + 1, hh - 1, l_.hat);
                Box(hx1 - 1, 0, hx1, hh - 1, l_.hat);
                Px(cx, 0, Shade(l_.hat, 140));  // seam of the hood
                if (back) Box(hx0, 0, hx1, hh - 1, l_.hat), Box(cx, 0, cx, hh - 2, Shade(l_.hat, 150));
                else Box(hx0 + 2, 2, hx1 - 2, 2, l_.hair);
                break;
            case Headwear::Ponytail:
                Box(hx0, 0, hx1, 2, l_.hair);
                Box(hx0, 0, hx0, hh - 2, l_.hair);
                Box(hx1, 0, hx1, hh - 2, l_.hair);
                Px(hx0, 0, 0);
                Px(hx1, 0, 0);
                if (back) {
                    Box(hx0, 0, hx1, hh - 1, l_.hair);
                    Px(hx0, 0, 0), Px(hx1, 0, 0), Px(hx0, hh - 1, 0), Px(hx1, hh - 1, 0);
                    Box(cx, 3, cx + (hw % 2 ? 0 : 1), hh + 1, Shade(l_.hair, 180));  // the ponytail
                } else {
                    Px(hx1 - 1, 1, Rgb(255, 240, 120));  // hair clip
                }
                break;
        }
        if (!back) {
            int off = hw >= 10 ? 2 : 2;
            Box(hx0 + off, eyeY, hx0 + off, eyeY + (hh >= 9 ? 1 : 0), kInk);
            Box(hx1 - off, eyeY, hx1 - off, eyeY + (hh >= 9 ? 1 : 0), kInk);
            if (l_.headwear != Headwear::HardHat)
                Box(cx, hh - 2, cx + (hw % 2 ? 0 : 1), hh - 2, Shade(l_.skin, 170));  // mouth
            Px(hx0 + 1, eyeY + 2, MixColours(l_.skin, Rgb(255, 110, 110), 90));  // cheeks
            Px(hx1 - 1, eyeY + 2, MixColours(l_.skin, Rgb(255, 110, 110), 90));
        }
    }

private:
    Canvas& s_;
    const Look& l_;
    int cw_, ch_;
};

const char* kDirNames[4] = {"right", "left", "front", "climb"};

std::string PoseName(int set, int dir, int pose) {
    return "char" + std::to_string(set) + "." + kDirNames[dir] + "." + char('A' + pose);
}

// Paints one pose as the game draws it, 16 x 32.
Canvas DesignPose(int set, int dir, int pose) {
    Canvas s(kDrawnWidth, kDrawnHeight);
    const Look& l = kLooks[set];
    Doll d(s, l);
    int phase = pose;
    bool mirror = false;
    if (dir == 1) mirror = true;  // walking left is walking right mirrored
    if ((dir == 2 || dir == 3) && pose == 2) {
        mirror = true;  // the second stride mirrors the first
        phase = 1;
    }
    if (dir <= 1)
        d.Side(phase);
    else
        d.Frontal(dir == 3, phase);
    if (!mirror) return s;
    Canvas m(s.Width(), s.Height());
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) m.Put(s.Width() - 1 - x, y, s.Get(x, y));
    return m;
}

// A figure facing the viewer stands still on firm ground (on the selection
// wheel, at the start of a floor, in the exit), so it stands on a sliver of
// the tower's stone with its shadow round its feet: the wheel, drawn over a
// dark backdrop, shows where each figure's ground is, and in play the sliver
// lies on the stone the player stands on.
void StandOnStone(Canvas& s) {
    // The sliver spans the picture, one pixel in at each end, so it keeps its
    // width from stride to stride as the figure walks on the spot.
    const int left = 1, right = s.Width() - 2;
    const int y = s.Height() - 1;
    int feetLeft = s.Width(), feetRight = -1;
    for (int x = 0; x < s.Width(); ++x)
        if (AlphaOf(s.Get(x, y)) != 0) feetLeft = std::min(feetLeft, x), feetRight = std::max(feetRight, x);
    const Colour stone = Rgb(173, 161, 148), shadow = Rgb(92, 82, 84);
    for (int x = left; x <= right; ++x) {
        if (AlphaOf(s.Get(x, y)) != 0) continue;
        const bool end = x == left || x == right;
        const Colour k = x >= feetLeft - 1 && x <= feetRight + 1 ? shadow : stone;
        s.Put(x, y, end ? WithAlpha(k, 140) : k);
    }
}

// One pose in its own rectangle's size, outlined.
Canvas PaintPose(int set, int dir, int pose) {
    const Rect r = RegionRect(PoseName(set, dir, pose));
    Canvas s = FitForStretch(DesignPose(set, dir, pose), r.Width(), r.Height());
    s.Outline(Rect{0, 0, s.Width(), s.Height()}, kInk);
    if (dir == 2) StandOnStone(s);
    return s;
}

// The selection card: a cabinet in the character's colour whose shelves hold
// the four rows of poses. The card is cut into the single poses too, so only
// the frame and the shelves are painted: between the shelves the card is open
// and every pose rectangle holds nothing but its figure.
void PaintPortraitCard(Canvas& c, int set) {
    const Rect p = RegionRect("portrait" + std::to_string(set));
    c.SetClip(p);
    const Look& l = kLooks[set];
    const Colour wood = Shade(l.top, 130), lit = Shade(l.top, 190), shade = Shade(l.top, 80);
    // The poses' rows, top to bottom, and the box they fill together.
    struct Row {
        int top, bottom;
    };
    std::vector<Row> rows;
    Rect poses = RegionRect(PoseName(set, 0, 0));
    for (int dir = 0; dir < 4; ++dir) {
        Row row{p.bottom, p.top};
        for (int pose = 0; pose < 3; ++pose) {
            const Rect r = RegionRect(PoseName(set, dir, pose));
            row.top = std::min(row.top, r.top);
            row.bottom = std::max(row.bottom, r.bottom);
            poses = Rect{std::min(poses.left, r.left), std::min(poses.top, r.top), std::max(poses.right, r.right),
                         std::max(poses.bottom, r.bottom)};
        }
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.top < b.top; });
    // Rails: everything around the poses' box, lit on the inside edge.
    for (int y = p.top; y < p.bottom; ++y)
        for (int x = p.left; x < p.right; ++x) {
            const bool inBox = x >= poses.left && x < poses.right && y >= poses.top && y < poses.bottom;
            if (inBox) continue;
            const bool edge = x == p.left || x == p.right - 1 || y == p.top || y == p.bottom - 1;
            const bool innerEdge = x == poses.left - 1 || x == poses.right || y == poses.top - 1 || y == poses.bottom;
            c.Put(x, y, edge ? kInk : innerEdge ? shade : wood);
        }
    // Corner studs where the rails meet.
    for (int cx : {p.left + 1, p.right - 2})
        for (int cy : {p.top + 1, p.bottom - 2})
            if (c.Get(cx, cy) == wood) c.Put(cx, cy, lit);
    // A shelf under every row but the last, which stands on the bottom rail.
    for (size_t i = 0; i + 1 < rows.size(); ++i) {
        const int top = rows[i].bottom, bottom = rows[i + 1].top;
        if (bottom <= top) continue;
        for (int y = top; y < bottom; ++y) {
            const Colour k = y == top ? lit : y == bottom - 1 ? kInk : y == bottom - 2 ? shade : wood;
            c.FillRect(Rect{poses.left, y, poses.right, y + 1}, k);
        }
        // Brackets holding the shelf to the sides.
        if (bottom - top >= 4)
            for (int x : {poses.left, poses.right - 1}) c.Put(x, top + 1, lit);
    }
    // Every pose rectangle holds its figure alone, so the sprites stay
    // see-through in play.
    for (int dir = 0; dir < 4; ++dir)
        for (int pose = 0; pose < 3; ++pose) c.FillRect(RegionRect(PoseName(set, dir, pose)), 0);
}

}  // namespace

Canvas FigureDesign(int set, int dir, int pose) {
    Canvas s = DesignPose(set, dir, pose);
    s.Outline(Rect{0, 0, s.Width(), s.Height()}, kInk);
    if (dir == 2) StandOnStone(s);
    return s;
}

void DrawFigureAt(Canvas& c, int set, int dir, int pose, int x, int y, int scale) {
    const Canvas s = FigureDesign(set, dir, pose);
    c.CopyScaled(s, Rect{0, 0, s.Width(), s.Height()}, Rect{x, y, x + s.Width() * scale, y + s.Height() * scale}, true);
}

void DrawCharacterInto(Canvas& c, int set, int dir, int pose, const Rect& dest) {
    Stamp(c, PoseName(set, dir, pose), dest);
}

void PaintCharacters(Canvas& c) {
    for (int set = 0; set < 3; ++set) {
        PaintPortraitCard(c, set);
        for (int dir = 0; dir < 4; ++dir)
            for (int pose = 0; pose < 3; ++pose) {
                Rect r = RegionRect(PoseName(set, dir, pose));
                Canvas s = PaintPose(set, dir, pose);
                c.SetClip(r);
                c.CopyScaled(s, Rect{0, 0, s.Width(), s.Height()}, r, false);
            }
    }
    c.ClearClip();
}

}  // namespace q::assets
