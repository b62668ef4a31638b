// The game's working folder: kept when data.dat is there; otherwise Windows
// moves to the program's own folder and every other system keeps it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/core/host.hpp"

namespace {

namespace fs = std::filesystem;

class WorkingFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        original_ = fs::current_path();
        folder_ = fs::temp_directory_path() /
                  (std::string("quorrel-host-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(original_);
        fs::remove_all(folder_);
    }
    fs::path original_, folder_;
};

TEST_F(WorkingFolderTest, AFolderHoldingDataDatIsKept) {
    std::ofstream("data.dat") << "x";
    q::UseProgramFolderWithoutData();
    EXPECT_TRUE(fs::equivalent(fs::current_path(), folder_));
}

TEST_F(WorkingFolderTest, WithoutDataDatOnlyWindowsMovesToTheProgramsFolder) {
    q::UseProgramFolderWithoutData();
#ifdef _WIN32
    // The test program lives in the build folder, beside the game.
    EXPECT_TRUE(fs::exists(fs::current_path() / "quorrel_tests.exe")) << fs::current_path();
#else
    EXPECT_TRUE(fs::equivalent(fs::current_path(), folder_));
#endif
}

}  // namespace
