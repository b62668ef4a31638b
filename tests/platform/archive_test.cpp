#include <gtest/gtest.h>

#include <cstdio>

#include "platform/core/archive.hpp"
#include "platform/core/memory.hpp"
#include "platform/platform_helpers.hpp"
#include "platform/test_hooks.hpp"

namespace q {
namespace {

using testdata::Bytes;

Bytes Payload(int entry, size_t size) {
    Bytes b(size);
    for (size_t i = 0; i < size; ++i) b[i] = uint8_t(entry * 16 + i);
    return b;
}

std::vector<Bytes> ThirteenPayloads() {
    std::vector<Bytes> entries;
    for (int e = 0; e < kArchiveEntries; ++e) entries.push_back(Payload(e, 3 + e));
    return entries;
}

// Overwrites offset[entry] in the table.
void SetOffset(Bytes& archive, int entry, int32_t offset) {
    for (int i = 0; i < 4; ++i) archive[4 * entry + i] = uint8_t(uint32_t(offset) >> (8 * i));
}

class ArchiveTest : public ::testing::Test {
protected:
    void TearDown() override {
        FreeArchive();
        for (const std::string& p : paths) std::remove(p.c_str());
    }
    bool Load(const Bytes& bytes) {
        paths.push_back(test::WriteTemp("archive.dat", bytes));
        return LoadArchive(paths.back().c_str());
    }
    std::vector<std::string> paths;
};

TEST_F(ArchiveTest, EntryWithOffsetZeroStartsRightAfterTheTable) {
    Bytes file = test::DataDat(ThirteenPayloads(), {5, 0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12});
    ASSERT_TRUE(Load(file));
    uint32_t size = 0;
    const uint8_t* p = ArchiveEntry(5, &size);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(size, 8u);
    // Size field at byte 52, payload at byte 56 of the file.
    EXPECT_EQ(p[0], file[56]);
    EXPECT_EQ(Bytes(p, p + size), Payload(5, 8));
}

TEST_F(ArchiveTest, EntriesMayLieInAnyOrderAndGiveTheSamePointerEveryTime) {
    ASSERT_TRUE(Load(test::DataDat(ThirteenPayloads(), {12, 3, 7, 0, 11, 1, 9, 2, 10, 4, 8, 5, 6})));
    EXPECT_TRUE(ArchiveLoaded());
    for (int e = 0; e < kArchiveEntries; ++e) {
        uint32_t size = 0;
        const uint8_t* p = ArchiveEntry(e, &size);
        ASSERT_NE(p, nullptr) << "entry " << e;
        EXPECT_EQ(Bytes(p, p + size), Payload(e, 3 + e)) << "entry " << e;
        uint32_t again = 0;
        EXPECT_EQ(ArchiveEntry(e, &again), p);
        EXPECT_EQ(again, size);
    }
}

TEST_F(ArchiveTest, EntriesNeedNotBeAdjacent) {
    // Entry 1 placed 100 bytes after the end of everything else.
    Bytes file = test::DataDat(ThirteenPayloads());
    const int32_t far = int32_t(file.size() - 52 + 100);
    file.resize(file.size() + 100, 0xEE);
    testdata::Put32(file, 2);
    file.push_back(0xAB);
    file.push_back(0xCD);
    SetOffset(file, 1, far);
    ASSERT_TRUE(Load(file));
    uint32_t size = 0;
    const uint8_t* p = ArchiveEntry(1, &size);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Bytes(p, p + size), (Bytes{0xAB, 0xCD}));
}

TEST_F(ArchiveTest, AMissingFileOrOneShorterThanItsTableDoesNotLoad) {
    EXPECT_FALSE(LoadArchive(test::ScratchPath("no_such_archive.dat").c_str()));
    EXPECT_FALSE(ArchiveLoaded());
    EXPECT_FALSE(Load(Bytes(51, 0)));
    EXPECT_FALSE(ArchiveLoaded());
    EXPECT_FALSE(Load(Bytes{}));
    // Exactly a table: loads, and every entry (all offsets 0) points past the end.
    ASSERT_TRUE(Load(Bytes(52, 0)));
    uint32_t size = 123;
    EXPECT_EQ(ArchiveEntry(0, &size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST_F(ArchiveTest, AnEntryOutsideTheFileIsAbsentAndTheOthersStillRead) {
    Bytes file = test::DataDat(ThirteenPayloads());
    const int32_t body = int32_t(file.size() - 52);
    SetOffset(file, 2, body);          // size field would start at the end of the file
    SetOffset(file, 3, body - 2);      // size field straddles the end
    SetOffset(file, 4, -60);           // before the start of the file
    SetOffset(file, 6, INT32_MAX);     // far beyond, must not wrap around
    SetOffset(file, 7, INT32_MIN);
    ASSERT_TRUE(Load(file));
    uint32_t size = 0;
    for (int e : {2, 3, 4, 6, 7}) EXPECT_EQ(ArchiveEntry(e, &size), nullptr) << "entry " << e;
    for (int e : {0, 1, 5, 8, 12}) EXPECT_NE(ArchiveEntry(e, &size), nullptr) << "entry " << e;
    EXPECT_EQ(ArchiveEntry(-1, &size), nullptr);
    EXPECT_EQ(ArchiveEntry(13, &size), nullptr);
}

TEST_F(ArchiveTest, AnEntryWhosePayloadRunsPastTheEndIsAbsent) {
    Bytes file = test::DataDat(ThirteenPayloads());
    // The last entry (12) has 15 bytes; claim one more than the file holds.
    const size_t sizeField = file.size() - 15 - 4;
    file[sizeField] = 16;
    ASSERT_TRUE(Load(file));
    uint32_t size = 0;
    EXPECT_EQ(ArchiveEntry(12, &size), nullptr);
    file[sizeField] = 0xFF;
    file[sizeField + 3] = 0xFF;  // a size near 4 GB must not wrap either
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(ArchiveEntry(12, &size), nullptr);
    EXPECT_NE(ArchiveEntry(11, &size), nullptr);
}

TEST_F(ArchiveTest, FreeingTwiceIsHarmlessAndReleasesTheBlock) {
    const int before = liveAllocations;
    ASSERT_TRUE(Load(test::DataDat(ThirteenPayloads())));
    EXPECT_EQ(liveAllocations, before + 1);
    FreeArchive();
    FreeArchive();
    EXPECT_EQ(liveAllocations, before);
    EXPECT_FALSE(ArchiveLoaded());
    uint32_t size = 0;
    EXPECT_EQ(ArchiveEntry(0, &size), nullptr);
}

TEST_F(ArchiveTest, NoMemoryForTheBlockFailsTheLoad) {
    FailAllocationAfter(1);
    EXPECT_FALSE(Load(test::DataDat(ThirteenPayloads())));
    FailAllocationAfter(0);
    EXPECT_FALSE(ArchiveLoaded());
}

}  // namespace
}  // namespace q
