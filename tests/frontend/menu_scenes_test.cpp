#include <gtest/gtest.h>

#include <memory>

#include "frontend/character_wheel.hpp"
#include "frontend/frontend.hpp"
#include "frontend/frontend_helpers.hpp"
#include "frontend/menu.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"
#include "world/world.hpp"

namespace q {
namespace {

using namespace frontend_test;

class TitleTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        InitMenuItems();
        InitMenus();
        SetScene(SCENE_TITLE);
    }
    // Moves the title menu's cursor to `item` and waits for it to arrive.
    static void SelectAndWait(void (*update)(), int item) {
        for (int i = 0; i < item; ++i) {
            Frame(update, {KEY_DOWN});
            Frame(update);
        }
        Idle(update, 25);
    }
};

TEST_F(TitleTest, StartGameOpensAResetWheelForNormalPlay) {
    Session().playMode = PLAY_MODE_REPLAY;
    Session().character = 2;
    CharacterState().wheel[0].angle = 330;
    SelectAndWait(TitleUpdate, 0);
    Frame(TitleUpdate, {KEY_ENTER});
    EXPECT_EQ(CurrentScene(), SCENE_CHARACTER_SELECT);
    EXPECT_EQ(Session().playMode, PLAY_MODE_NORMAL);
    EXPECT_EQ(Session().character, 0);
    EXPECT_EQ(CharacterState().wheel[0].angle, 90) << "character 0 stands in front again";
}

TEST_F(TitleTest, WatchReplayOpensTheWheelInDemoReplay) {
    SelectAndWait(TitleUpdate, 4);
    Frame(TitleUpdate, {KEY_ENTER});
    EXPECT_EQ(CurrentScene(), SCENE_CHARACTER_SELECT);
    EXPECT_EQ(Session().playMode, PLAY_MODE_REPLAY);
    Session().playMode = PLAY_MODE_NORMAL;
}

TEST_F(TitleTest, EachEntryOpensItsScreen) {
    const int expected[] = {SCENE_CHARACTER_SELECT, SCENE_FLOOR_SELECT, SCENE_QUIT_PROMPT,
                            SCENE_OPTIONS, SCENE_CHARACTER_SELECT, SCENE_KEY_CONFIG, SCENE_HELP};
    for (int item = 0; item < kMainMenuItems; ++item) {
        SetScene(SCENE_TITLE);
        SelectAndWait(TitleUpdate, item);
        Frame(TitleUpdate, {KEY_ENTER});
        EXPECT_EQ(CurrentScene(), expected[item]) << "entry " << item;
        Frame(TitleUpdate);
    }
    Session().playMode = PLAY_MODE_NORMAL;
}

TEST_F(TitleTest, EscapeDoesNothingOnTheTitle) {
    Idle(TitleUpdate, 30);
    Frame(TitleUpdate, {KEY_ESCAPE});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
}

TEST_F(TitleTest, QuitEntryOnlyAsksAndTheQuestionStartsOnGoingBack) {
    SelectAndWait(TitleUpdate, 2);
    Frame(TitleUpdate, {KEY_ENTER});
    ASSERT_EQ(CurrentScene(), SCENE_QUIT_PROMPT);
    EXPECT_EQ(Menus().quit.cursor, 0);
    Frame(QuitPromptUpdate, {KEY_ENTER});  // held from the title: not a new press
    EXPECT_EQ(CurrentScene(), SCENE_QUIT_PROMPT);
    Idle(QuitPromptUpdate, 25);
    Frame(QuitPromptUpdate, {KEY_ENTER});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE) << "the first entry goes back to the title";
}

TEST_F(TitleTest, TitleShowsPictureLogoMenuAndCornerLabel) {
    auto draws = Draws(TitleDraw);
    ASSERT_EQ(draws.size(), 1u + 1u + kMainMenuItems + 1u);
    EXPECT_EQ(draws[0].dest, (Rect{0, 0, 640, 480}));
    EXPECT_EQ(draws[0].src, Rect(atlas::kTitle));
    EXPECT_EQ(draws[0].colour, 0xFFFFFFFFu);
    EXPECT_EQ(draws[1].dest, (Rect{13, 40, 626, 130})) << "the logo is centred";
    EXPECT_EQ(draws.back().dest, (Rect{2, 465, 133, 478}));
}

class PauseTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        InitMenuItems();
        InitMenus();
        world = std::make_unique<World>();
        InitActorPool(*world);
        previousWorld = HasGameWorld() ? &GameWorld() : nullptr;
        SetGameWorld(world.get());
        SetScene(SCENE_PAUSE);
    }
    void TearDown() override {
        SetGameWorld(previousWorld);
        FrontendTest::TearDown();
    }
    std::unique_ptr<World> world;
    World* previousWorld = nullptr;
};

TEST_F(PauseTest, ResumeGoesBackToPlayWithTheResumeSound) {
    Idle(PauseUpdate, 25);
    Frame(PauseUpdate, {KEY_ENTER});
    EXPECT_EQ(CurrentScene(), SCENE_PLAY);
    EXPECT_TRUE(SoundRequested(10));
    EXPECT_EQ(world->playResult, PLAY_RESULT_PLAYING) << "play goes on where it stopped";
}

TEST_F(PauseTest, RetryEndsTheFloorAsAFailure) {
    Frame(PauseUpdate, {KEY_DOWN});
    Idle(PauseUpdate, 25);
    Frame(PauseUpdate, {KEY_Z});
    EXPECT_EQ(CurrentScene(), SCENE_PLAY);
    EXPECT_EQ(world->playResult, PLAY_RESULT_FAILED);
    EXPECT_FALSE(SoundRequested(10));
}

TEST_F(PauseTest, EscapeDoesNotLeaveThePause) {
    Idle(PauseUpdate, 25);
    Frame(PauseUpdate, {KEY_ESCAPE});
    EXPECT_EQ(CurrentScene(), SCENE_PAUSE);
}

TEST_F(PauseTest, QuitToTitleGoesToTheTitle) {
    Frame(PauseUpdate, {KEY_UP});
    Idle(PauseUpdate, 25);
    Frame(PauseUpdate, {KEY_ENTER});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
}

}  // namespace
}  // namespace q
