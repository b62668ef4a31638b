#include "platform/core/atlas_image.hpp"

#include <climits>
#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include <png.h>

namespace q {

namespace {

// The largest texture the game asks a renderer for; a bigger picture could
// not be shown whole, so it is refused before a byte is allocated for it.
constexpr uint32_t kMaxAtlasSide = 2048;
constexpr uint32_t kSignatureBytes = 8;
// Signature, then the IHDR chunk: length, type, 13 bytes of data, CRC.
constexpr uint32_t kHeaderBytes = kSignatureBytes + 8 + 13 + 4;

uint32_t ReadBe32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// Where libpng reads the image from: the archive entry, never past its end.
struct MemorySource {
    const uint8_t* bytes;
    uint32_t size;
    uint32_t position;
};

void ReadFromMemory(png_structp png, png_bytep dst, png_size_t n) {
    auto* src = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (n > src->size - src->position) png_error(png, "truncated");
    std::memcpy(dst, src->bytes + src->position, n);
    src->position += uint32_t(n);
}

// libpng's own messages would only repeat what "graphics error" already says.
void OnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnPngWarning(png_structp, png_const_charp) {}

// Everything checked before libpng is asked: a plain signature, an IHDR
// whose size fits the texture, and chunks that fit the entry, so a damaged
// file costs nothing.
bool HeaderLooksRight(const uint8_t* bytes, uint32_t size) {
    if (size < kHeaderBytes || png_sig_cmp(bytes, 0, kSignatureBytes) != 0) return false;
    const uint8_t* ihdr = bytes + kSignatureBytes;
    if (ReadBe32(ihdr) != 13 || std::memcmp(ihdr + 4, "IHDR", 4) != 0) return false;
    const uint32_t w = ReadBe32(ihdr + 8), h = ReadBe32(ihdr + 12);
    if (w < 1 || h < 1 || w > kMaxAtlasSide || h > kMaxAtlasSide) return false;
    // libpng allocates a chunk's declared length before reading it: a text
    // chunk claiming 2 GB in a 100-byte entry would cost 2 GB. Every chunk up
    // to IEND must lie within the entry.
    for (uint32_t at = kSignatureBytes; size - at >= 12;) {
        const uint32_t length = ReadBe32(bytes + at);
        if (length > size - at - 12) return false;
        if (std::memcmp(bytes + at + 4, "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return false;
}

// Kept free of C++ objects with destructors: a libpng error jumps straight
// back to the setjmp here, and everything it must release lives in `rows`,
// `pixels` and the png structs, freed on both paths.
bool Decode(const uint8_t* bytes, uint32_t size, uint8_t** outPixels, int* outW, int* outH) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemorySource source{bytes, size, 0};
    uint8_t* volatile pixels = nullptr;
    png_bytep* volatile rows = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        std::free(rows);
        std::free(pixels);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_user_limits(png, kMaxAtlasSide, kMaxAtlasSide);
    // Text, ICC profiles and other ancillary chunks are not needed; cap them.
    png_set_chunk_malloc_max(png, 1u << 20);
    png_set_read_fn(png, &source, ReadFromMemory);
    png_read_info(png, info);

    png_uint_32 w = 0, h = 0;
    int depth = 0, colour = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &depth, &colour, &interlace, nullptr, nullptr);
    // Every layout ends as 8-bit RGBA: palettes and small greys expanded,
    // transparency keys turned into alpha, 16 bits cut to their high byte,
    // grey widened to RGB and opaque alpha added where there is none.
    png_set_expand(png);
    png_set_strip_16(png);
    if (colour == PNG_COLOR_TYPE_GRAY || colour == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != png_size_t(w) * 4) png_error(png, "layout");

    pixels = static_cast<uint8_t*>(std::malloc(size_t(w) * h * 4));
    rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * h));
    if (!pixels || !rows) png_error(png, "memory");
    for (png_uint_32 y = 0; y < h; ++y) rows[y] = pixels + size_t(y) * w * 4;
    png_read_image(png, rows);
    png_read_end(png, nullptr);

    std::free(rows);
    png_destroy_read_struct(&png, &info, nullptr);
    *outPixels = pixels;
    *outW = int(w);
    *outH = int(h);
    return true;
}

}  // namespace

void AtlasImage::Free::operator()(uint8_t* p) const { std::free(p); }

int RoundUpToPowerOfTwo(int n) {
    int p = 1;
    while (p < n && p < INT_MAX / 2) p <<= 1;
    return p;
}

bool DecodeAtlasImage(const uint8_t* bytes, uint32_t size, AtlasImage* out) {
    *out = AtlasImage{};
    if (!bytes || !HeaderLooksRight(bytes, size)) return false;
    uint8_t* pixels = nullptr;
    int w = 0, h = 0;
    if (!Decode(bytes, size, &pixels, &w, &h)) return false;
    out->width = w;
    out->height = h;
    out->textureWidth = RoundUpToPowerOfTwo(w);
    out->textureHeight = RoundUpToPowerOfTwo(h);
    out->rgba.reset(pixels);
    return true;
}

}  // namespace q
