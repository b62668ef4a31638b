#include <gtest/gtest.h>
#include <stb_image_write.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/core/atlas_image.hpp"
#include "support/png_bytes.hpp"

namespace q {
namespace {

using Bytes = std::vector<uint8_t>;
using test::PngLayout;

Bytes Decoded(const Bytes& file) {
    AtlasImage image;
    if (!DecodeAtlasImage(file.data(), uint32_t(file.size()), &image)) return {};
    const uint8_t* p = image.rgba.get();
    return Bytes(p, p + size_t(image.width) * image.height * 4);
}

bool Refused(const Bytes& file) {
    AtlasImage image;
    image.width = 7;
    const bool ok = DecodeAtlasImage(file.data(), uint32_t(file.size()), &image);
    return !ok && image.width == 0 && image.height == 0 && !image.rgba;
}

Bytes Pattern(int w, int h) {
    Bytes rgba(size_t(w) * h * 4);
    for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = uint8_t(i * 37 + i / 4 * 11);
    for (size_t i = 3; i < rgba.size(); i += 16) rgba[i] = 0;  // some see-through texels
    return rgba;
}

Bytes StbPng(int w, int h, const Bytes& rgba) {
    Bytes png;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* out = static_cast<Bytes*>(context);
            out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
        },
        &png, w, h, 4, rgba.data(), w * 4);
    return png;
}

PngLayout Rgba8(int w, int h, const Bytes& rgba) {
    PngLayout l;
    l.width = w;
    l.height = h;
    l.rows = rgba;
    return l;
}

TEST(AtlasImageDecode, AnRgbaPngComesOutAsItsOwnPixelsInAPowerOfTwoTexture) {
    const Bytes rgba = Pattern(13, 5);
    AtlasImage image;
    const Bytes png = StbPng(13, 5, rgba);
    ASSERT_TRUE(DecodeAtlasImage(png.data(), uint32_t(png.size()), &image));
    EXPECT_EQ(image.width, 13);
    EXPECT_EQ(image.height, 5);
    EXPECT_EQ(image.textureWidth, 16);
    EXPECT_EQ(image.textureHeight, 8);
    EXPECT_EQ(0, std::memcmp(image.rgba.get(), rgba.data(), rgba.size()));
}

