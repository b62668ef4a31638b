#include <gtest/gtest.h>

#include "frontend/frontend.hpp"
#include "frontend/menu.hpp"
#include "frontend/options.hpp"
#include "frontend_harness.hpp"
#include "platform/settings.hpp"
#include "platform/test_hooks.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

using namespace frontend_test;

class OptionsTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        savedSettings = settings;
        savedFlags[0] = SeEnabled;
        savedFlags[1] = BgmEnabled;
        savedFlags[2] = ExtraSpawnsEnabled;
        settings = GameSettings{};
        SeEnabled = BgmEnabled = ExtraSpawnsEnabled = 1;
        InitOptionRows();
        ActOptions();
    }
    void TearDown() override {
        settings = savedSettings;
        SeEnabled = savedFlags[0];
        BgmEnabled = savedFlags[1];
        ExtraSpawnsEnabled = savedFlags[2];
        InitOptionRows();
        FrontendTest::TearDown();
    }
    // Moves the cursor down to `row` from the top.
    static void GoToRow(int row) {
        for (int i = 0; i < row; ++i) {
            Frame(OptionsUpdate, {VK_DOWN});
            Frame(OptionsUpdate);
        }
    }
    static void Toggle() {
        Frame(OptionsUpdate, {VK_RIGHT});
        Frame(OptionsUpdate);
    }
    GameSettings savedSettings;
    int32_t savedFlags[3] = {1, 1, 1};
};

TEST_F(OptionsTest, OpensOnTheFirstRowInTheOptionsScene) {
    EXPECT_EQ(CurrentScene(), SCENE_OPTIONS);
    EXPECT_EQ(optionsCursor, 0);
    for (const OptionRow& row : optionRows) EXPECT_EQ(row.value, 1);
}

TEST_F(OptionsTest, TogglesTakeEffectOnlyOnLeaving) {
    Toggle();  // sound effects
    GoToRow(6);
    Toggle();  // chasers
    EXPECT_EQ(SeEnabled, 1);
    EXPECT_EQ(ExtraSpawnsEnabled, 1);
    Frame(OptionsUpdate, {VK_RETURN});
    EXPECT_EQ(SeEnabled, 0);
    EXPECT_EQ(ExtraSpawnsEnabled, 0);
    EXPECT_EQ(BgmEnabled, 1);
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(optionsCursor, 0);
}

TEST_F(OptionsTest, FilterAloneDiffersFromTheDeviceOnlyInTheFilter) {
    GoToRow(5);
    Toggle();
    Frame(OptionsUpdate, {VK_Z});
    EXPECT_EQ(settings.linearFilter, 0);
    // What the device was made with is what leaving compares against: only the
    // filter differs, so the device need not be made again.
    EXPECT_EQ(appliedSettings.linearFilter, 1);
    EXPECT_EQ(settings.windowed, appliedSettings.windowed);
    EXPECT_EQ(settings.colorDepth32, appliedSettings.colorDepth32);
    EXPECT_EQ(settings.vsync, appliedSettings.vsync);
}

TEST_F(OptionsTest, ToggledTwiceIsUnchanged) {
    GoToRow(2);
    Toggle();
    Frame(OptionsUpdate, {VK_LEFT});
    Frame(OptionsUpdate, {VK_RETURN});
    EXPECT_EQ(settings.windowed, 1);
}

TEST_F(OptionsTest, CursorWrapsAndDownWithRightTogglesTheNewRow) {
    Frame(OptionsUpdate, {VK_UP});
    EXPECT_EQ(optionsCursor, 6);
    EXPECT_TRUE(SoundRequested(0));
    Frame(OptionsUpdate, {VK_DOWN, VK_RIGHT});
    EXPECT_EQ(optionsCursor, 0);
    EXPECT_EQ(optionRows[0].value, 0);
    EXPECT_EQ(optionRows[6].value, 1);
}

TEST_F(OptionsTest, RightAndLeftTogetherCancel) {
    Frame(OptionsUpdate, {VK_RIGHT, VK_LEFT});
    EXPECT_EQ(optionRows[0].value, 1);
    EXPECT_TRUE(SoundRequested(0));
}

TEST_F(OptionsTest, EscapeDoesNotLeave) {
    Toggle();
    Frame(OptionsUpdate, {VK_ESCAPE});
    EXPECT_EQ(CurrentScene(), SCENE_OPTIONS);
    EXPECT_EQ(SeEnabled, 1);
}

TEST_F(OptionsTest, OddValueFromTheFileHighlightsNeitherChoiceUntilToggled) {
    settings.vsync = 5;
    InitOptionRows();
    auto draws = Draws(OptionsDraw);
    // Labels come first, then two choices per row; row 4's choices follow 7 labels.
    ASSERT_GE(draws.size(), 2u + 7u + 14u);
    const DrawCall* choices = &draws[2 + 7];
    EXPECT_EQ(choices[8].colour, 0x32FFFFFFu);
    EXPECT_EQ(choices[9].colour, 0x32FFFFFFu);
    GoToRow(4);
    Toggle();
    EXPECT_EQ(optionRows[4].value, -4);
}

TEST_F(OptionsTest, SelectedLabelAndChosenValueAreBright) {
    GoToRow(2);
    Toggle();  // full screen
    auto draws = Draws(OptionsDraw);
    ASSERT_GE(draws.size(), 2u + 7u + 14u);
    const DrawCall* labels = &draws[2];
    EXPECT_EQ(labels[2].dest, (Rect{0, 230, 179, 257}));
    EXPECT_EQ(labels[2].colour, 0xFFFFFFFFu);
    EXPECT_EQ(labels[0].colour, 0x32FFFFFFu);
    const DrawCall* choices = &draws[2 + 7];
    EXPECT_EQ(choices[4].dest, (Rect{250, 230, 401, 258})) << "full screen";
    EXPECT_EQ(choices[4].colour, 0xFFFFFFFFu);
    EXPECT_EQ(choices[5].dest.left, 450);
    EXPECT_EQ(choices[5].colour, 0x32FFFFFFu);
}

}  // namespace
}  // namespace q
