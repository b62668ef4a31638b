#include <gtest/gtest.h>

#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::Repeat;

using test::SameWorld;

// A floor with something of everything moving: blocks to lift and carry, a
// builder, chasers and their spawner, a pickup and a lock, a ladder.
std::unique_ptr<World> BusyFloor() {
    auto w = test::MakeWorld({
        "........................................",
        "........................................",
        "........................................",
        "........................................",
        "..................X.....................",
        "......................*.................",
        "###############h########################",
        "...............H........................",
        "...............H........B...............",
        "...............H........................",
        "..P...J.L......H......S..........L......",
        "........................................",
        "########################################",
    });
    test::Populate(*w);
    // Walk right to the block, lift it, carry it, put it down, climb.
    test::UseCommands(*w, "R...R...A" + Repeat('.', 12) + "L...L...L...A" + Repeat('.', 8) + "R...R...R..." +
                              "R...R...R...R...R..." + Repeat('U', 40) + Repeat('R', 30));
    return w;
}

TEST(WorldValue, ACopiedWorldStepsExactlyLikeTheOriginal) {
    auto a = BusyFloor();
    test::PlaySteps(*a, 30);  // well into lifting and carrying
    auto b = std::make_unique<World>(*a);
    ASSERT_TRUE(SameWorld(*a, *b));
    for (int i = 0; i < 400; ++i) {
        test::PlaySteps(*a);
        test::PlaySteps(*b);
        ASSERT_TRUE(SameWorld(*a, *b)) << "after step " << i;
    }
}

TEST(WorldValue, AForkIsIndependentOfItsOrigin) {
    auto a = BusyFloor();
    test::PlaySteps(*a, 10);
    auto b = std::make_unique<World>(*a);
    test::UseCommands(*b, Repeat('L', 50));
    test::PlaySteps(*b, 50);
    auto c = BusyFloor();
    test::PlaySteps(*c, 10);
    EXPECT_TRUE(SameWorld(*a, *c));  // stepping the fork left the origin alone
    EXPECT_FALSE(SameWorld(*a, *b));
}

TEST(WorldValue, TheSameFloorAndCommandsReplayIdentically) {
    auto a = BusyFloor();
    auto b = BusyFloor();
    for (int i = 0; i < 600; ++i) {
        test::PlaySteps(*a);
        test::PlaySteps(*b);
        ASSERT_TRUE(SameWorld(*a, *b)) << "after step " << i;
    }
}

}  // namespace
}  // namespace q
