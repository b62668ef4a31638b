#pragma once
// Small synthetic inputs for the platform tests: WAVE files built chunk by
// chunk, PNG atlases, and data.dat archives written to a temporary folder.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <stb_image_write.h>

namespace q::testdata {

using Bytes = std::vector<uint8_t>;

inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
inline void Put16(Bytes& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
inline void PutTag(Bytes& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

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

// The 13 entries laid out in the given order of entry numbers (all 13 once).
inline Bytes Archive(const std::vector<Bytes>& entries, const std::vector<int>& order = {}) {
    std::vector<int> layout = order;
    if (layout.empty())
        for (int i = 0; i < int(entries.size()); ++i) layout.push_back(i);
    std::vector<uint32_t> offsets(13, 0);
    Bytes payload;
    for (int e : layout) {
        offsets[e] = uint32_t(payload.size());
        Put32(payload, uint32_t(entries[e].size()));
        payload.insert(payload.end(), entries[e].begin(), entries[e].end());
    }
    Bytes b;
    for (uint32_t o : offsets) Put32(b, o);
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}

// An archive with the given atlas and twelve simple sounds.
inline Bytes ArchiveWithAtlas(const Bytes& atlas) {
    std::vector<Bytes> entries{atlas};
    for (int i = 0; i < 12; ++i) entries.push_back(SimpleWave(22050, 32 + 8 * i));
    return Archive(entries);
}

inline std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("quorrel_platform_" + std::to_string(getpid()) + "_" + name)).string();
}

inline std::string WriteTemp(const std::string& name, const Bytes& bytes) {
    const std::string path = TempPath(name);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

}  // namespace q::testdata
