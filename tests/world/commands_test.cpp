#include <gtest/gtest.h>

#include "platform/backend.hpp"
#include "platform/keyboard.hpp"
#include "play/key_command.hpp"
#include "support/floor_dat.hpp"
#include "support/headless_keys.hpp"
#include "world/commands.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

class CommandsKeys : public q::test::HeadlessKeysTest {
protected:
    void SetUp() override {
        HeadlessKeysTest::SetUp();
        PollKeys();
    }
};

TEST_F(CommandsKeys, ActionGoingDownBeatsEveryDirection) {
    Down(KEY_RIGHT);
    Down(KEY_UP);
    Down(KEY_SPACE);
    PollKeys();
    EXPECT_EQ(KeysToCommand(), CMD_ACTION);
    PollKeys();  // the action key is still down but no longer pressed
    EXPECT_EQ(KeysToCommand(), CMD_UP);
}

TEST_F(CommandsKeys, LaterDirectionsWin) {
    Down(KEY_RIGHT);
    Down(KEY_LEFT);
    PollKeys();
    EXPECT_EQ(KeysToCommand(), CMD_LEFT);
    Down(KEY_DOWN);
    PollKeys();
    EXPECT_EQ(KeysToCommand(), CMD_DOWN);
    Up(KEY_LEFT);
    Up(KEY_DOWN);
    PollKeys();
    EXPECT_EQ(KeysToCommand(), CMD_RIGHT);
    Up(KEY_RIGHT);
    PollKeys();
    EXPECT_EQ(KeysToCommand(), CMD_NONE);
}

TEST(CommandsNormalPlay, ThePlayerTakesTheStepsCommandAndIgnoresTheDemo) {
    auto w = test::MakeWorld({
        "..........",
        "P.........",
        "..........",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, "LLLLLLLL");
    w->playMode = PLAY_MODE_NORMAL;
    for (int i = 0; i < 8; ++i) StepWorld(*w, CMD_RIGHT);
    EXPECT_EQ(test::Player(*w)->x, 32) << "two tiles right, the demo's Left never read";
}

TEST(CommandsReplay, ByteIBelongsToStepIEvenWhenNotRead) {
    auto w = test::MakeWorld({
        "..........",
        "P.........",
        "..........",
        "##########",
    });
    test::Populate(*w);
    // Bytes 1..3 fall on steps where the player is between columns.
    test::UseCommands(*w, "RLLLR");
    test::Steps(*w, 8);
    EXPECT_EQ(test::Player(*w)->x, 32);
}

TEST(CommandsReplay, AnEmptyDemoGivesNothingForEver) {
    const auto path = test::WriteTemp(
        "commands_empty_demo.dat", test::FloorFileBytes({test::FloorFromRows({"..........", "P.........", "..........", "##########"})}));
    auto w = test::MakeEmptyWorld(4);
    ASSERT_EQ(LoadFloor(*w, 1, path.c_str()), 1);
    EXPECT_EQ(w->replayLength, 10);
    ResetAttempt(*w);
    PopulateFloor(*w);
    w->playMode = PLAY_MODE_REPLAY;
    for (int i = 0; i < 30; ++i) {
        test::Steps(*w);
        ASSERT_EQ(test::Player(*w)->x, 0);
        ASSERT_EQ(test::Player(*w)->command, 0);
    }
    EXPECT_EQ(w->replayPos, 9);
}

}  // namespace
}  // namespace q
