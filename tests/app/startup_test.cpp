#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "app/startup_helpers.hpp"
#include "platform/core/settings.hpp"
#include "platform/sound.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"

namespace q::shell_test {
namespace {

using StartupTest = ShellHarness;

TEST_F(StartupTest, MissingDataFileReportsMemoryError3OnceAndQuitsWithZero) {
    ASSERT_TRUE(StartGame());
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0], "memory error3");
    EXPECT_FALSE(HasMainWindow());
    EXPECT_EQ(CurrentScene(), SCENE_IDLE);
    // What the earlier steps made is given back.
    EXPECT_FALSE(HasGameWorld());
    EXPECT_EQ(liveAllocations, 0);

    int exitCode = -1;
    EXPECT_EQ(RunUntilQuit(&exitCode), 0);  // the quit is taken before any frame
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(headless::MessageBoxes().size(), 1u);
}

TEST_F(StartupTest, WholeProgramWithoutDataFileExitsZeroWithoutAFrame) {
    EXPECT_EQ(RunGame(), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0], "memory error3");
    EXPECT_TRUE(calls.empty());
}

TEST_F(StartupTest, FailedWorldAllocationReportsMemoryError1Only) {
    FailAllocationAfter(1);
    EXPECT_EQ(RunGame(), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0], "memory error1");
    EXPECT_FALSE(HasGameWorld());
    EXPECT_EQ(liveAllocations, 0);
    EXPECT_TRUE(calls.empty());
}

TEST_F(StartupTest, NoWindowMeansExitZeroWithoutAMessage) {
    headless::FailMainWindow(true);
    EXPECT_FALSE(StartGame());
    headless::FailMainWindow(true);
    EXPECT_EQ(RunGame(), 0);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_FALSE(HasGameWorld());
    EXPECT_TRUE(calls.empty());
}

TEST_F(StartupTest, ShutdownAfterAPartialStartupMayRunTwice) {
    ASSERT_TRUE(StartGame());  // stops at the archive
    int exitCode = -1;
    EXPECT_EQ(RunUntilQuit(&exitCode), 0);
    Shutdown();
    Shutdown();
    EXPECT_FALSE(HasGameWorld());
    EXPECT_EQ(liveAllocations, 0);
    EXPECT_EQ(CurrentScene(), SCENE_IDLE);
    // No window was left to destroy, so no second quit message.
    EXPECT_FALSE(PumpWindowEvents(nullptr));
}

TEST_F(StartupTest, StartingAgainInTheSameProcessBehavesTheSame) {
    for (int run = 0; run < 3; ++run) {
        EXPECT_EQ(RunGame(), 0);
        EXPECT_EQ(liveAllocations, 0);
    }
    EXPECT_EQ(headless::MessageBoxes().size(), 3u);
}

TEST_F(StartupTest, StartupReadsSettingsAndResetsKeyBindingsAndSwitches) {
    {
        const int32_t fields[4] = {2, 0, 0, 1};
        std::ofstream out(workDir_ / "config.dat", std::ios::binary);
        for (int32_t f : fields) {
            const auto u = static_cast<uint32_t>(f);
            const char bytes[4] = {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
            out.write(bytes, 4);
        }
    }
    ChooseActionKey(kShiftChoice);
    SetCharacter(2);
    SetEffectsEnabled(false);
    SetMusicEnabled(false);
    SetChasersEnabled(false);
    StartGame();
    EXPECT_EQ(settings.windowed, 2);
    EXPECT_EQ(settings.colorDepth32, 0);
    EXPECT_EQ(settings.linearFilter, 1);
    EXPECT_EQ(Keys().actionKeyChoice, 26);
    EXPECT_EQ(Keys().buttons[ButtonAction].key, KEY_SPACE);
    EXPECT_EQ(Session().character, 0);
    // The option switches are not kept from one run to the next.
    EXPECT_TRUE(EffectsEnabled());
    EXPECT_TRUE(MusicEnabled());
    EXPECT_TRUE(ChasersEnabled());
}

}  // namespace
}  // namespace q::shell_test
