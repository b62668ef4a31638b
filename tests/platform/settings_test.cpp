#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/core/settings.hpp"

namespace q {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("quorrel_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        path_ = (dir_ / "config.dat").string();
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
        LoadSettings(path_.c_str());  // back to defaults: the file is gone
    }

    void WriteBytes(const std::vector<uint8_t>& bytes) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void WriteFields(const std::vector<int32_t>& fields, int extraBytes = 0) {
        std::vector<uint8_t> bytes;
        for (int32_t f : fields) {
            const auto u = static_cast<uint32_t>(f);
            for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(u >> shift));
        }
        if (extraBytes < 0) bytes.resize(bytes.size() - static_cast<std::size_t>(-extraBytes));
        for (int i = 0; i < extraBytes; ++i) bytes.push_back(0);
        WriteBytes(bytes);
    }
    // Leaves every value off, so a load that keeps stale values shows.
    static void Scramble() {
        settings = GameSettings{7, 7, 7, 7};
    }
    static void ExpectDefaults() {
        EXPECT_EQ(settings.windowed, 1);
        EXPECT_EQ(settings.colorDepth32, 1);
        EXPECT_EQ(settings.vsync, 1);
        EXPECT_EQ(settings.linearFilter, 1);
    }

    std::filesystem::path dir_;
    std::string path_;
};

TEST_F(SettingsTest, NoFileMeansWindowVsyncAndLinearFiltering) {
    Scramble();
    LoadSettings(path_.c_str());
    ExpectDefaults();
}

TEST_F(SettingsTest, SixteenBytesAreTheFourFieldsInOrder) {
    WriteFields({0, 1, 1, 0});
    Scramble();
    LoadSettings(path_.c_str());
    EXPECT_EQ(settings.windowed, 0);
    EXPECT_EQ(settings.colorDepth32, 1);
    EXPECT_EQ(settings.vsync, 1);
    EXPECT_EQ(settings.linearFilter, 0);
}

TEST_F(SettingsTest, ValuesAreLittleEndianAndTakenAsStored) {
    WriteFields({2, 0, -1, 0x01020304});
    LoadSettings(path_.c_str());
    EXPECT_EQ(settings.windowed, 2);  // not exactly 1: full screen
    EXPECT_NE(settings.windowed, 1);
    EXPECT_EQ(settings.colorDepth32, 0);
    EXPECT_EQ(settings.vsync, -1);
    EXPECT_EQ(settings.linearFilter, 0x01020304);
}

TEST_F(SettingsTest, FifteenOrSeventeenBytesAreIgnoredWhole) {
    for (int extra : {-1, 1}) {
        WriteFields({0, 0, 0, 0}, extra);
        Scramble();
        LoadSettings(path_.c_str());
        SCOPED_TRACE(16 + extra);
        ExpectDefaults();
    }
}

TEST_F(SettingsTest, EmptyFileIsIgnored) {
    WriteBytes({});
    Scramble();
    LoadSettings(path_.c_str());
    ExpectDefaults();
}

TEST_F(SettingsTest, AFolderNamedLikeTheFileIsIgnored) {
    std::filesystem::create_directories(path_);
    Scramble();
    LoadSettings(path_.c_str());
    ExpectDefaults();
}

TEST_F(SettingsTest, ASecondLoadStartsAgainFromTheDefaults) {
    WriteFields({0, 0, 0, 0});
    LoadSettings(path_.c_str());
    EXPECT_EQ(settings.vsync, 0);
    WriteFields({0, 0, 0, 0}, 1);
    LoadSettings(path_.c_str());
    ExpectDefaults();
}

}  // namespace
}  // namespace q
