#pragma once
#include <cstdint>
#include <memory>

namespace q {

// The sprite atlas picture decoded from its image file, ready for upload:
// the image's own pixels (RGBA bytes, alpha kept, unscaled) and the
// power-of-two texture it is placed in at the top-left corner.
struct AtlasImage {
    int width = 0, height = 0;            // of the image
    int textureWidth = 0, textureHeight = 0;  // each rounded up to a power of two
    // width * height * 4 bytes, row by row, as the decoder produced them.
    struct Free { void operator()(uint8_t* p) const; };
    std::unique_ptr<uint8_t, Free> rgba;
};

// Decodes a PNG of at most 2048 x 2048 pixels from memory, any colour type or
// depth, to 8-bit RGBA; false for anything else or a damaged image.
bool DecodeAtlasImage(const uint8_t* bytes, uint32_t size, AtlasImage* out);

int RoundUpToPowerOfTwo(int n);

}  // namespace q
