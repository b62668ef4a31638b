#pragma once
// A stand-in data.dat for the platform benchmarks when no real one is given:
// a 2048 x 2048 atlas that compresses like drawn art (flat areas, outlined
// tiles, much transparency), eleven half-second effects and half a minute of
// music, all 22050 Hz mono 16-bit.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <stb_image_write.h>

namespace q::benchdata {

using Bytes = std::vector<uint8_t>;

inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
inline void Put16(Bytes& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

inline Bytes AtlasPng() {
    constexpr int kSide = 2048;
    std::vector<uint8_t> rgba(size_t(kSide) * kSide * 4, 0);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            uint8_t* p = &rgba[(size_t(y) * kSide + x) * 4];
            if (y >= 1024 && y < 1504 && x < 640) {  // the title picture: a gradient with stripes
                p[0] = uint8_t(x / 3);
                p[1] = uint8_t((y - 1024) / 2);
                p[2] = uint8_t(((x / 40) + (y / 40)) % 2 ? 160 : 90);
                p[3] = 255;
            } else if (y < 1024 && ((x / 32) + (y / 32)) % 3 != 0) {  // sprite sheet cells
                const int cx = x % 32, cy = y % 32;
                const bool edge = cx == 0 || cy == 0 || cx == 31 || cy == 31;
                const bool body = (cx - 16) * (cx - 16) + (cy - 16) * (cy - 16) < 150;
                if (edge || body) {
                    p[0] = uint8_t(edge ? 20 : 40 + (x / 32) * 7);
                    p[1] = uint8_t(edge ? 20 : 90 + (y / 32) * 5);
                    p[2] = uint8_t(edge ? 30 : 160);
                    p[3] = 255;
                }
            }
        }
    Bytes out;
    stbi_write_png_to_func(
        [](void* ctx, void* data, int size) {
            auto* o = static_cast<Bytes*>(ctx);
            o->insert(o->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
        },
        &out, kSide, kSide, 4, rgba.data(), kSide * 4);
    return out;
}

inline Bytes Wave(double seconds, double pitch) {
    constexpr uint32_t kRate = 22050;
    const uint32_t n = uint32_t(seconds * kRate);
    Bytes b;
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    Put32(b, 36 + n * 2);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(b, 16);
    Put16(b, 1);
    Put16(b, 1);
    Put32(b, kRate);
    Put32(b, kRate * 2);
    Put16(b, 2);
    Put16(b, 16);
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put32(b, n * 2);
    for (uint32_t i = 0; i < n; ++i) Put16(b, uint16_t(int16_t(8000 * std::sin(i * pitch / kRate * 6.2831853))));
    return b;
}

// Writes the stand-in archive and returns its path.
inline std::string WriteArchive() {
    std::vector<Bytes> entries{AtlasPng()};
    for (int i = 0; i < 11; ++i) entries.push_back(Wave(0.5, 300.0 + 50 * i));
    entries.push_back(Wave(30.0, 220.0));
    Bytes file;
    uint32_t offset = 0;
    for (const Bytes& e : entries) {
        Put32(file, offset);
        offset += uint32_t(4 + e.size());
    }
    for (const Bytes& e : entries) {
        Put32(file, uint32_t(e.size()));
        file.insert(file.end(), e.begin(), e.end());
    }
    const std::string path = "/tmp/quorrel_bench_data.dat";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);
    }
    return path;
}

}  // namespace q::benchdata
