// A world copied in the middle of a lift, with creatures about, plays on
// exactly like the original.
#include <gtest/gtest.h>

#include <cstring>

#include "world/handlers.hpp"
#include "world_builder.hpp"

namespace q {
namespace {

void ExpectSameActors(World& a, World& b) {
    Actor* x = FirstActive(a);
    Actor* y = FirstActive(b);
    int index = 0;
    for (; x && y; x = NextActive(a, *x), y = NextActive(b, *y), ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(a.IndexOf(*x), b.IndexOf(*y));
        EXPECT_EQ(x->kind, y->kind);
        EXPECT_EQ(x->alive, y->alive);
        EXPECT_EQ(x->x, y->x);
        EXPECT_EQ(x->y, y->y);
        EXPECT_EQ(x->vx, y->vx);
        EXPECT_EQ(x->vy, y->vy);
        EXPECT_EQ(x->dir, y->dir);
        EXPECT_EQ(x->timer, y->timer);
        EXPECT_EQ(x->update, y->update);
    }
    EXPECT_EQ(x, nullptr);
    EXPECT_EQ(y, nullptr);
}

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
    ExpectSameActors(*w, *copy);
    EXPECT_EQ(w->heldActor, copy->heldActor);
    EXPECT_EQ(w->playResult, copy->playResult);
    EXPECT_EQ(0, std::memcmp(w->occupancyMap.data(), copy->occupancyMap.data(), w->occupancyMap.size()));
    EXPECT_EQ(0, std::memcmp(w->objectMap.data(), copy->objectMap.data(), w->objectMap.size()));
}

}  // namespace
}  // namespace q
