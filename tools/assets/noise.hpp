#pragma once
#include <cstdint>

namespace q::assets {

// A fixed hash of a point and a seed, 0..2^31-1: texture grain that is the
// same on every build.
inline uint32_t Hash2(int x, int y, int seed) {
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return (h ^ (h >> 16)) & 0x7FFFFFFFu;
}

}  // namespace q::assets
