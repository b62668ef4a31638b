#include <gtest/gtest.h>

#include "frontend/frontend.hpp"
#include "frontend/frontend_helpers.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

using namespace frontend_test;

class FloorSelectTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        savedFloor = Session().floorNumber;
        SetScene(SCENE_FLOOR_SELECT);
    }
    void TearDown() override {
        Session().floorNumber = savedFloor;
        FrontendTest::TearDown();
    }
    // One press from `from`, then the key let go.
    static int32_t After(int32_t from, std::initializer_list<int32_t> keys) {
        Session().floorNumber = from;
        Frame(FloorSelectUpdate, keys);
        const int32_t result = Session().floorNumber;
        Frame(FloorSelectUpdate);
        return result;
    }
    int32_t savedFloor = 1;
};

TEST_F(FloorSelectTest, ArrowsStepByOneAndByTen) {
    EXPECT_EQ(After(20, {KEY_LEFT}), 19);
    EXPECT_EQ(After(20, {KEY_RIGHT}), 21);
    EXPECT_EQ(After(20, {KEY_DOWN}), 30);
    EXPECT_EQ(After(20, {KEY_UP}), 10);
}

TEST_F(FloorSelectTest, NumbersWrapAroundTheFiftySixFloors) {
    EXPECT_EQ(After(1, {KEY_LEFT}), 56);
    EXPECT_EQ(After(1, {KEY_UP}), 47);
    EXPECT_EQ(After(56, {KEY_RIGHT}), 1);
    EXPECT_EQ(After(56, {KEY_DOWN}), 10);
    EXPECT_EQ(After(50, {KEY_DOWN}), 4);
    EXPECT_EQ(After(5, {KEY_UP}), 51);
    EXPECT_EQ(After(11, {KEY_UP}), 1);
    EXPECT_EQ(After(46, {KEY_DOWN}), 56);
}

TEST_F(FloorSelectTest, OnlyTheFirstArrowActsInAFrame) {
    EXPECT_EQ(After(30, {KEY_LEFT, KEY_RIGHT}), 29);
    EXPECT_EQ(After(30, {KEY_RIGHT, KEY_DOWN}), 31);
    EXPECT_EQ(After(30, {KEY_DOWN, KEY_UP}), 40);
}

TEST_F(FloorSelectTest, EachChangeClicks) {
    Session().floorNumber = 3;
    Frame(FloorSelectUpdate, {KEY_RIGHT});
    EXPECT_TRUE(SoundRequested(0));
    Frame(FloorSelectUpdate);
    EXPECT_FALSE(SoundRequested(0));
}

TEST_F(FloorSelectTest, EnterWithAnArrowChangesAndStays) {
    Session().floorNumber = 7;
    Frame(FloorSelectUpdate, {KEY_RIGHT, KEY_ENTER});
    EXPECT_EQ(Session().floorNumber, 8);
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_SELECT);
}

TEST_F(FloorSelectTest, ConfirmKeepsTheNumberAndEscapeDoesNothing) {
    Session().floorNumber = 7;
    Frame(FloorSelectUpdate, {KEY_ESCAPE});
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_SELECT);
    Frame(FloorSelectUpdate, {KEY_Z});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(Session().floorNumber, 7);
}

TEST_F(FloorSelectTest, ScreenShowsLabelNumberAndInstructions) {
    Session().floorNumber = 7;
    auto draws = Draws(FloorSelectDraw);
    EXPECT_TRUE(Drew(draws, Rect(atlas::kFloorSelectLabel)));
    EXPECT_TRUE(Drew(draws, Rect(atlas::kBigDigits[7]))) << "the big 7";
    EXPECT_FALSE(Drew(draws, Rect(atlas::kBigDigits[0]))) << "no leading zero";
    EXPECT_TRUE(Drew(draws, Rect(atlas::kFloorSelectHelp)));
}

}  // namespace
}  // namespace q
