#pragma once
// A small but complete data.dat for start-up tests: a 2 x 2 PNG atlas and
// twelve short PCM WAVE files, packed behind the 13-offset table.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/png_bytes.hpp"

namespace q::shell_test {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline void PutTag(Bytes& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

// 2 x 2, white, 8-bit RGB: the atlas only has to decode.
inline Bytes TinyPng() {
    test::PngLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.colour = PNG_COLOR_TYPE_RGB;
    layout.rows.assign(12, 0xFF);
    return test::EncodePng(layout);
}

inline Bytes TinyWave(int samples = 64) {
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, 36 + 2 * uint32_t(samples));
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1);      // PCM
    Put16(b, 1);      // mono
    Put32(b, 22050);  // rate
    Put32(b, 44100);  // bytes per second
    Put16(b, 2);      // block align
    Put16(b, 16);     // bits
    PutTag(b, "data");
    Put32(b, 2 * uint32_t(samples));
    for (int i = 0; i < samples; ++i) Put16(b, (i & 8) ? 0x1000 : 0xF000);
    return b;
}

// Entry 0 is `atlas`; entries 1..12 are short waves.
inline void WriteDataFile(const std::filesystem::path& path, const Bytes& atlas = TinyPng()) {
    std::vector<Bytes> entries{atlas};
    for (int i = 1; i < 13; ++i) entries.push_back(TinyWave());
    Bytes table, body;
    for (const Bytes& e : entries) {
        Put32(table, uint32_t(body.size()));
        Put32(body, uint32_t(e.size()));
        body.insert(body.end(), e.begin(), e.end());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(table.data()), std::streamsize(table.size()));
    out.write(reinterpret_cast<const char*>(body.data()), std::streamsize(body.size()));
}

}  // namespace q::shell_test
