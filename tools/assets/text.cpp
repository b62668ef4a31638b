// Pictures of words: lines of the pixel font laid out once at the font's own
// size, with their ring and shadow, then enlarged by a whole number so every
// letter keeps the pixel grid of the HUD.
#include <algorithm>

#include "assets/text.hpp"

namespace q::assets {
namespace {

constexpr int kGlyphHeight = 7;
constexpr int kLineGap = 2;  // rows between lines: the rings of two lines just meet

int Widest(const std::vector<std::string>& lines) {
    int w = 0;
    for (const std::string& l : lines) w = std::max(w, PixelTextWidth(l));
    return w;
}

// The lines at scale 1: letters, ring and shadow.
Canvas Compose(const std::vector<std::string>& lines, const TextStyle& st) {
    const int n = int(lines.size());
    const int w = Widest(lines) + 2;
    const int h = n * kGlyphHeight + (n - 1) * kLineGap + 2 + (st.shadow ? 1 : 0);
    Canvas ink(w, h);
    for (int i = 0; i < n; ++i) {
        const int lw = PixelTextWidth(lines[size_t(i)]);
        const int x = st.align == Align::Left ? 1 : st.align == Align::Right ? w - 1 - lw : (w - lw) / 2;
        const int y = 1 + i * (kGlyphHeight + kLineGap);
        Canvas line(w, h);
        DrawPixelText(line, x, y, lines[size_t(i)], Rgb(255, 255, 255));
        // A gradient row by row of the font, so the shading keeps the grid too.
        for (int row = 0; row < kGlyphHeight; ++row) {
            const Colour k = MixColours(st.top, st.bottom, row * 256 / (kGlyphHeight - 1));
            for (int xx = 0; xx < w; ++xx)
                if (AlphaOf(line.Get(xx, y + row)) != 0) ink.Put(xx, y + row, k);
        }
    }
    ink.Outline(Rect{0, 0, w, h}, st.outline);
    if (st.shadow) {
        const Colour dark = WithAlpha(Shade(st.outline, 96), 200);
        for (int y = h - 1; y >= 1; --y)
            for (int x = 0; x < w; ++x)
                if (AlphaOf(ink.Get(x, y)) == 0 && AlphaOf(ink.Get(x, y - 1)) == 255) ink.Put(x, y, dark);
    }
    return ink;
}

}  // namespace

int FittingScale(const Rect& r, const std::vector<std::string>& lines, const TextStyle& st) {
    if (lines.empty()) return 0;
    const Canvas ink = Compose(lines, st);
    // The margin is kept at both ends of centred lines, at the aligned end
    // of the others.
    const int room = r.Width() - (st.align == Align::Centre ? 2 : 1) * st.margin;
    int best = 0;
    for (int s = 1; s <= 16; ++s)
        if (ink.Width() * s <= room && ink.Height() * s <= r.Height()) best = s;
    return best;
}

void DrawTextAtScale(Canvas& c, const Rect& r, const std::vector<std::string>& lines, const TextStyle& st, int scale) {
    if (lines.empty() || scale < 1) return;
    const Canvas ink = Compose(lines, st);
    const int w = ink.Width() * scale, h = ink.Height() * scale;
    const int x = st.align == Align::Left    ? r.left + st.margin
                  : st.align == Align::Right ? r.right - st.margin - w
                                             : r.left + (r.Width() - w) / 2;
    const int y = r.top + (r.Height() - h) / 2;
    c.CopyScaled(ink, Rect{0, 0, ink.Width(), ink.Height()}, Rect{x, y, x + w, y + h}, true);
}

int DrawText(Canvas& c, const Rect& r, const std::vector<std::string>& lines, const TextStyle& st) {
    const int scale = std::max(1, std::min(st.maxScale, FittingScale(r, lines, st)));
    DrawTextAtScale(c, r, lines, st, scale);
    return scale;
}

void DrawPixelLabel(Canvas& c, const Rect& r, const std::vector<std::string>& lines, Colour fill, Colour outline,
                    Align align) {
    TextStyle st;
    st.top = st.bottom = fill;
    st.outline = outline;
    st.shadow = false;
    st.align = align;
    DrawTextAtScale(c, r, lines, st, 1);
}

}  // namespace q::assets
