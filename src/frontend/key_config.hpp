#pragma once
#include "platform/rect.hpp"

namespace q {

// The picture of key choice 0..27 (letters, Space, Shift).
Rect KeyChoicePicture(int choice);

}  // namespace q
