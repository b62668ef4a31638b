#pragma once
#include "platform/core/rect.hpp"

namespace q {

// The picture of key choice 0..27 (letters, Space, Shift).
Rect KeyChoicePicture(int choice);

}  // namespace q
