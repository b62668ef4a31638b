#pragma once
// Small synthetic inputs for the platform tests: WAVE files built chunk by
// chunk and PNG atlases.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <stb_image_write.h>

#include "support/bytes.hpp"
#include "support/data_dat.hpp"

namespace q::testdata {

using test::Bytes;
using test::DataDat;
using test::Put16;
using test::Put32;
using test::PutTag;
using test::WriteTemp;

// One chunk: id, length, body, and a pad byte after an odd body.
inline Bytes Chunk(const char* id, const Bytes& body, bool pad = true) {
    Bytes b;
    PutTag(b, id);
    Put32(b, uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    if (pad && (body.size() & 1)) b.push_back(0);
    return b;
}

inline Bytes FormatBody(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
    Bytes b;
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * channels * (bits / 8));
    Put16(b, uint16_t(channels * (bits / 8)));
    Put16(b, bits);
    return b;
}

// "RIFF" + length + "WAVE" + the chunks; riffLength overrides the stored length.
inline Bytes Riff(const std::vector<Bytes>& chunks, int64_t riffLength = -1) {
    Bytes body;
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, riffLength >= 0 ? uint32_t(riffLength) : uint32_t(4 + body.size()));
    PutTag(b, "WAVE");
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

inline Bytes Samples16(const std::vector<int16_t>& s) {
    Bytes b;
    for (int16_t v : s) Put16(b, uint16_t(v));
    return b;
}

// A short 16-bit mono PCM sound.
inline Bytes SimpleWave(uint32_t rate = 22050, size_t samples = 64) {
    std::vector<int16_t> s(samples);
    for (size_t i = 0; i < samples; ++i) s[i] = int16_t((i % 16) * 1000 - 8000);
    return Riff({Chunk("fmt ", FormatBody(1, rate, 16)), Chunk("data", Samples16(s))});
}

// RGBA pixels row by row.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    uint32_t At(int x, int y) const {  // as ARGB
        const uint8_t* p = &rgba[(size_t(y) * width + x) * 4];
        return uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
};

// Every texel different from its neighbours, opaque, so a shifted or
// smeared copy is always noticed.
inline Picture PatternPicture(int width, int height) {
    Picture p{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* t = &p.rgba[(size_t(y) * width + x) * 4];
            t[0] = uint8_t(x * 37 + y * 11);
            t[1] = uint8_t(x * 5 + y * 73);
            t[2] = uint8_t((x ^ y) * 29);
            t[3] = 255;
        }
    return p;
}

inline Bytes EncodePng(const Picture& p) {
    Bytes out;
    stbi_write_png_to_func(
        [](void* ctx, void* data, int size) {
            auto* o = static_cast<Bytes*>(ctx);
            o->insert(o->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
        },
        &out, p.width, p.height, 4, p.rgba.data(), p.width * 4);
    return out;
}

inline std::string TempPath(const std::string& name) { return test::ScratchPath(name); }

}  // namespace q::testdata
