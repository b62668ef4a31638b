#pragma once
#include <cstdint>
#include <vector>

#include "assets/canvas.hpp"

namespace q::assets {

// The program icon at one size: Bram facing the viewer, scaled up by whole
// pixels, on a sky-coloured square.
Canvas PaintIcon(const Canvas& atlas, int size);
// A Windows .ico file holding the icon at 256, 48, 32 and 16 pixels, each
// stored as a PNG (which every Windows since Vista reads).
std::vector<uint8_t> BuildIconFile(const Canvas& atlas);

}  // namespace q::assets
