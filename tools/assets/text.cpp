// Label pictures rendered from a free font with stb_truetype.
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "assets/text.hpp"

namespace q::assets {
namespace {

constexpr const char* kBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* kCondensedFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

struct Font {
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
    bool ok = false;
};

const Font& LoadFont(bool condensed) {
    static Font fonts[2];
    static bool loaded[2] = {false, false};
    int i = condensed ? 1 : 0;
    if (!loaded[i]) {
        loaded[i] = true;
        std::ifstream in(condensed ? kCondensedFont : kBoldFont, std::ios::binary);
        fonts[i].data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        fonts[i].ok = !fonts[i].data.empty() &&
                      stbtt_InitFont(&fonts[i].info, fonts[i].data.data(),
                                     stbtt_GetFontOffsetForIndex(fonts[i].data.data(), 0)) != 0;
    }
    if (condensed && !fonts[1].ok) return LoadFont(false);
    return fonts[i];
}

// Width in pixels of a line at the given scale, kerning included.
float LineWidth(const Font& f, const std::string& s, float scale) {
    float w = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        int adv, lsb;
        stbtt_GetCodepointHMetrics(&f.info, (unsigned char)s[i], &adv, &lsb);
        w += adv * scale;
        if (i + 1 < s.size()) w += scale * stbtt_GetCodepointKernAdvance(&f.info, (unsigned char)s[i], (unsigned char)s[i + 1]);
    }
    return w;
}

// Ink box of the capitals: text is fitted by its cap height, not the full
// line height, so short labels fill their picture.
void CapMetrics(const Font& f, int& capTop, int& baselineDrop) {
    int x0, y0, x1, y1;
    stbtt_GetCodepointBox(&f.info, 'H', &x0, &y0, &x1, &y1);
    capTop = y1;
    stbtt_GetCodepointBox(&f.info, 'g', &x0, &y0, &x1, &y1);
    baselineDrop = -y0;
}

void FallbackPixelText(Canvas& c, const Rect& r, const std::vector<std::string>& lines, const TextStyle& st) {
    DrawPixelLabel(c, r, lines, st.top, st.outline, st.align);
}

}  // namespace

namespace {

struct Fit {
    int cap = 0;
    bool descender = false;
};

// Largest cap height (in whole pixels) at which every line fits the box.
Fit FitLines(const Font& f, const Rect& r, const std::vector<std::string>& lines, const TextStyle& st) {
    int capUnits, dropUnits;
    CapMetrics(f, capUnits, dropUnits);
    Fit fit;
    for (const std::string& l : lines)
        for (char ch : l)
            if (std::strchr("gjpqy", ch)) fit.descender = true;
    const int pad = st.outlineWidth + (st.shadow ? 1 : 0);
    const int availW = r.Width() - 2 * pad, availH = r.Height() - 2 * pad;
    const int n = int(lines.size());
    fit.cap = 4;
    for (int cap = 4; cap <= 120; ++cap) {
        if (st.maxPixelHeight && cap > st.maxPixelHeight) break;
        float scale = float(cap) / float(capUnits);
        int drop = fit.descender ? int(std::ceil(dropUnits * scale)) : 0;
        int gap = std::max(2, cap / 3);
        int height = n * cap + (n - 1) * gap + drop;
        float widest = 0;
        for (const std::string& l : lines) widest = std::max(widest, LineWidth(f, l, scale));
        if (height > availH || widest > float(availW)) break;
        fit.cap = cap;
    }
    return fit;
}

}  // namespace

int FittingCapHeight(const Rect& r, const std::vector<std::string>& lines, const TextStyle& style) {
    const Font& f = LoadFont(style.condensed);
    if (!f.ok || lines.empty()) return 0;
    TextStyle unbounded = style;
    unbounded.maxPixelHeight = 0;
    return FitLines(f, r, lines, unbounded).cap;
}

