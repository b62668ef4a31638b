#include <gtest/gtest.h>

#include "frontend/frontend.hpp"
#include "frontend/frontend_helpers.hpp"
#include "frontend/menu.hpp"
#include "frontend/options.hpp"
#include "platform/core/settings.hpp"
#include "platform/sound.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

using namespace frontend_test;

class OptionsTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        savedSettings = settings;
        savedFlags[0] = EffectsEnabled();
        savedFlags[1] = MusicEnabled();
        savedFlags[2] = ChasersEnabled();
        settings = GameSettings{};
        SetEffectsEnabled(true);
        SetMusicEnabled(true);
        SetChasersEnabled(true);
        InitOptionRows();
        ActOptions();
    }
    void TearDown() override {
        settings = savedSettings;
        SetEffectsEnabled(savedFlags[0]);
        SetMusicEnabled(savedFlags[1]);
        SetChasersEnabled(savedFlags[2]);
        InitOptionRows();
        FrontendTest::TearDown();
    }
    // Moves the cursor down to `row` from the top.
    static void GoToRow(int row) {
        for (int i = 0; i < row; ++i) {
            Frame(OptionsUpdate, {KEY_DOWN});
            Frame(OptionsUpdate);
        }
    }
    static void Toggle() {
        Frame(OptionsUpdate, {KEY_RIGHT});
        Frame(OptionsUpdate);
    }
    GameSettings savedSettings;
    bool savedFlags[3] = {true, true, true};
};

TEST_F(OptionsTest, OpensOnTheFirstRowInTheOptionsScene) {
    EXPECT_EQ(CurrentScene(), SCENE_OPTIONS);
    EXPECT_EQ(OptionsState().cursor, 0);
    for (const OptionRow& row : OptionsState().rows) EXPECT_EQ(row.value, 1);
}

TEST_F(OptionsTest, TogglesTakeEffectOnlyOnLeaving) {
    Toggle();  // sound effects
    GoToRow(6);
    Toggle();  // chasers
    EXPECT_TRUE(EffectsEnabled());
    EXPECT_TRUE(ChasersEnabled());
    Frame(OptionsUpdate, {KEY_ENTER});
    EXPECT_FALSE(EffectsEnabled());
    EXPECT_FALSE(ChasersEnabled());
    EXPECT_TRUE(MusicEnabled());
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(OptionsState().cursor, 0);
}

TEST_F(OptionsTest, EachRowSetsItsOwnSettingOnly) {
    GoToRow(5);
    Toggle();
    Frame(OptionsUpdate, {KEY_Z});
    EXPECT_EQ(settings.linearFilter, 0);
    EXPECT_EQ(settings.windowed, 1);
    EXPECT_EQ(settings.colorDepth32, 1);
    EXPECT_EQ(settings.vsync, 1);
    EXPECT_TRUE(EffectsEnabled());
    EXPECT_TRUE(MusicEnabled());
    EXPECT_TRUE(ChasersEnabled());
}

// Alt+Enter changes the display setting wherever the player is; the
// display row shows it, and leaving the screen does not switch back.
TEST_F(OptionsTest, TheDisplayRowFollowsAnAltEnterSwitchOnTheScreenAndOffIt) {
    GoToRow(1);
    Toggle();  // music, an edit still pending
    settings.windowed = 0;
    Frame(OptionsUpdate);
    EXPECT_EQ(OptionsState().rows[2].value, 0);
    EXPECT_EQ(OptionsState().rows[1].value, 0) << "other edits are kept";
    Frame(OptionsUpdate, {KEY_ENTER});
    EXPECT_EQ(settings.windowed, 0);
    EXPECT_FALSE(MusicEnabled());

    settings.windowed = 1;  // switched back at the title
    ActOptions();
    EXPECT_EQ(OptionsState().rows[2].value, 1);
    Frame(OptionsUpdate, {KEY_ENTER});
    EXPECT_EQ(settings.windowed, 1);
}

TEST_F(OptionsTest, ToggledTwiceIsUnchanged) {
    GoToRow(2);
    Toggle();
    Frame(OptionsUpdate, {KEY_LEFT});
    Frame(OptionsUpdate, {KEY_ENTER});
    EXPECT_EQ(settings.windowed, 1);
}

TEST_F(OptionsTest, CursorWrapsAndDownWithRightTogglesTheNewRow) {
    Frame(OptionsUpdate, {KEY_UP});
    EXPECT_EQ(OptionsState().cursor, 6);
    EXPECT_TRUE(SoundRequested(0));
    Frame(OptionsUpdate, {KEY_DOWN, KEY_RIGHT});
    EXPECT_EQ(OptionsState().cursor, 0);
    EXPECT_EQ(OptionsState().rows[0].value, 0);
    EXPECT_EQ(OptionsState().rows[6].value, 1);
}

TEST_F(OptionsTest, RightAndLeftTogetherCancel) {
    Frame(OptionsUpdate, {KEY_RIGHT, KEY_LEFT});
    EXPECT_EQ(OptionsState().rows[0].value, 1);
    EXPECT_TRUE(SoundRequested(0));
}

TEST_F(OptionsTest, EscapeDoesNotLeave) {
    Toggle();
    Frame(OptionsUpdate, {KEY_ESCAPE});
    EXPECT_EQ(CurrentScene(), SCENE_OPTIONS);
    EXPECT_TRUE(EffectsEnabled());
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
    EXPECT_EQ(OptionsState().rows[4].value, -4);
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
