#include "platform/atlas_image.hpp"

#include <climits>

#include <stb_image.h>

namespace q {

namespace {
// Larger images than this could not be addressed by any texture we can make.
constexpr int kMaxAtlasSide = 16384;
}  // namespace

void AtlasImage::Free::operator()(uint8_t* p) const { stbi_image_free(p); }

int RoundUpToPowerOfTwo(int n) {
    int p = 1;
    while (p < n && p < INT_MAX / 2) p <<= 1;
    return p;
}

bool DecodeAtlasImage(const uint8_t* bytes, uint32_t size, AtlasImage* out) {
    *out = AtlasImage{};
    if (!bytes || size == 0 || size > uint32_t(INT_MAX)) return false;
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(bytes, int(size), &w, &h, &channels)) return false;
    if (w <= 0 || h <= 0 || w > kMaxAtlasSide || h > kMaxAtlasSide) return false;
    stbi_uc* pixels = stbi_load_from_memory(bytes, int(size), &w, &h, &channels, 4);
    if (!pixels) return false;
    out->width = w;
    out->height = h;
    out->textureWidth = RoundUpToPowerOfTwo(w);
    out->textureHeight = RoundUpToPowerOfTwo(h);
    out->rgba.reset(pixels);
    return true;
}

}  // namespace q
