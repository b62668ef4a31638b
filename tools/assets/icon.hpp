#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets/canvas.hpp"

namespace q::assets {

// The sizes the desktop asks icons in, in pixels square.
const std::vector<int>& IconSizes();

// The game's icon at `size` pixels square, painted from the atlas: the
// climber beside a block on the tower's stones, before its back wall.
Canvas PaintIcon(const Canvas& atlas, int size);

// Writes DIR/quorrel-SIZE.png for every icon size; false with a reason when
// one cannot be written.
bool WriteIcons(const std::string& dir, const Canvas& atlas, std::string* error);

// A Windows .ico file holding the icon at 256, 48, 32 and 16 pixels.
std::vector<uint8_t> BuildIconFile(const Canvas& atlas);

}  // namespace q::assets
