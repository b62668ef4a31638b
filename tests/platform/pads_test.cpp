// Gamepads feed the nine buttons: a virtual pad stands in for the hardware,
// keys come through the headless back end, and the buttons are read as every
// scene reads them, after PollKeys.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <vector>

#include "platform/keyboard.hpp"
#include "platform/pads.hpp"
#include "support/headless_keys.hpp"
#include "support/virtual_pad.hpp"

namespace q {
namespace {

using test::VirtualPad;

class PadsTest : public test::HeadlessKeysTest {
protected:
    void SetUp() override {
        HeadlessKeysTest::SetUp();
        ASSERT_TRUE(StartPads()) << SDL_GetError();
    }
    // Every VirtualPad is local to its test, so it is gone before this.
    void TearDown() override {
        StopPads();
        HeadlessKeysTest::TearDown();
    }

    static int HeldCount() {
        int n = 0;
        for (int b = 0; b < kButtonCount; ++b) n += IsHeld(b) ? 1 : 0;
        return n;
    }
};

TEST_F(PadsTest, WithoutAPadNothingIsHeld) {
    PollKeys();
    PollKeys();
    EXPECT_EQ(PadsInUse(), 0);
    EXPECT_EQ(HeldCount(), 0);
}

TEST_F(PadsTest, EachPadButtonDoesItsJobInEveryScene) {
    VirtualPad pad;
    PollKeys();
    ASSERT_EQ(PadsInUse(), 1);
    const struct {
        SDL_GameControllerButton button;
        std::vector<int> holds;
    } roles[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, {ButtonUp}},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, {ButtonDown}},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, {ButtonLeft}},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, {ButtonRight}},
        // confirms in menus (Z) and lifts in play
        {SDL_CONTROLLER_BUTTON_A, {ButtonZ, ButtonAction}},
        // back and pause
        {SDL_CONTROLLER_BUTTON_B, {ButtonEscape}},
        {SDL_CONTROLLER_BUTTON_START, {ButtonEscape}},
        // the map
        {SDL_CONTROLLER_BUTTON_BACK, {ButtonCtrl}},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, {ButtonCtrl}},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, {ButtonCtrl}},
        // no job
        {SDL_CONTROLLER_BUTTON_X, {}},
        {SDL_CONTROLLER_BUTTON_Y, {}},
    };
    for (const auto& role : roles) {
        pad.Button(role.button, true);
        PollKeys();
        for (int b = 0; b < kButtonCount; ++b) {
            const bool expected = std::find(role.holds.begin(), role.holds.end(), b) != role.holds.end();
            EXPECT_EQ(IsHeld(b), expected) << "pad button " << role.button << ", game button " << b;
            EXPECT_EQ(IsPressed(b), expected ? 1 : 0) << "pad button " << role.button << ", game button " << b;
        }
        pad.Button(role.button, false);
        PollKeys();
        EXPECT_EQ(HeldCount(), 0) << "pad button " << role.button << " let go";
    }
    EXPECT_EQ(IsPressed(ButtonEnter), 0) << "Enter stays the keyboard's";
}

TEST_F(PadsTest, TheStickLeansPastItsDeadZoneToMove) {
    VirtualPad pad;
    pad.Stick(4000, -4000);  // a worn stick's drift
    PollKeys();
    EXPECT_EQ(HeldCount(), 0);

    pad.Stick(32767, 0);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonRight), 1);
    EXPECT_EQ(HeldCount(), 1);

    pad.Stick(-32768, 0);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonLeft), 1);
    EXPECT_FALSE(IsHeld(ButtonRight));

    pad.Stick(0, -20000);
    PollKeys();
    EXPECT_TRUE(IsHeld(ButtonUp));
    pad.Stick(0, 20000);
    PollKeys();
    EXPECT_TRUE(IsHeld(ButtonDown));
    EXPECT_FALSE(IsHeld(ButtonUp));

    pad.Stick(30000, 30000);  // a diagonal holds both
    PollKeys();
    EXPECT_TRUE(IsHeld(ButtonRight));
    EXPECT_TRUE(IsHeld(ButtonDown));
    EXPECT_EQ(HeldCount(), 2);

    pad.Stick(0, 0);
    PollKeys();
    EXPECT_EQ(HeldCount(), 0);
}

TEST_F(PadsTest, KeyboardAndPadHoldAButtonTogether) {
    VirtualPad pad;
    PollKeys();
    Down(KEY_RIGHT);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonRight), 1);

    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    PollKeys();
    EXPECT_TRUE(IsHeld(ButtonRight));
    EXPECT_EQ(IsPressed(ButtonRight), 0) << "the pad joining in is no new press";

    Up(KEY_RIGHT);
    PollKeys();
    EXPECT_TRUE(IsHeld(ButtonRight)) << "still held by the pad";
    EXPECT_EQ(IsPressed(ButtonRight), 0);

    pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    PollKeys();
    EXPECT_FALSE(IsHeld(ButtonRight));
}

TEST_F(PadsTest, APadPulledOutMidPressLetsGoAndOnePluggedInIsPickedUp) {
    PollKeys();
    EXPECT_EQ(PadsInUse(), 0);
    {
        VirtualPad pad;
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
        PollKeys();
        EXPECT_EQ(PadsInUse(), 1) << "plugged in while the game runs";
        EXPECT_EQ(IsPressed(ButtonLeft), 1);
        PollKeys();
        EXPECT_TRUE(IsHeld(ButtonLeft));
    }  // pulled out, still holding left
    PollKeys();
    EXPECT_EQ(PadsInUse(), 0);
    EXPECT_FALSE(IsHeld(ButtonLeft));
    EXPECT_EQ(IsPressed(ButtonLeft), 0);

    VirtualPad again;
    again.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    PollKeys();
    EXPECT_EQ(PadsInUse(), 1);
    EXPECT_EQ(IsPressed(ButtonLeft), 1) << "a fresh press from the new pad";
}

TEST_F(PadsTest, AKeyHeldThroughAPadsUnplugStaysOnePress) {
    VirtualPad* pad = new VirtualPad;
    pad->Button(SDL_CONTROLLER_BUTTON_A, true);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonAction), 1);
    Down(KEY_SPACE);
    delete pad;
    PollKeys();
    EXPECT_TRUE(IsHeld(ButtonAction));
    EXPECT_EQ(IsPressed(ButtonAction), 0) << "the key kept it down all along";
}

TEST_F(PadsTest, SeveralPadsAllWork) {
    VirtualPad first, second;
    PollKeys();
    EXPECT_EQ(PadsInUse(), 2);

    second.Button(SDL_CONTROLLER_BUTTON_START, true);
    PollKeys();
    EXPECT_EQ(IsPressed(ButtonEscape), 1);

    first.Button(SDL_CONTROLLER_BUTTON_B, true);
    second.Button(SDL_CONTROLLER_BUTTON_START, false);
    PollKeys();
    EXPECT_TRUE(IsHeld(ButtonEscape)) << "held by the first pad now";
    EXPECT_EQ(IsPressed(ButtonEscape), 0);

    second.Unplug();
    first.Button(SDL_CONTROLLER_BUTTON_B, false);
    first.Stick(0, 32767);
    PollKeys();
    EXPECT_EQ(PadsInUse(), 1);
    EXPECT_FALSE(IsHeld(ButtonEscape));
    EXPECT_EQ(IsPressed(ButtonDown), 1);
}

}  // namespace
}  // namespace q
