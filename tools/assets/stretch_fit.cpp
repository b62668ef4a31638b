#include "assets/stretch_fit.hpp"

#include <cstdint>
#include <map>

namespace q::assets {

int StretchSource(int d, int source, int drawn) {
    // (d + 1/64) * source / drawn, floored, in integers.
    return int((int64_t(d) * 64 + 1) * source / (int64_t(drawn) * 64));
}

std::vector<std::vector<int>> StretchShownAt(int source, int drawn) {
    std::vector<std::vector<int>> shown(static_cast<size_t>(source));
    for (int d = 0; d < drawn; ++d) {
        const int s = StretchSource(d, source, drawn);
        if (s >= 0 && s < source) shown[size_t(s)].push_back(d);
    }
    return shown;
}

namespace {

// The drawn pixels standing for source pixel s: those that show it, or the
// nearest one when the stretch skips it.
std::vector<int> Cover(const std::vector<std::vector<int>>& shown, int s, int source, int drawn) {
    if (!shown[size_t(s)].empty()) return shown[size_t(s)];
    const int nearest = int((int64_t(2 * s + 1) * drawn) / (2 * int64_t(source)));
    return {nearest < drawn ? nearest : drawn - 1};
}

}  // namespace

Canvas FitForStretch(const Canvas& design, int width, int height) {
    std::map<Colour, int> frequency;
    for (int y = 0; y < design.Height(); ++y)
        for (int x = 0; x < design.Width(); ++x) ++frequency[design.Get(x, y)];
    const auto columns = StretchShownAt(width, design.Width());
    const auto rows = StretchShownAt(height, design.Height());
    Canvas out(width, height);
    for (int sy = 0; sy < height; ++sy) {
        const std::vector<int> ys = Cover(rows, sy, height, design.Height());
        for (int sx = 0; sx < width; ++sx) {
            const std::vector<int> xs = Cover(columns, sx, width, design.Width());
            // The rectangle's outer pixels keep the design's clear margin for
            // the outline; inside, a pixel shows the design if any pixel it
            // stands for does, so no detail at a figure's edge is lost.
            const Colour middle = design.Get(xs[(xs.size() - 1) / 2], ys[(ys.size() - 1) / 2]);
            const bool edge = sx == 0 || sy == 0 || sx == width - 1 || sy == height - 1;
            if (edge && AlphaOf(middle) < 128) continue;
            bool any = false;
            Colour best = middle;
            for (int y : ys)
                for (int x : xs) {
                    const Colour c = design.Get(x, y);
                    if (AlphaOf(c) < 128) continue;
                    if (!any || frequency[c] < frequency[best]) best = c;
                    any = true;
                }
            if (any) out.Put(sx, sy, best);
        }
    }
    return out;
}

}  // namespace q::assets
