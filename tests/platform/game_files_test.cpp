// Where the game looks for its files: the working folder first, then the
// user's config folder for config.dat. The installed data folder is tried by
// the packaged game's own test, from an unpacked package.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/game_files.hpp"
#include "platform/core/settings.hpp"
#include "support/bytes.hpp"

namespace q {
namespace {

namespace fs = std::filesystem;

// An environment variable set for one test and put back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

// A path as the system spells it, so "a/b" and "a\\b" compare equal on Windows.
std::string SamePath(const std::string& path) { return fs::path(path).lexically_normal().string(); }

class GameFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quorrel-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "home");
        old_ = fs::current_path();
        fs::current_path(root_ / "work");
    }
    void TearDown() override {
        fs::current_path(old_);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
        settings = GameSettings{};
    }
    std::string Home() const { return (root_ / "home").string(); }
    std::string Put(const fs::path& path, const test::Bytes& bytes = {1, 2, 3}) {
        if (path.has_parent_path()) fs::create_directories(path.parent_path());
        EXPECT_TRUE(test::WriteFile(path.string(), bytes));
        return path.string();
    }
    static test::Bytes Fields(int32_t windowed, int32_t depth, int32_t vsync, int32_t linear) {
        test::Bytes b;
        for (int32_t v : {windowed, depth, vsync, linear}) test::Put32(b, static_cast<uint32_t>(v));
        return b;
    }

    fs::path root_, old_;
};

TEST_F(GameFilesTest, WithNoFileAnywhereTheBareNameIsOpened) {
    ScopedEnv home("HOME", Home().c_str());
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_STREQ(GameConfigFile().text, "config.dat");
    EXPECT_STREQ(GameDataFile("data.dat").text, "data.dat");
    EXPECT_STREQ(GameDataFile("floor.dat").text, "floor.dat");
}

TEST_F(GameFilesTest, TheWorkingFolderComesFirst) {
    ScopedEnv xdg("XDG_CONFIG_HOME", (root_ / "config").string().c_str());
    Put(root_ / "config" / "quorrel" / "config.dat");
    Put("config.dat");
    Put("data.dat");
    Put("floor.dat");
    EXPECT_STREQ(GameConfigFile().text, "config.dat");
    EXPECT_STREQ(GameDataFile("data.dat").text, "data.dat");
    EXPECT_STREQ(GameDataFile("floor.dat").text, "floor.dat");
}

TEST_F(GameFilesTest, ConfigComesFromXdgConfigHomeThenFromDotConfig) {
    ScopedEnv home("HOME", Home().c_str());
    {
        const std::string xdgFile = Put(root_ / "xdg" / "quorrel" / "config.dat");
        ScopedEnv xdg("XDG_CONFIG_HOME", (root_ / "xdg").string().c_str());
        EXPECT_EQ(SamePath(GameConfigFile().text), SamePath(xdgFile));
    }
    const std::string dotConfig = Put(root_ / "home" / ".config" / "quorrel" / "config.dat");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(SamePath(GameConfigFile().text), SamePath(dotConfig));
    }
    {
        // A relative XDG_CONFIG_HOME counts as unset.
        ScopedEnv xdg("XDG_CONFIG_HOME", "xdg");
        Put(fs::path("xdg") / "quorrel" / "config.dat");
        EXPECT_EQ(SamePath(GameConfigFile().text), SamePath(dotConfig));
    }
}

TEST_F(GameFilesTest, AFolderInTheWayIsNoFile) {
    ScopedEnv home("HOME", Home().c_str());
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    fs::create_directories("config.dat");
    const std::string dotConfig = Put(root_ / "home" / ".config" / "quorrel" / "config.dat");
    EXPECT_EQ(SamePath(GameConfigFile().text), SamePath(dotConfig));
    fs::create_directories("data.dat");
    EXPECT_STREQ(GameDataFile("data.dat").text, "data.dat") << "nothing installed beside the test program";
}

TEST_F(GameFilesTest, SettingsSavedInTheUsersConfigFolderAreRead) {
    ScopedEnv home("HOME", Home().c_str());
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    Put(root_ / "home" / ".config" / "quorrel" / "config.dat", Fields(0, 1, 0, 0));
    LoadSettings(GameConfigFile().text);
    EXPECT_EQ(settings.windowed, 0);
    EXPECT_EQ(settings.vsync, 0);
    EXPECT_EQ(settings.linearFilter, 0);

    // One in the working folder wins, even when it is the wrong size.
    Put("config.dat", test::Bytes(15, 0));
    LoadSettings(GameConfigFile().text);
    EXPECT_EQ(settings.windowed, 1);
    EXPECT_EQ(settings.vsync, 1);
}

}  // namespace
}  // namespace q
