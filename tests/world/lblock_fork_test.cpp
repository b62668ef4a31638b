// A world copied in the middle of a lift, with creatures about, plays on
// exactly like the original.
#include <gtest/gtest.h>

#include "world/handlers.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

TEST(LBlockFork, ACopyMadeMidLiftPlaysOnIdentically) {
    std::vector<std::string> rows(14);
    rows[3] = "..S";
    rows[8] = "....P.L.............B";
    rows[10] = "##############################";
    rows[13] = std::string(40, '#');
    auto w = test::MakeWorld(rows);
    test::Populate(*w);
    Actor* player = test::Player(*w);
    ASSERT_NE(player, nullptr);
    std::string script = "R...A" + test::Repeat('.', 7) + test::Repeat('L', 6) + "A" + test::Repeat('R', 30);
    test::UseCommands(*w, script + test::Repeat('.', 20) + script);
    test::Steps(*w, 7);
    ASSERT_EQ(player->update, PlayerFrozen);  // the lift is under way

    auto copy = std::make_unique<World>(*w);
    uint32_t soundsA = 0, soundsB = 0;
    for (int step = 0; step < 700; ++step) {
        w->soundRequests = copy->soundRequests = 0;
        test::Steps(*w);
        test::Steps(*copy);
        soundsA |= w->soundRequests;
        soundsB |= copy->soundRequests;
        ASSERT_EQ(w->soundRequests, copy->soundRequests) << "step " << step;
    }
    EXPECT_EQ(soundsA, soundsB);
    EXPECT_NE(soundsA & (1u << 6), 0u) << "the builder dropped a block along the way";
    EXPECT_NE(soundsA & (1u << 8), 0u) << "the spawner added a chaser along the way";
    EXPECT_TRUE(test::SameWorld(*w, *copy));
}

}  // namespace
}  // namespace q
