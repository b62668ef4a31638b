#include <gtest/gtest.h>

#include <vector>

#include "app/startup_helpers.hpp"
#include "app/world_storage.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "world/actor_pool.hpp"

namespace q::shell_test {
namespace {

// Frames of a game that is running: a window, no data needed, the recording
// scenes in place of the real ones.
class ShellFrameTest : public ShellHarness {
protected:
    void SetUp() override {
        ShellHarness::SetUp();
        ASSERT_TRUE(CreateMainWindow());
    }
    static std::vector<Call> Updates() {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.half == 'U') out.push_back(c);
        return out;
    }
};

TEST_F(ShellFrameTest, EachFrameUpdatesTheCurrentSceneOnce) {
    SetScene(SCENE_OPTIONS);
    int exitCode = -1;
    for (int i = 0; i < 3; ++i) ASSERT_FALSE(GameLoopStep(&exitCode));
    const std::vector<Call> expected(3, Call{SCENE_OPTIONS, 'U'});
    EXPECT_EQ(Updates(), expected);
}

TEST_F(ShellFrameTest, SceneSetDuringAnUpdateIsNotUpdatedInTheSameFrame) {
    onUpdate[SCENE_CHARACTER_SELECT] = [] { SetScene(SCENE_FLOOR_INTRO); };
    SetScene(SCENE_CHARACTER_SELECT);
    RunFrame();
    EXPECT_EQ(Updates(), (std::vector<Call>{{SCENE_CHARACTER_SELECT, 'U'}}));
    EXPECT_EQ(CurrentScene(), SCENE_FLOOR_INTRO);
    calls.clear();
    RunFrame();
    EXPECT_EQ(Updates(), (std::vector<Call>{{SCENE_FLOOR_INTRO, 'U'}}));
}

TEST_F(ShellFrameTest, ShutdownDuringAnUpdateEndsTheLoopWithZero) {
    int updatesAfterShutdown = 0;
    onUpdate[SCENE_QUIT_PROMPT] = [] { Shutdown(); };
    onUpdate[SCENE_IDLE] = [&updatesAfterShutdown] { ++updatesAfterShutdown; };
    SetScene(SCENE_QUIT_PROMPT);
    int exitCode = -1;
    EXPECT_EQ(RunUntilQuit(&exitCode), 1);  // the frame that shut down
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(CurrentScene(), SCENE_IDLE);
    EXPECT_EQ(updatesAfterShutdown, 0);
    EXPECT_FALSE(HasMainWindow());
}

TEST_F(ShellFrameTest, CloseRequestShutsDownOnceAndEndsTheLoop) {
    SetScene(SCENE_TITLE);
    int exitCode = -1;
    ASSERT_FALSE(GameLoopStep(&exitCode));
    headless::RequestClose();
    EXPECT_TRUE(GameLoopStep(&exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(CurrentScene(), SCENE_IDLE);
    EXPECT_EQ(Updates().size(), 1u);  // no frame after the close
}

TEST_F(ShellFrameTest, TheFrameLoopItselfNeverPollsKeys) {
    int presses = 0;
    onUpdate[SCENE_PAUSE] = [&presses] {
        PollKeys();
        presses += IsPressed(ButtonEscape);
    };
    InitKeyBindings();
    SetScene(SCENE_TITLE);  // a scene that does not poll
    headless::SetKey(KEY_ESCAPE, true);
    int exitCode = -1;
    for (int i = 0; i < 3; ++i) GameLoopStep(&exitCode);
    EXPECT_FALSE(IsHeld(ButtonEscape));
    // The first poll, however late, still sees the key go down.
    SetScene(SCENE_PAUSE);
    for (int i = 0; i < 3; ++i) GameLoopStep(&exitCode);
    EXPECT_EQ(presses, 1);
}

TEST_F(ShellFrameTest, ReturnToTitleSwitchesSceneAndEmptiesThePool) {
    ASSERT_TRUE(CreateGameWorld());
    World& world = GameWorld();
    ASSERT_NE(InitActorPool(world), 0);
    const ActorInit accept = [](World&, Actor&, int, int, int) { return 1; };
    ASSERT_NE(SpawnActor(world, 32, 32, KIND_PICKUP, 0, accept), nullptr);
    ASSERT_NE(SpawnActor(world, 64, 32, KIND_PICKUP, 0, accept), nullptr);
    ASSERT_EQ(ActiveCount(world), 2);
    SetScene(SCENE_PAUSE);
    ReturnToTitle();
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(ActiveCount(world), 0);
    EXPECT_EQ(FreeCount(world), kPoolSize);
    DestroyGameWorld();
    EXPECT_FALSE(HasGameWorld());
}

TEST_F(ShellFrameTest, ReturnToTitleWithoutAWorldOnlySwitchesScene) {
    ASSERT_FALSE(HasGameWorld());
    ReturnToTitle();
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
}

TEST_F(ShellFrameTest, SceneOutsideTheTableIsRefused) {
    SetScene(SCENE_HELP);
    SetScene(kSceneCount);
    SetScene(SceneId(-1));
    EXPECT_EQ(CurrentScene(), SCENE_HELP);
}

}  // namespace
}  // namespace q::shell_test
