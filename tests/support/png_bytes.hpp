#pragma once
// PNG files of every layout libpng can write, made in memory for decoder
// tests, and chunk surgery on finished files.
#include <png.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace q::test {

struct PngLayout {
    int width = 1;
    int height = 1;
    int depth = 8;
    int colour = PNG_COLOR_TYPE_RGBA;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<uint8_t> transparency;   // tRNS for palettes: one alpha per entry
    png_color_16 transparentColour{};    // tRNS for grey and RGB
    bool hasTransparentColour = false;
    // Rows exactly as the file stores them (packed, big-endian samples).
    std::vector<uint8_t> rows;
};

inline std::vector<uint8_t> EncodePng(const PngLayout& layout) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, png_uint_32(layout.width), png_uint_32(layout.height), layout.depth, layout.colour,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty())
        png_set_PLTE(png, info, layout.palette.data(), int(layout.palette.size()));
    if (!layout.transparency.empty())
        png_set_tRNS(png, info, layout.transparency.data(), int(layout.transparency.size()), nullptr);
    if (layout.hasTransparentColour) {
        png_color_16 key = layout.transparentColour;
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const size_t stride = layout.rows.size() / size_t(layout.height);
    std::vector<png_bytep> rows;
    for (int y = 0; y < layout.height; ++y)
        rows.push_back(const_cast<png_bytep>(layout.rows.data() + size_t(y) * stride));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

// PNG's chunk checksum (CRC-32, polynomial 0xEDB88320).
inline uint32_t Crc32(const uint8_t* p, size_t n) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

inline void PutBe32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (24 - 8 * i));
}

inline uint32_t GetBe32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// The chunk with its correct CRC, ready to splice in.
inline std::vector<uint8_t> Chunk(const char* type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> c(8);
    PutBe32(c, 0, uint32_t(data.size()));
    std::memcpy(c.data() + 4, type, 4);
    c.insert(c.end(), data.begin(), data.end());
    const uint32_t crc = Crc32(c.data() + 4, 4 + data.size());
    c.resize(c.size() + 4);
    PutBe32(c, c.size() - 4, crc);
    return c;
}

// Byte offset of the first chunk of `type`, or 0.
inline size_t FindChunk(const std::vector<uint8_t>& png, const char* type) {
    for (size_t at = 8; at + 8 <= png.size(); at += 12 + GetBe32(png, at))
        if (std::memcmp(png.data() + at + 4, type, 4) == 0) return at;
    return 0;
}

// The same image, but a fresh IHDR saying width x height (with a right CRC).
inline std::vector<uint8_t> WithSize(std::vector<uint8_t> png, uint32_t width, uint32_t height) {
    std::vector<uint8_t> data(png.begin() + 16, png.begin() + 29);
    PutBe32(data, 0, width);
    PutBe32(data, 4, height);
    const std::vector<uint8_t> ihdr = Chunk("IHDR", data);
    std::copy(ihdr.begin(), ihdr.end(), png.begin() + 8);
    return png;
}

}  // namespace q::test
