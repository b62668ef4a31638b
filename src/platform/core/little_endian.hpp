#pragma once
#include <cstdint>

namespace q {

// Every file the game reads stores its numbers little-endian.
inline uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t ReadLe32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline int32_t ReadLeInt32(const uint8_t* p) { return static_cast<int32_t>(ReadLe32(p)); }

}  // namespace q
