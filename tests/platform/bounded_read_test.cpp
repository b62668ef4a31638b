#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/core/bounded_read.hpp"
#include "platform/core/files.hpp"

namespace q {
namespace {

namespace fs = std::filesystem;

class BoundedReadTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               (std::string("quorrel_bounded_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(BoundedReadTest, AWholeFileUpToTheLimitIsReadAndOneByteMoreIsRefused) {
    const fs::path path = dir_ / "ten.bin";
    std::ofstream(path, std::ios::binary) << "0123456789";
    std::vector<uint8_t> bytes{1, 2, 3};
    EXPECT_EQ(ReadBoundedFile(path.string().c_str(), 10, &bytes), BoundedRead::Ok);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "0123456789");
    EXPECT_EQ(ReadBoundedFile(path.string().c_str(), 9, &bytes), BoundedRead::TooLarge);
    EXPECT_TRUE(bytes.empty());

    std::ofstream(dir_ / "empty.bin", std::ios::binary);
    EXPECT_EQ(ReadBoundedFile((dir_ / "empty.bin").string().c_str(), 0, &bytes), BoundedRead::Ok);
    EXPECT_TRUE(bytes.empty());
}

TEST_F(BoundedReadTest, HugeFilesFoldersAndDevicesAreNeverRead) {
    // Sparse: it costs no disk, but reading it whole would take 8 GiB.
    const fs::path huge = dir_ / "huge.bin";
    std::ofstream(huge, std::ios::binary).put('x');
    fs::resize_file(huge, uint64_t(8) << 30);
    std::vector<uint8_t> bytes;
    EXPECT_EQ(ReadBoundedFile(huge.string().c_str(), 1 << 20, &bytes), BoundedRead::TooLarge);

    EXPECT_EQ(ReadBoundedFile(dir_.string().c_str(), 1 << 20, &bytes), BoundedRead::Missing);
    EXPECT_EQ(ReadBoundedFile("/dev/zero", 1 << 20, &bytes), BoundedRead::Missing);
    EXPECT_EQ(ReadBoundedFile((dir_ / "absent").string().c_str(), 1 << 20, &bytes), BoundedRead::Missing);
    EXPECT_TRUE(bytes.empty());

    // The game's own loaders open files the same way.
    EXPECT_FALSE(InputFile(dir_.string().c_str()).IsOpen());
    EXPECT_FALSE(InputFile("/dev/zero").IsOpen());
    InputFile regular(huge.string().c_str());
    ASSERT_TRUE(regular.IsOpen());
    EXPECT_EQ(regular.Size(), int64_t(8) << 30);
}

}  // namespace
}  // namespace q
