#pragma once
// A synthetic data.dat for tests that must not depend on the real art.
//
// Every texel of the 2048 x 2048 atlas is opaque and encodes its own
// coordinates (red = x & 255, green = y & 255, blue = 0x80 | x >> 8 |
// (y >> 8) << 3), so an untinted pixel of a screenshot tells exactly which
// atlas texel was drawn there; cleared black never decodes. The twelve sounds
// are tiny 16-bit PCM WAVE files.
#include <stb_image_write.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/atlas_layout.hpp"
#include "support/bytes.hpp"
#include "support/png_bytes.hpp"

namespace q::test {

constexpr int kAtlasSide = atlas::kSide;

struct AtlasTexel {
    int x = -1;
    int y = -1;
    bool valid() const { return x >= 0; }
};

inline uint32_t AtlasTexelColour(int x, int y) {
    const uint32_t r = static_cast<uint32_t>(x & 255);
    const uint32_t g = static_cast<uint32_t>(y & 255);
    const uint32_t b = 0x80u | static_cast<uint32_t>(x >> 8) | (static_cast<uint32_t>(y >> 8) << 3);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// The atlas texel an ARGB screen pixel shows, or an invalid texel.
inline AtlasTexel DecodeAtlasTexel(uint32_t argb) {
    const uint32_t b = argb & 0xFF;
    if ((b & 0x80) == 0 || (b & 0x40) != 0) return {};
    AtlasTexel t;
    t.x = static_cast<int>(((argb >> 16) & 0xFF) | ((b & 7) << 8));
    t.y = static_cast<int>(((argb >> 8) & 0xFF) | (((b >> 3) & 7) << 8));
    return t;
}

inline std::vector<uint8_t> BuildCoordinateAtlasPng() {
    std::vector<uint8_t> rgba(static_cast<std::size_t>(kAtlasSide) * kAtlasSide * 4);
    for (int y = 0; y < kAtlasSide; ++y) {
        for (int x = 0; x < kAtlasSide; ++x) {
            const uint32_t c = AtlasTexelColour(x, y);
            uint8_t* p = &rgba[(static_cast<std::size_t>(y) * kAtlasSide + x) * 4];
            p[0] = static_cast<uint8_t>(c >> 16);
            p[1] = static_cast<uint8_t>(c >> 8);
            p[2] = static_cast<uint8_t>(c);
            p[3] = 0xFF;
        }
    }
    std::vector<uint8_t> png;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* out = static_cast<std::vector<uint8_t>*>(context);
            const auto* bytes = static_cast<const uint8_t*>(data);
            out->insert(out->end(), bytes, bytes + size);
        },
        &png, kAtlasSide, kAtlasSide, 4, rgba.data(), kAtlasSide * 4);
    return png;
}

// A 16-bit mono PCM WAVE of `samples` samples; `tone` makes each sound distinct.
inline Bytes TinyWave(int tone = 0, uint32_t samples = 64) {
    const uint32_t rate = 22050;
    Bytes w;
    PutTag(w, "RIFF");
    Put32(w, 36 + samples * 2);
    PutTag(w, "WAVE");
    PutTag(w, "fmt ");
    Put32(w, 16);
    Put16(w, 1);  // PCM
    Put16(w, 1);  // mono
    Put32(w, rate);
    Put32(w, rate * 2);
    Put16(w, 2);
    Put16(w, 16);
    PutTag(w, "data");
    Put32(w, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) Put16(w, static_cast<uint16_t>((i % 8 < 4 ? 1000 : -1000) * (tone + 1)));
    return w;
}

// data.dat: a table of 13 offsets counted from its end, then each entry as
// its size and its bytes. The entries are laid out in `order` (every entry
// number once; by number when empty).
inline Bytes DataDat(const std::vector<Bytes>& entries, const std::vector<int>& order = {}) {
    std::vector<int> layout = order;
    if (layout.empty())
        for (int i = 0; i < int(entries.size()); ++i) layout.push_back(i);
    std::vector<uint32_t> offsets(13, 0);
    Bytes payload;
    for (int e : layout) {
        offsets[size_t(e)] = uint32_t(payload.size());
        Put32(payload, uint32_t(entries[size_t(e)].size()));
        payload.insert(payload.end(), entries[size_t(e)].begin(), entries[size_t(e)].end());
    }
    Bytes b;
    for (uint32_t o : offsets) Put32(b, o);
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}

// Entry 0 the atlas image, 1..11 the effects, 12 the music: short waves.
inline Bytes DataDatWithAtlas(const Bytes& atlasImage) {
    std::vector<Bytes> entries{atlasImage};
    for (int i = 0; i < 12; ++i) entries.push_back(TinyWave(i, 32 + 8 * uint32_t(i)));
    return DataDat(entries);
}

// 2 x 2, white, 8-bit RGB: the smallest atlas that decodes.
inline Bytes TinyPng() {
    PngLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.colour = PNG_COLOR_TYPE_RGB;
    layout.rows.assign(12, 0xFF);
    return EncodePng(layout);
}

// Built once per test process: the atlas takes a moment to encode.
inline const std::vector<uint8_t>& SyntheticDataDat() {
    static const std::vector<uint8_t> bytes = DataDatWithAtlas(BuildCoordinateAtlasPng());
    return bytes;
}

// config.dat: windowed, 32-bit, no vsync, point filtering (so scaled pictures
// keep exact texels).
inline std::vector<uint8_t> PointFilterConfigDat() {
    std::vector<uint8_t> bytes(16, 0);
    bytes[0] = 1;
    bytes[4] = 1;
    return bytes;
}

}  // namespace q::test