void DrawText(Canvas& c, const Rect& r, const std::vector<std::string>& lines, const TextStyle& st) {
    const Font* fp = &LoadFont(st.condensed);
    if (!fp->ok || lines.empty()) {
        FallbackPixelText(c, r, lines, st);
        return;
    }
    Fit fit = FitLines(*fp, r, lines, st);
    // A label squeezed by its width gets the condensed face when that lets
    // it stand as tall as its neighbours.
    if (!st.condensed && st.maxPixelHeight && fit.cap < st.maxPixelHeight) {
        const Font& narrow = LoadFont(true);
        Fit other = FitLines(narrow, r, lines, st);
        if (narrow.ok && other.cap > fit.cap) {
            fp = &narrow;
            fit = other;
        }
    }
    const Font& f = *fp;
    int capUnits, dropUnits;
    CapMetrics(f, capUnits, dropUnits);
    const bool hasDescender = fit.descender;
    const int pad = st.outlineWidth + (st.shadow ? 1 : 0);
    const int n = int(lines.size());
    const int best = fit.cap;
    float scale = float(best) / float(capUnits);
    int drop = hasDescender ? int(std::ceil(dropUnits * scale)) : 0;
    int gap = std::max(2, best / 3);
    int height = n * best + (n - 1) * gap + drop;

    // Coverage of the letters over the whole picture, then outline and fill.
    const int w = r.Width(), h = r.Height();
    std::vector<int> cover(size_t(w) * size_t(h), 0);
    int baseline = (h - height) / 2 + best;
    for (const std::string& line : lines) {
        float lw = LineWidth(f, line, scale);
        float pen = st.align == Align::Centre  ? (float(w) - lw) / 2.0f
                    : st.align == Align::Right ? std::floor(float(w) - lw) - float(pad)
                                               : float(pad);
        for (size_t i = 0; i < line.size(); ++i) {
            int cp = (unsigned char)line[i];
            int adv, lsb;
            stbtt_GetCodepointHMetrics(&f.info, cp, &adv, &lsb);
            float fx = std::floor(pen);
            float shift = pen - fx;
            int x0, y0, x1, y1;
            stbtt_GetCodepointBitmapBoxSubpixel(&f.info, cp, scale, scale, shift, 0, &x0, &y0, &x1, &y1);
            int gw = x1 - x0, gh = y1 - y0;
            if (gw > 0 && gh > 0) {
                std::vector<unsigned char> bmp(size_t(gw) * size_t(gh));
                stbtt_MakeCodepointBitmapSubpixel(&f.info, bmp.data(), gw, gh, gw, scale, scale, shift, 0, cp);
                for (int y = 0; y < gh; ++y)
                    for (int x = 0; x < gw; ++x) {
                        int px = int(fx) + x0 + x, py = baseline + y0 + y;
                        if (px < 0 || py < 0 || px >= w || py >= h) continue;
                        int& cv = cover[size_t(py) * size_t(w) + size_t(px)];
                        cv = std::max(cv, int(bmp[size_t(y) * size_t(gw) + size_t(x)]));
                    }
            }
            pen += adv * scale;
            if (i + 1 < line.size()) pen += scale * stbtt_GetCodepointKernAdvance(&f.info, cp, (unsigned char)line[i + 1]);
        }
        baseline += best + gap;
    }
    auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h) return 0;
        return cover[size_t(y) * size_t(w) + size_t(x)];
    };
    // Outline: the coverage grown by a round brush of outlineWidth.
    const int ow = st.outlineWidth;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int grown = 0;
            for (int dy = -ow; dy <= ow; ++dy)
                for (int dx = -ow; dx <= ow; ++dx)
                    if (dx * dx + dy * dy <= ow * ow + ow / 2) grown = std::max(grown, at(x + dx, y + dy));
            int shadow = st.shadow ? at(x - 1 - ow / 2, y - 1 - ow / 2) : 0;
            if (st.shadow) {
                for (int dy = -ow; dy <= ow; ++dy)
                    for (int dx = -ow; dx <= ow; ++dx)
                        if (dx * dx + dy * dy <= ow * ow + ow / 2) shadow = std::max(shadow, at(x - 1 + dx, y - 1 + dy));
            }
            int X = r.left + x, Y = r.top + y;
            if (shadow) c.Blend(X, Y, WithAlpha(Shade(st.outline, 128), shadow * 200 / 255));
            if (grown) c.Blend(X, Y, WithAlpha(st.outline, grown));
            int cv = at(x, y);
            if (cv) {
                int rel = (y - (h - height) / 2) % (best + gap);
                int t = std::clamp(rel * 256 / std::max(1, best), 0, 256);
                c.Blend(X, Y, WithAlpha(MixColours(st.top, st.bottom, t), cv));
            }
        }
}

}  // namespace q::assets
