// Writing the floor's object layer at a screen point, and the box overlap
// test; the readers are inline in the header.
#include "world/collision.hpp"

namespace q {

void SetObjectCell(World& w, int x, int y, int value) {
    const int i = TileIndex(w, x, y);
    if (i >= 0) w.objectMap[i] = static_cast<int8_t>(value);
}

bool BoxesOverlap(const Actor& a, const Actor& b) {
    return a.x + a.width - 1 >= b.x && a.y + a.height - 1 >= b.y && b.x + b.width - 1 >= a.x &&
           b.y + b.height - 1 >= a.y;
}

}  // namespace q
