#pragma once
#include <cstdint>

namespace q {

// Left, top, right, bottom; right and bottom are exclusive.
struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

}  // namespace q
