// The Windows program icon: a well-formed .ico whose every size shows the
// figure on its square.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "assets/icon.hpp"
#include "platform/core/atlas_image.hpp"
#include "platform/core/little_endian.hpp"
#include "support/built_atlas.hpp"

namespace {

using namespace q::assets;

TEST(ProgramIcon, TheFileListsEachSizeAndEachEntryIsAPictureOfThatSize) {
    const std::vector<uint8_t> file = BuildIconFile(q::test::BuiltAtlas());
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(q::ReadLe16(&file[0]), 0);
    EXPECT_EQ(q::ReadLe16(&file[2]), 1) << "an icon, not a cursor";
    const int count = q::ReadLe16(&file[4]);
    ASSERT_EQ(count, 4);
    ASSERT_GE(file.size(), 6u + 16u * count);
    std::set<int> sizes;
    uint32_t end = 6 + 16 * count;
    for (int i = 0; i < count; ++i) {
        const uint8_t* entry = &file[6 + 16 * i];
        const int size = entry[0] == 0 ? 256 : entry[0];
        EXPECT_EQ(entry[1], entry[0]) << "square";
        EXPECT_EQ(q::ReadLe16(entry + 6), 32) << "bits per pixel";
        const uint32_t bytes = q::ReadLe32(entry + 8), offset = q::ReadLe32(entry + 12);
        EXPECT_EQ(offset, end) << "images follow each other without gaps or overlap";
        ASSERT_LE(uint64_t(offset) + bytes, file.size());
        end = offset + bytes;
        q::AtlasImage image;
        ASSERT_TRUE(q::DecodeAtlasImage(&file[offset], bytes, &image)) << "entry " << i;
        EXPECT_EQ(image.width, size);
        EXPECT_EQ(image.height, size);
        sizes.insert(size);
    }
    EXPECT_EQ(end, file.size());
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
}

TEST(ProgramIcon, EverySizeIsAnOpaqueSquareWithAPictureInIt) {
    for (int size : {16, 32, 48, 256}) {
        const Canvas icon = PaintIcon(q::test::BuiltAtlas(), size);
        ASSERT_EQ(icon.Width(), size);
        // The rounded corner is one pixel of the 64-pixel design, scaled.
        const int corner = std::max(1, size / 64);
        int transparent = 0;
        std::set<Colour> middle;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const bool inCorner = (x < corner || x >= size - corner) && (y < corner || y >= size - corner);
                if (!inCorner) transparent += AlphaOf(icon.Get(x, y)) != 255;
                if (x >= size / 4 && x < size * 3 / 4 && y >= size / 4 && y < size * 3 / 4) middle.insert(icon.Get(x, y));
            }
        EXPECT_EQ(transparent, 0) << size << ": only the rounded corners are clear";
        EXPECT_GE(middle.size(), 4u) << size << ": the middle shows a picture, not a flat fill";
    }
}

}  // namespace
