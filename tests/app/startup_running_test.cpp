#include <gtest/gtest.h>

#include <vector>

#include "app/startup_helpers.hpp"
#include "platform/core/archive.hpp"
#include "platform/graphics.hpp"
#include "platform/sound.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "support/data_dat.hpp"

namespace q::shell_test {
namespace {

// Start-up with a data.dat present, then frames of the running game.
class StartupRunningTest : public ShellHarness {
protected:
    void SetUp() override {
        ShellHarness::SetUp();
        test::WriteFile((workDir_ / "data.dat").string(), test::DataDatWithAtlas(test::TinyPng()));
        headless::TakePlayedSounds();
    }
    void TearDown() override {
        FailAudioDevice(false);
        ShellHarness::TearDown();
    }
};

TEST_F(StartupRunningTest, CompleteStartupOpensTheTitleWithoutAMessage) {
    ASSERT_TRUE(StartGame());
    EXPECT_TRUE(headless::MessageBoxes().empty());
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_TRUE(HasMainWindow());
    EXPECT_TRUE(HasDevice());
    EXPECT_TRUE(HasGameWorld());
    EXPECT_TRUE(ArchiveLoaded());
    EXPECT_GT(liveAllocations, 0);
    int exitCode = -1;
    EXPECT_FALSE(GameLoopStep(&exitCode));
    EXPECT_EQ(calls, (std::vector<Call>{{SCENE_TITLE, 'D'}, {SCENE_TITLE, 'U'}}));
}

TEST_F(StartupRunningTest, ShutdownGivesEverythingBackAndMayRunTwice) {
    ASSERT_TRUE(StartGame());
    Shutdown();
    EXPECT_EQ(CurrentScene(), SCENE_IDLE);
    EXPECT_FALSE(HasDevice());
    EXPECT_FALSE(HasGameWorld());
    EXPECT_FALSE(ArchiveLoaded());
    EXPECT_FALSE(HasMainWindow());
    EXPECT_EQ(liveAllocations, 0);
    Shutdown();
    EXPECT_EQ(liveAllocations, 0);
    int exitCode = -1;
    EXPECT_EQ(RunUntilQuit(&exitCode), 0);
    EXPECT_EQ(exitCode, 0);
    // One quit message only: the loop would now run frames of scene 0.
    EXPECT_FALSE(PumpWindowEvents(nullptr));
}

TEST_F(StartupRunningTest, NoSoundDeviceIsReportedAndTheGameGoesOnSilently) {
    FailAudioDevice(true);
    ASSERT_TRUE(StartGame());
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0], "sound error");
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_TRUE(HasMainWindow());
    onUpdate[SCENE_TITLE] = [] {
        RequestSe(SE_CURSOR);
        StartBgm();
        StopAllSe();
        StopBgm();
        RequestSe(SE_LIFT);
    };
    int exitCode = -1;
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(GameLoopStep(&exitCode));
    EXPECT_TRUE(headless::TakePlayedSounds().empty());
}

TEST_F(StartupRunningTest, UnreadableAtlasIsAGraphicsErrorThatEndsTheProgram) {
    test::WriteFile((workDir_ / "data.dat").string(), test::DataDatWithAtlas({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}));
    EXPECT_EQ(RunGame(), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0], "graphics error");
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(HasDevice());
    EXPECT_FALSE(ArchiveLoaded());
    EXPECT_EQ(liveAllocations, 0);
}

TEST_F(StartupRunningTest, NewSceneIsDrawnBeforeItIsFirstUpdated) {
    ASSERT_TRUE(StartGame());
    onUpdate[SCENE_TITLE] = [] { SetScene(SCENE_OPTIONS); };
    RunFrame();
    RunFrame();
    EXPECT_EQ(calls, (std::vector<Call>{
                         {SCENE_TITLE, 'D'}, {SCENE_TITLE, 'U'}, {SCENE_OPTIONS, 'D'}, {SCENE_OPTIONS, 'U'}}));
}

TEST_F(StartupRunningTest, SoundsRequestedWhileDrawingNeverPlay) {
    ASSERT_TRUE(StartGame());
    onDraw[SCENE_TITLE] = [] { RequestSe(SE_CLEAR_FIRST); };
    RunFrame();
    EXPECT_TRUE(headless::TakePlayedSounds().empty());
}

TEST_F(StartupRunningTest, UpdateSoundsPlayOnceEachInAscendingOrderAtTheEnd) {
    ASSERT_TRUE(StartGame());
    std::vector<int> playedDuringUpdate;
    onUpdate[SCENE_TITLE] = [&playedDuringUpdate] {
        RequestSe(SE_CLEAR_THIRD);
        RequestSe(SE_FLOOR_FAILED);
        RequestSe(SE_CLEAR_THIRD);
        RequestSe(SE_CURSOR);
        playedDuringUpdate = headless::TakePlayedSounds();
    };
    RunFrame();
    EXPECT_TRUE(playedDuringUpdate.empty());
    EXPECT_EQ(headless::TakePlayedSounds(), (std::vector<int>{0, 2, 9}));
    onUpdate[SCENE_TITLE] = nullptr;
    RunFrame();  // requests do not carry over into the next frame
    EXPECT_TRUE(headless::TakePlayedSounds().empty());
}

TEST_F(StartupRunningTest, LostDeviceIsRebuiltAndTheGameGoesOn) {
    ASSERT_TRUE(StartGame());
    SimulateDeviceLoss();
    int exitCode = -1;
    EXPECT_FALSE(GameLoopStep(&exitCode));
    EXPECT_TRUE(HasDevice());
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    calls.clear();
    EXPECT_FALSE(GameLoopStep(&exitCode));
    EXPECT_EQ(calls, (std::vector<Call>{{SCENE_TITLE, 'D'}, {SCENE_TITLE, 'U'}}));
}

TEST_F(StartupRunningTest, LostDeviceThatCannotBeRebuiltShutsDown) {
    ASSERT_TRUE(StartGame());
    FreeArchive();  // nothing left to make the atlas from
    SimulateDeviceLoss();
    int exitCode = -1;
    // The frame that saw the loss still updates, in scene 0 by then.
    EXPECT_FALSE(GameLoopStep(&exitCode));
    EXPECT_EQ(calls, (std::vector<Call>{{SCENE_TITLE, 'D'}, {SCENE_IDLE, 'U'}}));
    EXPECT_TRUE(GameLoopStep(&exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(HasDevice());
    EXPECT_EQ(liveAllocations, 0);
}

TEST_F(StartupRunningTest, CloseBoxWhileRunningShutsDownOnceAndExitsZero) {
    ASSERT_TRUE(StartGame());
    int exitCode = -1;
    ASSERT_FALSE(GameLoopStep(&exitCode));
    headless::RequestClose();
    headless::RequestClose();
    EXPECT_EQ(RunUntilQuit(&exitCode), 0);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(liveAllocations, 0);
    EXPECT_FALSE(HasDevice());
}

}  // namespace
}  // namespace q::shell_test
