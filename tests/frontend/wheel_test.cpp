#include <gtest/gtest.h>

#include "frontend/character_wheel.hpp"
#include "frontend/frontend.hpp"
#include "frontend/frontend_helpers.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

using namespace frontend_test;

class WheelTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        Session().character = 2;
        InitCharacterWheel();
        InitPortraits();
    }
    // The wheel and portrait steps of one frame, as the selection scene runs them.
    static void Step() {
        PollKeys();
        confirmed = StepWheel();
        StepPortraits();
    }
    static int confirmed;
};
int WheelTest::confirmed = 0;

int FrontEntry() {
    for (int i = 0; i < kWheelEntries; ++i)
        if (CharacterState().wheel[i].angle == 90) return i;
    return -1;
}

TEST_F(WheelTest, RestPlacesAreFrontBackLeftBackRight) {
    EXPECT_EQ(Session().character, 0);
    EXPECT_EQ(CharacterState().wheel[0].x, 213);
    EXPECT_EQ(CharacterState().wheel[0].y, 319);
    EXPECT_EQ(CharacterState().wheel[1].x, 144);
    EXPECT_EQ(CharacterState().wheel[1].y, 201);
    EXPECT_EQ(CharacterState().wheel[2].x, 282);
    EXPECT_EQ(CharacterState().wheel[2].y, 200);
}

TEST_F(WheelTest, PlacesFollowTheCircleTruncatedTowardZero) {
    WheelEntry e;
    e.angle = 0;
    PlaceOnWheel(&e);
    EXPECT_EQ(e.x, 293);
    EXPECT_EQ(e.y, 240);
    e.angle = 180;
    PlaceOnWheel(&e);
    EXPECT_EQ(e.x, 134) << "cos is a hair above -1 with the rounded pi, and truncates up";
    EXPECT_EQ(e.y, 240);
    e.angle = 270;
    PlaceOnWheel(&e);
    EXPECT_EQ(e.x, 213);
    EXPECT_EQ(e.y, 161) << "sin is a hair above -1 with the rounded pi, and truncates up";
}

TEST_F(WheelTest, RightBringsCharacterOneToTheFrontInTwelveFrames) {
    Frame(Step, {KEY_RIGHT});
    EXPECT_TRUE(SoundRequested(0));
    Idle(Step, 11);
    EXPECT_NE(CharacterState().wheel[1].angle, 90);
    Frame(Step);
    EXPECT_EQ(CharacterState().wheel[1].angle, 90);
    EXPECT_EQ(CharacterState().wheel[1].x, 213);
    EXPECT_EQ(CharacterState().wheel[1].y, 319);
    EXPECT_EQ(CharacterState().wheel[0].angle, 330);
    EXPECT_EQ(CharacterState().wheel[2].angle, 210);
    EXPECT_EQ(Session().character, 0) << "not yet: the front is noticed at the start of a frame";
    Frame(Step);
    EXPECT_EQ(Session().character, 1);
    EXPECT_EQ(CharacterState().portraits[1].x, 480) << "its portrait starts to slide in on that frame";
}

TEST_F(WheelTest, LeftTurnsTheOtherWay) {
    Frame(Step, {KEY_LEFT});
    Idle(Step, 13);
    EXPECT_EQ(FrontEntry(), 2);
    EXPECT_EQ(Session().character, 2);
}

TEST_F(WheelTest, KeysAreIgnoredWhileTurning) {
    Frame(Step, {KEY_RIGHT});
    Frame(Step);
    Frame(Step, {KEY_LEFT});
    Frame(Step);
    Frame(Step, {KEY_ENTER});
    EXPECT_EQ(confirmed, 0);
    EXPECT_FALSE(SoundRequested(0));
    Idle(Step, 20);
    EXPECT_EQ(FrontEntry(), 1) << "the Left press was not queued";
    for (const WheelEntry& e : CharacterState().wheel) EXPECT_EQ(e.handler, &WheelRest);
}

TEST_F(WheelTest, EnterWithATurnKeyConfirmsTheCharacterInFront) {
    Idle(Step, 2);
    Frame(Step, {KEY_RIGHT, KEY_ENTER});
    EXPECT_EQ(confirmed, 1);
    EXPECT_EQ(Session().character, 0);
    EXPECT_EQ(CharacterState().wheel[0].handler, &WheelTurn) << "the turn still starts";
}

TEST_F(WheelTest, RightAndLeftTogetherTurnWithTheLaterKey) {
    Frame(Step, {KEY_RIGHT, KEY_LEFT});
    for (const WheelEntry& e : CharacterState().wheel) EXPECT_EQ(e.angleStep, 10);
}

TEST_F(WheelTest, OnlyTheFrontCharacterWalks) {
    Idle(Step, 5);
    EXPECT_EQ(CharacterState().wheel[0].animFrame, 5);
    EXPECT_EQ(CharacterState().wheel[1].animFrame, 0);
    Idle(Step, 11);
    EXPECT_EQ(CharacterState().wheel[0].animFrame, 0) << "the walking loop has 16 frames";
}

TEST_F(WheelTest, ChosenPortraitSlidesInAndFadesUp) {
    Idle(Step, 12);
    EXPECT_EQ(CharacterState().portraits[0].x, 370);
    EXPECT_EQ(CharacterState().portraits[0].alpha, 120);
    Idle(Step, 14);
    EXPECT_EQ(CharacterState().portraits[0].alpha, 255);
    EXPECT_EQ(CharacterState().portraits[1].x, 490);
    EXPECT_EQ(CharacterState().portraits[1].alpha, 0);
    EXPECT_EQ(CharacterState().portraits[126].alpha, 0);
}

TEST_F(WheelTest, EscapeLeavesForTheTitleEvenMidTurn) {
    SetScene(SCENE_CHARACTER_SELECT);
    Frame(CharacterSelectUpdate, {KEY_RIGHT});
    Frame(CharacterSelectUpdate);
    Frame(CharacterSelectUpdate, {KEY_ESCAPE});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
}

TEST_F(WheelTest, ScreenShowsWheelNameAndOnlyVisiblePortraits) {
    auto first = Draws(CharacterSelectDraw);
    EXPECT_TRUE(Drew(first, Rect(atlas::kCharacterHeading))) << "heading";
    EXPECT_TRUE(Drew(first, Rect(atlas::kCharacterNames[0]))) << "name of character 0";
    EXPECT_FALSE(Drew(first, Rect(atlas::kCharacterNames[1]))) << "names of the back entries";
    EXPECT_FALSE(Drew(first, Rect(atlas::kPortraits[0]))) << "portraits start transparent";
    Idle(Step, 3);
    auto later = Draws(CharacterSelectDraw);
    ASSERT_FALSE(later.empty());
    EXPECT_EQ(later.back().src, Rect(atlas::kPortraits[0]));
    EXPECT_EQ(later.back().dest, (Rect{460, 150, 600, 406})) << "drawn at twice its size";
    EXPECT_EQ(later.back().colour, 0x1EFFFFFFu);
}

}  // namespace
}  // namespace q
