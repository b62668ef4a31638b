#include <gtest/gtest.h>

#include "platform/backend.hpp"
#include "platform/keyboard.hpp"
#include "support/headless_keys.hpp"

namespace q {
namespace {

class KeysTest : public q::test::HeadlessKeysTest {};

TEST_F(KeysTest, NothingIsPressedOrHeldBeforeTheFirstPoll) {
    Down(KEY_ENTER);
    for (int b = 0; b < kButtonCount; ++b) {
        EXPECT_EQ(IsPressed(b), 0) << "button " << b;
        EXPECT_FALSE(IsHeld(b)) << "button " << b;
    }
}

TEST_F(KeysTest, KeyHeldForThreePollsIsPressedOnceAndHeldThrice) {
    PollKeys();  // key still up
    Down(KEY_RIGHT);
    int presses = 0, holds = 0;
    for (int poll = 0; poll < 3; ++poll) {
        PollKeys();
        presses += IsPressed(ButtonRight);
        holds += IsHeld(ButtonRight) ? 1 : 0;
        EXPECT_EQ(IsPressed(ButtonRight), poll == 0 ? 1 : 0) << "poll " << poll;
    }
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(holds, 3);
    Up(KEY_RIGHT);
    PollKeys();
    EXPECT_FALSE(IsHeld(ButtonRight));
    EXPECT_EQ(IsPressed(ButtonRight), 0);
}

TEST_F(KeysTest, KeyAlreadyDownAtTheFirstPollCountsAsPressed) {
    Down(KEY_ESCAPE);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonEscape), 1);
    EXPECT_TRUE(IsHeld(ButtonEscape));
}

TEST_F(KeysTest, ReleasedAndPressedAgainIsASecondPress) {
    PollKeys();
    Down(KEY_SPACE);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 1);
    Up(KEY_SPACE);
    PollKeys();
    Down(KEY_SPACE);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 1);
}

TEST_F(KeysTest, KeyTappedBetweenTwoPollsIsNotSeen) {
    PollKeys();
    Down(KEY_UP);
    Up(KEY_UP);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonUp), 0);
    EXPECT_FALSE(IsHeld(ButtonUp));
}

TEST_F(KeysTest, WithoutAPollTheEdgeStaysAsItWas) {
    PollKeys();
    Down(KEY_DOWN);
    PollKeys();
    Up(KEY_DOWN);
    // A scene that does not poll still sees the press of the last poll.
    EXPECT_EQ(IsPressed(ButtonDown), 1);
    EXPECT_TRUE(IsHeld(ButtonDown));
}

TEST_F(KeysTest, EachDefaultKeyDrivesItsOwnButtonOnly) {
    const struct {
        int32_t vk;
        int button;
    } defaults[] = {
        {13, ButtonEnter}, {39, ButtonRight}, {37, ButtonLeft}, {40, ButtonDown}, {38, ButtonUp},
        {17, ButtonCtrl},  {27, ButtonEscape}, {'Z', ButtonZ},  {32, ButtonAction},
    };
    for (const auto& d : defaults) {
        headless::ReleaseAllKeys();
        PollKeys();
        Down(d.vk);
        PollKeys();
        for (int b = 0; b < kButtonCount; ++b) {
            EXPECT_EQ(IsPressed(b), b == d.button ? 1 : 0) << "key " << d.vk << " button " << b;
        }
    }
    EXPECT_EQ(Keys().actionKeyChoice, 26);
}

TEST_F(KeysTest, TwoButtonsOnOneKeyBothSeeIt) {
    Keys().actionKeyChoice = 25;
    Keys().buttons[ButtonAction].key = KeyOfChoice(Keys().actionKeyChoice);
    PollKeys();
    Down('Z');
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonZ), 1);
    EXPECT_EQ(IsPressed(ButtonAction), 1);
}

TEST_F(KeysTest, ActionReboundToShiftIgnoresSpace) {
    Keys().buttons[ButtonAction].key = KeyOfChoice(27);
    PollKeys();
    Down(KEY_SPACE);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 0);
    Down(KEY_SHIFT);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 1);
}

TEST_F(KeysTest, KeyChoicesAreTheLettersThenSpaceThenShift) {
    EXPECT_EQ(KeyOfChoice(0), 'A');
    EXPECT_EQ(KeyOfChoice(12), 'M');
    EXPECT_EQ(KeyOfChoice(25), 'Z');
    EXPECT_EQ(KeyOfChoice(26), KEY_SPACE);
    EXPECT_EQ(KeyOfChoice(27), KEY_SHIFT);
}

TEST_F(KeysTest, InitRestoresTheDefaultsAfterARebind) {
    Keys().buttons[ButtonAction].key = KEY_SHIFT;
    Keys().actionKeyChoice = 27;
    InitKeyBindings();
    EXPECT_EQ(Keys().actionKeyChoice, 26);
    PollKeys();
    Down(KEY_SPACE);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 1);
}

TEST_F(KeysTest, UnknownButtonsAndKeysReadAsUp) {
    Down(KEY_ENTER);
    PollKeys();
    EXPECT_EQ(IsPressed(-1), 0);
    EXPECT_EQ(IsPressed(kButtonCount), 0);
    EXPECT_FALSE(IsHeld(kButtonCount));
    headless::SetKey(100000, true);  // dropped, not written past the table
    EXPECT_FALSE(KeyDown(100000));
    EXPECT_FALSE(KeyDown(-5));
}

}  // namespace
}  // namespace q
