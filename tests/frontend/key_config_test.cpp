#include <gtest/gtest.h>

#include "frontend/frontend.hpp"
#include "frontend/frontend_helpers.hpp"
#include "frontend/key_config.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"
#include "play/key_command.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

using namespace frontend_test;

class KeyConfigTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        SetScene(SCENE_KEY_CONFIG);
    }
    static void Tap(int32_t key) {
        Frame(KeyConfigUpdate, {key});
        Frame(KeyConfigUpdate);
    }
};

TEST_F(KeyConfigTest, StartsOnSpaceAndStepsThroughShiftToTheLetters) {
    EXPECT_EQ(Keys().actionKeyChoice, 26);
    Tap(KEY_RIGHT);
    EXPECT_EQ(Keys().actionKeyChoice, 27);
    Tap(KEY_RIGHT);
    EXPECT_EQ(Keys().actionKeyChoice, 0);
    EXPECT_EQ(Keys().buttons[ButtonAction].key, KEY_A);
    Tap(KEY_LEFT);
    EXPECT_EQ(Keys().actionKeyChoice, 27);
    EXPECT_EQ(Keys().buttons[ButtonAction].key, KEY_SHIFT);
}

TEST_F(KeyConfigTest, RightAndLeftTogetherLeaveTheChoiceButClickTwice) {
    Frame(KeyConfigUpdate, {KEY_RIGHT, KEY_LEFT});
    EXPECT_EQ(Keys().actionKeyChoice, 26);
    EXPECT_TRUE(SoundRequested(0));
}

TEST_F(KeyConfigTest, ActionReboundToShiftAnswersShiftAndNotSpace) {
    Tap(KEY_RIGHT);
    Frame(KeyConfigUpdate, {KEY_ENTER});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    HoldOnly({});
    PollKeys();
    HoldOnly({KEY_SHIFT});
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 1);
    HoldOnly({});
    PollKeys();
    HoldOnly({KEY_SPACE});
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 0);
    EXPECT_FALSE(IsHeld(ButtonAction));
}

TEST_F(KeyConfigTest, PlayerCommandFollowsTheReboundKey) {
    Tap(KEY_RIGHT);
    Frame(KeyConfigUpdate, {KEY_ENTER});
    HoldOnly({KEY_SHIFT});
    PollKeys();
    EXPECT_EQ(KeysToCommand(), CMD_ACTION) << "Shift is the action now";
    HoldOnly({});
    PollKeys();
    HoldOnly({KEY_SPACE});
    PollKeys();
    EXPECT_EQ(KeysToCommand(), CMD_NONE) << "Space is an ordinary key again";
}

TEST_F(KeyConfigTest, ChoosingZSharesTheKeyWithTheConfirmButton) {
    for (int i = 0; i < 3; ++i) Tap(KEY_LEFT);  // Space, Z... : 26 -> 25
    ASSERT_EQ(Keys().actionKeyChoice, 23);
    Tap(KEY_RIGHT);
    Tap(KEY_RIGHT);
    ASSERT_EQ(Keys().actionKeyChoice, 25);
    EXPECT_EQ(Keys().buttons[ButtonAction].key, KEY_Z);
    HoldOnly({KEY_Z});
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 1);
    EXPECT_EQ(IsPressed(ButtonZ), 1);
}

TEST_F(KeyConfigTest, EscapeAndOtherKeysDoNothing) {
    Frame(KeyConfigUpdate, {KEY_ESCAPE});
    Frame(KeyConfigUpdate, {KEY_SPACE});
    EXPECT_EQ(CurrentScene(), SCENE_KEY_CONFIG);
    EXPECT_EQ(Keys().actionKeyChoice, 26);
}

TEST_F(KeyConfigTest, KeyPicturesAreLaidOutNineLettersToARow) {
    EXPECT_EQ(KeyChoicePicture(0), Rect(atlas::kKeys[0]));
    EXPECT_EQ(KeyChoicePicture(8), Rect(atlas::kKeys[8]));
    EXPECT_EQ(KeyChoicePicture(9), Rect(atlas::kKeys[9]));
    EXPECT_EQ(KeyChoicePicture(25), Rect(atlas::kKeys[25]));
    EXPECT_EQ(KeyChoicePicture(26), Rect(atlas::kKeys[26]));
    EXPECT_EQ(KeyChoicePicture(27), Rect(atlas::kKeys[27]));
}

TEST_F(KeyConfigTest, ScreenShowsTheChosenKeyBesideTheLabel) {
    Tap(KEY_RIGHT);
    auto draws = Draws(KeyConfigDraw);
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws[2].dest, (Rect{0, 300, 343, 328}));
    EXPECT_EQ(draws[3].dest, (Rect{500, 300, 596, 334}));
    EXPECT_EQ(draws[3].src, KeyChoicePicture(27));
}

}  // namespace
}  // namespace q
