#include <gtest/gtest.h>

#include <cstring>

#include "world/world_builder.hpp"

namespace q {
namespace {

using test::Repeat;

bool SameActor(const Actor& a, const Actor& b) {
    return a.kind == b.kind && a.cell == b.cell && a.alive == b.alive && a.prev == b.prev && a.next == b.next &&
           a.x == b.x && a.oldX == b.oldX && a.y == b.y && a.oldY == b.oldY && a.vx == b.vx && a.vy == b.vy &&
           a.command == b.command && a.fallStep == b.fallStep && a.width == b.width && a.height == b.height &&
           a.dir == b.dir && a.frame == b.frame && a.timer == b.timer && a.substep == b.substep &&
           a.update == b.update && a.draw == b.draw;
}

// Every byte and field of play state, actor by actor.
::testing::AssertionResult SameWorld(const World& a, const World& b) {
    if (a.tileMap != b.tileMap) return ::testing::AssertionFailure() << "tile map";
    if (a.objectMap != b.objectMap) return ::testing::AssertionFailure() << "object map";
    if (a.occupancyMap != b.occupancyMap) return ::testing::AssertionFailure() << "occupancy";
    if (a.replayBuffer != b.replayBuffer) return ::testing::AssertionFailure() << "replay buffer";
    for (int i = 0; i < kActorRecords; ++i)
        if (!SameActor(a.actors[i], b.actors[i])) return ::testing::AssertionFailure() << "actor record " << i;
    const int32_t sa[] = {a.floorRows, a.scrollY,   a.replayLength, a.replayPos,   a.playResult,
                          a.scrollRequest, a.rightHold, a.leftHold, a.idleFrames, a.heldActor,
                          a.liftOriginX, a.liftOriginY, a.playMode, a.character, a.extraSpawnsEnabled};
    const int32_t sb[] = {b.floorRows, b.scrollY,   b.replayLength, b.replayPos,   b.playResult,
                          b.scrollRequest, b.rightHold, b.leftHold, b.idleFrames, b.heldActor,
                          b.liftOriginX, b.liftOriginY, b.playMode, b.character, b.extraSpawnsEnabled};
    if (std::memcmp(sa, sb, sizeof sa) != 0) return ::testing::AssertionFailure() << "shared variables";
    if (a.soundRequests != b.soundRequests) return ::testing::AssertionFailure() << "sounds";
    return ::testing::AssertionSuccess();
}

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
