#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "assets/archive_writer.hpp"
#include "platform/core/archive.hpp"

namespace q::assets {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

std::vector<std::vector<uint8_t>> SampleEntries() {
    std::vector<std::vector<uint8_t>> entries(kArchiveEntries);
    for (int i = 0; i < kArchiveEntries; ++i) {
        // Sizes differ (entry 6 is empty, some are odd) and so do the bytes.
        size_t n = i == 6 ? 0 : static_cast<size_t>(i * 37 + 3);
        for (size_t k = 0; k < n; ++k) entries[static_cast<size_t>(i)].push_back(static_cast<uint8_t>(i * 31 + k));
    }
    return entries;
}

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("quorrel-") + std::to_string(getpid()) + "-" + name))
        .string();
}

TEST(ArchiveWriter, TableOffsetsCountFromTheEndOfTheTable) {
    auto entries = SampleEntries();
    auto bytes = PackArchive(entries);
    size_t expected = 52;
    for (const auto& e : entries) expected += 4 + e.size();
    ASSERT_EQ(bytes.size(), expected);
    // Entry 0 sits right after the table: offset 0, its size at byte 52.
    EXPECT_EQ(Le32(bytes, 0), 0u);
    EXPECT_EQ(Le32(bytes, 52), entries[0].size());
    for (int i = 0; i < kArchiveEntries; ++i) {
        size_t at = 52 + Le32(bytes, static_cast<size_t>(i) * 4);
        ASSERT_LE(at + 4, bytes.size());
        EXPECT_EQ(Le32(bytes, at), entries[static_cast<size_t>(i)].size()) << "entry " << i;
    }
}

TEST(ArchiveWriter, TheGamesLoaderReadsBackEveryEntry) {
    auto entries = SampleEntries();
    const std::string path = TempPath("archive.dat");
    ASSERT_TRUE(WriteFileBytes(path, PackArchive(entries)));
    ASSERT_TRUE(LoadArchive(path.c_str()));
    for (int i = 0; i < kArchiveEntries; ++i) {
        uint32_t size = 12345;
        const uint8_t* p = ArchiveEntry(i, &size);
        const auto& want = entries[static_cast<size_t>(i)];
        ASSERT_EQ(size, want.size()) << "entry " << i;
        if (!want.empty()) {
            ASSERT_NE(p, nullptr) << "entry " << i;
            EXPECT_EQ(std::vector<uint8_t>(p, p + size), want) << "entry " << i;
        }
    }
    FreeArchive();
    std::filesystem::remove(path);
}

TEST(ArchiveWriter, WritingToAFolderThatDoesNotExistFails) {
    EXPECT_FALSE(WriteFileBytes("/nonexistent-quorrel-folder/data.dat", {1, 2, 3}));
}

}  // namespace
}  // namespace q::assets
