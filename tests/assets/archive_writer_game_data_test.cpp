#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/game_data.hpp"
#include "platform/core/atlas_image.hpp"
#include "platform/core/archive.hpp"
#include "platform/core/settings.hpp"
#include "platform/core/wave.hpp"

namespace q::assets {
namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ArchiveWriter, TheBuiltDataFileIsTheSameEveryTimeAndTheGameReadsEveryEntryAndTheSettings) {
    const auto base = std::filesystem::temp_directory_path() / ("quorrel-data-" + std::to_string(getpid()));
    const auto first = base / "first", second = base / "second";
    std::string error;
    ASSERT_TRUE(WriteGameData(first.string(), &error, nullptr)) << error;
    ASSERT_TRUE(WriteGameData(second.string(), &error, nullptr)) << error;
    const auto bytes = ReadBytes(first / "data.dat");
    EXPECT_EQ(bytes, ReadBytes(second / "data.dat"));
    EXPECT_EQ(ReadBytes(first / "atlas-preview.png"), ReadBytes(second / "atlas-preview.png"));
    EXPECT_FALSE(ReadBytes(first / "atlas-preview.png").empty());

    ASSERT_TRUE(LoadArchive((first / "data.dat").string().c_str()));
    uint32_t size = 0;
    const uint8_t* atlas = ArchiveEntry(0, &size);
    ASSERT_NE(atlas, nullptr);
    AtlasImage image;
    ASSERT_TRUE(DecodeAtlasImage(atlas, size, &image));
    EXPECT_EQ(image.width, 2048);
    EXPECT_EQ(image.height, 2048);
    ASSERT_GT(size, 25u);
    EXPECT_EQ(atlas[25], 6) << "the atlas is stored as RGBA, keeping its alpha";
    for (int entry = 1; entry <= 12; ++entry) {
        const uint8_t* wave = ArchiveEntry(entry, &size);
        ASSERT_NE(wave, nullptr) << "entry " << entry;
        WaveData data;
        ASSERT_TRUE(ParseWave(wave, size, &data)) << "entry " << entry;
        EXPECT_EQ(data.bitsPerSample, 16) << "entry " << entry;
        EXPECT_GT(data.dataBytes, 0u) << "entry " << entry;
    }
    // The atlas comes first, right after the table and its size field, and
    // the music last, ending the file.
    const uint8_t* music = ArchiveEntry(12, &size);
    const uint8_t* fileStart = atlas - 52 - 4;
    EXPECT_EQ(static_cast<size_t>(music + size - fileStart), bytes.size());
    FreeArchive();

    // The game folder starts windowed, in 32-bit colour with vsync, and with
    // point sampling so that stretched pictures stay crisp.
    LoadSettings((first / "config.dat").string().c_str());
    EXPECT_EQ(settings.windowed, 1);
    EXPECT_NE(settings.colorDepth32, 0);
    EXPECT_NE(settings.vsync, 0);
    EXPECT_EQ(settings.linearFilter, 0);
    settings = GameSettings{};
    std::error_code ignored;
    std::filesystem::remove_all(base, ignored);
}

}  // namespace
}  // namespace q::assets
