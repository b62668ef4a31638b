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

namespace q::test {

constexpr int kAtlasSide = 2048;

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

// A 16-bit mono PCM WAVE of a few samples; `tone` makes each sound distinct.
inline std::vector<uint8_t> BuildTinyWave(int tone) {
    const uint32_t rate = 22050;
    const uint32_t samples = 64;
    std::vector<uint8_t> w;
    auto put = [&w](const char* s) {
        for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(s[i]));
    };
    auto put32 = [&w](uint32_t v) {
        for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&w](uint16_t v) {
        w.push_back(static_cast<uint8_t>(v));
        w.push_back(static_cast<uint8_t>(v >> 8));
    };
    put("RIFF");
    put32(36 + samples * 2);
    put("WAVE");
    put("fmt ");
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    put("data");
    put32(samples * 2);
    for (uint32_t i = 0; i < samples; ++i) put16(static_cast<uint16_t>((i % 8 < 4 ? 1000 : -1000) * (tone + 1)));
    return w;
}

// data.dat: 13 offsets counted from byte 52, then each entry as its size and
// its bytes. Entry 0 the atlas, 1..11 the effects, 12 the music.
inline std::vector<uint8_t> BuildDataDat(const std::vector<uint8_t>& atlasPng) {
    std::vector<std::vector<uint8_t>> entries;
    entries.push_back(atlasPng);
    for (int i = 0; i < 12; ++i) entries.push_back(BuildTinyWave(i));
    std::vector<uint8_t> table, body;
    auto put32 = [](std::vector<uint8_t>& out, uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    for (const auto& e : entries) {
        put32(table, static_cast<uint32_t>(body.size()));
        put32(body, static_cast<uint32_t>(e.size()));
        body.insert(body.end(), e.begin(), e.end());
    }
    table.insert(table.end(), body.begin(), body.end());
    return table;
}

// Built once per test process: the atlas takes a moment to encode.
inline const std::vector<uint8_t>& SyntheticDataDat() {
    static const std::vector<uint8_t> bytes = BuildDataDat(BuildCoordinateAtlasPng());
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