TEST(AtlasImageDecode, EveryColourLayoutBecomesEightBitRgba) {
    struct Case {
        const char* name;
        PngLayout layout;
        Bytes want;
    };
    std::vector<Case> cases;
    const std::vector<png_color> rgb3{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    {
        PngLayout l{3, 2, 8, PNG_COLOR_TYPE_PALETTE, false, rgb3, {255, 0}, {}, false, {0, 1, 2, 2, 1, 0}};
        cases.push_back({"palette with transparency", l,
                         {255, 0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 255, 0, 0, 255, 255, 0, 255, 0, 0, 255, 0, 0, 255}});
    }
    {
        PngLayout l{3, 2, 2, PNG_COLOR_TYPE_PALETTE, false, rgb3, {}, {}, false, {0x18, 0x90}};
        cases.push_back({"2-bit palette", l,
                         {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 255}});
    }
    {
        PngLayout l{3, 2, 1, PNG_COLOR_TYPE_GRAY, false, {}, {}, {}, false, {0xA0, 0x60}};
        cases.push_back({"1-bit grey", l,
                         {255, 255, 255, 255, 0, 0, 0, 255, 255, 255, 255, 255,
                          0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255, 255}});
    }
    {
        PngLayout l{3, 1, 8, PNG_COLOR_TYPE_GRAY, false, {}, {}, {}, true, {0x40, 0x80, 0xFF}};
        l.transparentColour.gray = 0x40;
        cases.push_back({"grey with a transparent value", l,
                         {0x40, 0x40, 0x40, 0, 0x80, 0x80, 0x80, 255, 255, 255, 255, 255}});
    }
    {
        PngLayout l{2, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, false, {}, {}, {}, false, {0x10, 0x20, 0xF0, 0x80}};
        cases.push_back({"grey and alpha", l, {0x10, 0x10, 0x10, 0x20, 0xF0, 0xF0, 0xF0, 0x80}});
    }
    {
        PngLayout l{2, 1, 8, PNG_COLOR_TYPE_RGB, false, {}, {}, {}, true, {1, 2, 3, 4, 5, 6}};
        l.transparentColour.red = 4;
        l.transparentColour.green = 5;
        l.transparentColour.blue = 6;
        cases.push_back({"RGB with a transparent colour", l, {1, 2, 3, 255, 4, 5, 6, 0}});
    }
    {
        PngLayout l{2, 1, 16, PNG_COLOR_TYPE_RGB, false, {}, {}, {}, false,
                    {0x12, 0x34, 0xAB, 0xFF, 0x00, 0x80, 0xFF, 0xFF, 0x01, 0x02, 0x7F, 0x00}};
        cases.push_back({"16-bit RGB", l, {0x12, 0xAB, 0x00, 255, 0xFF, 0x01, 0x7F, 255}});
    }
    {
        PngLayout l{1, 1, 16, PNG_COLOR_TYPE_RGB_ALPHA, false, {}, {}, {}, false,
                    {0x90, 0x01, 0x80, 0xFF, 0x70, 0x00, 0x33, 0x44}};
        cases.push_back({"16-bit RGBA", l, {0x90, 0x80, 0x70, 0x33}});
    }
    {
        PngLayout l{2, 1, 16, PNG_COLOR_TYPE_GRAY, false, {}, {}, {}, false, {0xC0, 0xDE, 0x00, 0xFF}};
        cases.push_back({"16-bit grey", l, {0xC0, 0xC0, 0xC0, 255, 0, 0, 0, 255}});
    }
    {
        const Bytes rgba = Pattern(9, 9);
        PngLayout l = Rgba8(9, 9, rgba);
        l.interlaced = true;
        cases.push_back({"interlaced RGBA", l, rgba});
    }
    for (const Case& c : cases) EXPECT_EQ(Decoded(test::EncodePng(c.layout)), c.want) << c.name;
}

TEST(AtlasImageDecode, EmptyOrSplitImageDataChunksDecodeTheSamePixels) {
    const Bytes rgba = Pattern(6, 4);
    const Bytes png = test::EncodePng(Rgba8(6, 4, rgba));
    const size_t idat = test::FindChunk(png, "IDAT");
    ASSERT_NE(idat, 0u);

    Bytes emptyFirst(png.begin(), png.begin() + long(idat));
    const Bytes empty = test::Chunk("IDAT", {});
    emptyFirst.insert(emptyFirst.end(), empty.begin(), empty.end());
    emptyFirst.insert(emptyFirst.end(), png.begin() + long(idat), png.end());
    EXPECT_EQ(Decoded(emptyFirst), rgba);

    // The compressed stream cut into one-byte chunks, an empty one between each.
    const uint32_t length = test::GetBe32(png, idat);
    Bytes split(png.begin(), png.begin() + long(idat));
    for (uint32_t i = 0; i < length; ++i) {
        const Bytes one = test::Chunk("IDAT", {png[idat + 8 + i]});
        split.insert(split.end(), one.begin(), one.end());
        split.insert(split.end(), empty.begin(), empty.end());
    }
    split.insert(split.end(), png.begin() + long(idat + 12 + length), png.end());
    EXPECT_EQ(Decoded(split), rgba);
}

TEST(AtlasImageDecode, SidesUpToTheTextureLimitAreAccepted) {
    AtlasImage image;
    const Bytes wide = test::EncodePng(Rgba8(2048, 1, Bytes(2048 * 4, 9)));
    ASSERT_TRUE(DecodeAtlasImage(wide.data(), uint32_t(wide.size()), &image));
    EXPECT_EQ(image.textureWidth, 2048);
    const Bytes tall = test::EncodePng(Rgba8(1, 2048, Bytes(2048 * 4, 9)));
    ASSERT_TRUE(DecodeAtlasImage(tall.data(), uint32_t(tall.size()), &image));
    EXPECT_EQ(image.textureHeight, 2048);
}

TEST(AtlasImageDecode, AnythingButAnIntactPngWithinTheTextureLimitIsRefused) {
    const Bytes png = test::EncodePng(Rgba8(4, 4, Pattern(4, 4)));
    ASSERT_FALSE(Decoded(png).empty());

    EXPECT_TRUE(Refused({}));
    // 16-bit PNM: a format the game never reads, however plausible.
    std::string pnm = "P6\n2 2\n65535\n" + std::string(24, '\x7f');
    EXPECT_TRUE(Refused(Bytes(pnm.begin(), pnm.end())));
    const std::string bmp = "BM" + std::string(60, '\0');
    EXPECT_TRUE(Refused(Bytes(bmp.begin(), bmp.end())));

    // Headers claiming more than a texture can hold, or nothing at all.
    EXPECT_TRUE(Refused(test::WithSize(png, 16384, 16384)));
    EXPECT_TRUE(Refused(test::WithSize(png, 2049, 4)));
    EXPECT_TRUE(Refused(test::WithSize(png, 4, 2049)));
    EXPECT_TRUE(Refused(test::WithSize(png, 0x80000000u, 1)));
    EXPECT_TRUE(Refused(test::WithSize(png, 0, 4)));
    // A header bigger than the data that follows it.
    EXPECT_TRUE(Refused(test::WithSize(png, 64, 64)));

    // A text chunk claiming 2 GB in a file of a hundred bytes: refused
    // before anything that size is allocated (the sanitizer build caps
    // single allocations at 1 GB).
    Bytes hugeText(png.begin(), png.begin() + 33);
    const Bytes text = test::Chunk("zTXt", {'a', 0, 0, 'x'});
    hugeText.insert(hugeText.end(), text.begin(), text.end());
    test::PutBe32(hugeText, 33, 0x7FFFFFF0u);
    hugeText.insert(hugeText.end(), png.begin() + 33, png.end());
    EXPECT_TRUE(Refused(hugeText));

    // A depth the colour type does not allow (RGBA at 4 bits).
    Bytes badDepth = png;
    std::vector<uint8_t> ihdr(png.begin() + 16, png.begin() + 29);
    ihdr[8] = 4;
    const Bytes chunk = test::Chunk("IHDR", ihdr);
    std::copy(chunk.begin(), chunk.end(), badDepth.begin() + 8);
    EXPECT_TRUE(Refused(badDepth));

    // A damaged byte inside the compressed pixels.
    const size_t idat = test::FindChunk(png, "IDAT");
    Bytes damaged = png;
    damaged[idat + 10] ^= 0xFF;
    EXPECT_TRUE(Refused(damaged));

    // Every shorter prefix of the file.
    for (size_t n = 0; n < png.size(); ++n)
        EXPECT_TRUE(Refused(Bytes(png.begin(), png.begin() + long(n)))) << n << " bytes";
}

}  // namespace
}  // namespace q
