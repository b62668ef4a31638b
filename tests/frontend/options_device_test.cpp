// Leaving the options screen rebuilds the display device only for a change
// that needs a new one.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "frontend/frontend.hpp"
#include "frontend/frontend_helpers.hpp"
#include "frontend/menu.hpp"
#include "frontend/options.hpp"
#include "platform/core/archive.hpp"
#include "platform/graphics.hpp"
#include "platform/platform_helpers.hpp"
#include "platform/core/settings.hpp"
#include "platform/sound.hpp"
#include "platform/test_hooks.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

using namespace frontend_test;

class OptionsDeviceTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        savedSettings = settings;
        savedMusic = MusicEnabled();
        settings = GameSettings{};
        SetMusicEnabled(true);
        archivePath = test::WriteTemp("options-device.dat",
                                          test::DataDatWithAtlas(testdata::EncodePng(testdata::PatternPicture(16, 16))));
        ASSERT_TRUE(LoadArchive(archivePath.c_str()));
        ASSERT_TRUE(CreateGraphics());
        InitOptionRows();
    }
    void TearDown() override {
        ReleaseGraphics();
        FreeArchive();
        std::remove(archivePath.c_str());
        settings = savedSettings;
        SetMusicEnabled(savedMusic);
        InitOptionRows();
        SetScene(SCENE_TITLE);
        FrontendTest::TearDown();
    }
    // Opens the screen, toggles `row` and leaves; returns how many devices
    // were made meanwhile.
    static uint32_t DevicesMadeByToggling(int row) {
        const uint32_t before = DevicesCreated();
        ActOptions();
        for (int i = 0; i < row; ++i) {
            Frame(OptionsUpdate, {KEY_DOWN});
            Frame(OptionsUpdate);
        }
        Frame(OptionsUpdate, {KEY_LEFT});
        Frame(OptionsUpdate, {KEY_ENTER});
        Frame(OptionsUpdate);
        return DevicesCreated() - before;
    }
    GameSettings savedSettings;
    bool savedMusic = true;
    std::string archivePath;
};

TEST_F(OptionsDeviceTest, FilterAloneKeepsTheDevice) {
    EXPECT_EQ(DevicesMadeByToggling(5), 0u);
    EXPECT_EQ(settings.linearFilter, 0);
    EXPECT_TRUE(HasDevice());
}

TEST_F(OptionsDeviceTest, MusicAloneKeepsTheDevice) {
    EXPECT_EQ(DevicesMadeByToggling(1), 0u);
    EXPECT_FALSE(MusicEnabled());
}

TEST_F(OptionsDeviceTest, VsyncMakesANewDevice) {
    EXPECT_EQ(DevicesMadeByToggling(4), 1u);
    EXPECT_EQ(settings.vsync, 0);
    EXPECT_TRUE(HasDevice());
}

TEST_F(OptionsDeviceTest, LeavingWithoutChangesKeepsTheDevice) {
    const uint32_t before = DevicesCreated();
    ActOptions();
    Frame(OptionsUpdate, {KEY_Z});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(DevicesCreated(), before);
}

int shutdowns = 0;

TEST_F(OptionsDeviceTest, ADeviceThatCannotBeRebuiltEndsTheProgram) {
    shutdowns = 0;
    SetShutdownHandler([] { ++shutdowns; });
    FreeArchive();  // no atlas for a new device
    DevicesMadeByToggling(4);
    SetShutdownHandler(nullptr);
    EXPECT_EQ(shutdowns, 1);
    EXPECT_FALSE(HasDevice());
}

TEST_F(OptionsDeviceTest, AFilterChangeNeedsNoRebuildSoCannotFail) {
    shutdowns = 0;
    SetShutdownHandler([] { ++shutdowns; });
    FreeArchive();
    DevicesMadeByToggling(5);
    SetShutdownHandler(nullptr);
    EXPECT_EQ(shutdowns, 0);
    EXPECT_TRUE(HasDevice());
}

}  // namespace
}  // namespace q
