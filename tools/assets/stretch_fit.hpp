#pragma once
// Fitting a picture designed at the size the game draws it into a smaller or
// larger atlas rectangle, so that the game's point-sampled stretch gives the
// design back as closely as the rectangle allows.
#include <vector>

#include "assets/canvas.hpp"

namespace q::assets {

// The source pixel (0..source-1) a point-sampled stretch of `source` pixels
// over `drawn` pixels shows at drawn pixel d: sampled just inside the drawn
// pixel's top-left corner, as the game draws.
int StretchSource(int d, int source, int drawn);

// For each of the `source` pixels, the drawn pixels that show it (empty when
// the stretch skips it).
std::vector<std::vector<int>> StretchShownAt(int source, int drawn);

// `design` (drawn size) fitted into a width x height picture: each pixel takes
// the pixels of the design it will be stretched back over, and shows the
// rarest colour among them in the design, so a one-pixel eye or buckle
// survives a squeeze; on the picture's outer edge it stays clear when the
// middle one is, keeping room for an outline.
Canvas FitForStretch(const Canvas& design, int width, int height);

}  // namespace q::assets
