#pragma once
// The real atlas, painted once per test process: painting takes a moment.
#include <cstdint>
#include <vector>

#include "assets/atlas.hpp"
#include "assets/canvas.hpp"

namespace q::test {

inline const assets::Canvas& BuiltAtlas() {
    static const assets::Canvas atlas = assets::PaintAtlas();
    return atlas;
}

// Its RGBA pixels, row by row.
inline const std::vector<uint8_t>& BuiltAtlasPixels() { return BuiltAtlas().Bytes(); }

// As the PNG the asset builder writes into data.dat.
inline const std::vector<uint8_t>& BuiltAtlasPng() {
    static const std::vector<uint8_t> png = assets::EncodePng(BuiltAtlas());
    return png;
}

}  // namespace q::test
