#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "world/world_helpers.hpp"

namespace q {
namespace {

// Handlers that log which actor ran, so the tests can see the order of the
// passes.
std::vector<int> updateLog;
std::vector<int> drawLog;

void LogUpdate(World& w, Actor& a) { updateLog.push_back(w.IndexOf(a)); }
void LogDraw(const World& w, const Actor& a) { drawLog.push_back(w.IndexOf(a)); }
int LoggedInit(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, 16, 16, LogUpdate, LogDraw); }
int RefusingInit(World&, Actor& a, int, int, int) {
    a.x = 99;  // a refusing init may have scribbled on the record
    return 0;
}

struct PoolTest : ::testing::Test {
    void SetUp() override {
        updateLog.clear();
        drawLog.clear();
        w = test::MakeEmptyWorld(31);
    }
    std::unique_ptr<World> w;
};

TEST_F(PoolTest, NewActorsJoinTheActiveListInSpawnOrderWithClearedFields) {
    Actor* a = SpawnActor(*w, 10, 20, KIND_PICKUP, 45, LoggedInit);
    Actor* b = SpawnActor(*w, 30, 40, KIND_EXIT_LOCK, 46, LoggedInit);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(FirstActive(*w), a);
    EXPECT_EQ(NextActive(*w, *a), b);
    EXPECT_EQ(NextActive(*w, *b), nullptr);
    EXPECT_EQ(LastActive(*w), b);
    EXPECT_EQ(PrevActive(*w, *b), a);
    EXPECT_EQ(a->alive, 1);
    EXPECT_EQ(a->kind, KIND_PICKUP);
    EXPECT_EQ(a->cell, 45);
    EXPECT_EQ(a->x, 10);
    EXPECT_EQ(a->oldY, 20);
    EXPECT_EQ(a->dir, 2);
    EXPECT_EQ(a->fallStep, 6);
    EXPECT_EQ(ActiveCount(*w), 2);
    EXPECT_EQ(FreeCount(*w), kPoolSize - 2);
}

TEST_F(PoolTest, ARecycledRecordStartsWithEveryFieldCleared) {
    Actor* a = SpawnActor(*w, 10, 20, KIND_PICKUP, 0, LoggedInit);
    a->timer = 77;
    a->substep = 5;
    a->vx = -4;
    a->alive = 0;
    test::Steps(*w);  // removal pass puts it back at the free tail
    // Use up the other records so the released one is the next taken.
    for (int i = 0; i < kPoolSize - 1; ++i) ASSERT_NE(SpawnActor(*w, 0, 0, KIND_PICKUP, 0, LoggedInit), nullptr);
    Actor* again = SpawnActor(*w, 1, 2, KIND_EXIT_LOCK, 0, LoggedInit);
    ASSERT_EQ(again, a);
    EXPECT_EQ(again->timer, 0);
    EXPECT_EQ(again->substep, 0);
    EXPECT_EQ(again->vx, 0);
    EXPECT_EQ(again->kind, KIND_EXIT_LOCK);
}

TEST_F(PoolTest, ASpawnUsesUpTheMarkerOfItsCellEvenCellZero) {
    test::SetObject(*w, 5, 2, KIND_PICKUP);
    test::SetObject(*w, 0, 0, KIND_PICKUP);
    SpawnActor(*w, 0, 0, KIND_PICKUP, 2 * 40 + 5, LoggedInit);
    EXPECT_EQ(test::ObjectOf(*w, 5, 2), 0);
    EXPECT_EQ(test::ObjectOf(*w, 0, 0), KIND_PICKUP);
    SpawnActor(*w, 0, 0, KIND_PICKUP, 0, LoggedInit);
    EXPECT_EQ(test::ObjectOf(*w, 0, 0), 0);
}

TEST_F(PoolTest, AFullPoolRefusesFurtherSpawnsAndLeavesTheListsAlone) {
    for (int i = 0; i < kPoolSize; ++i) ASSERT_NE(SpawnActor(*w, i, 0, KIND_PICKUP, 0, LoggedInit), nullptr);
    Actor* last = LastActive(*w);
    EXPECT_EQ(SpawnActor(*w, 0, 0, KIND_PICKUP, 0, LoggedInit), nullptr);
    EXPECT_EQ(ActiveCount(*w), kPoolSize);
    EXPECT_EQ(FreeCount(*w), 0);
    EXPECT_EQ(LastActive(*w), last);
}

TEST_F(PoolTest, ARefusedInitLeavesTheRecordFirstOnTheFreeList) {
    const int firstFree = (*w)[kFreeHead].next;
    EXPECT_EQ(SpawnActor(*w, 5, 5, KIND_PICKUP, 0, RefusingInit), nullptr);
    EXPECT_EQ((*w)[kFreeHead].next, firstFree);
    EXPECT_EQ(FreeCount(*w), kPoolSize);
    EXPECT_EQ(ActiveCount(*w), 0);
    Actor* next = SpawnActor(*w, 1, 1, KIND_PICKUP, 0, LoggedInit);
    EXPECT_EQ(w->IndexOf(*next), firstFree);
}

TEST_F(PoolTest, ReleasingEverythingEmptiesTheActiveList) {
    for (int i = 0; i < 30; ++i) SpawnActor(*w, 0, 0, KIND_PICKUP, 0, LoggedInit);
    ReleaseAllActors(*w);
    EXPECT_EQ(FirstActive(*w), nullptr);
    EXPECT_EQ(ActiveCount(*w), 0);
    EXPECT_EQ(FreeCount(*w), kPoolSize);
}

TEST_F(PoolTest, FindActorLooksFromTheStartOnwardWhetherAliveOrNot) {
    Actor* a = SpawnActor(*w, 0, 0, KIND_PICKUP, 0, LoggedInit);
    Actor* b = SpawnActor(*w, 0, 0, KIND_EXIT_LOCK, 0, LoggedInit);
    Actor* c = SpawnActor(*w, 0, 0, KIND_PICKUP, 0, LoggedInit);
    a->alive = 0;
    EXPECT_EQ(FindActor(*w, FirstActive(*w), KIND_PICKUP), a);
    EXPECT_EQ(FindActor(*w, b, KIND_PICKUP), c);
    EXPECT_EQ(FindActor(*w, FirstActive(*w), KIND_BUILDER), nullptr);
    EXPECT_EQ(FindPlayer(*w), nullptr);
}

TEST_F(PoolTest, ActorsUpdateKindByKindInTheFixedOrderThenSpawnOrder) {
    // One actor of each of some kinds, spawned in an order unlike the passes.
    const int kinds[] = {KIND_PROP_96x176, KIND_PICKUP, KIND_FIGURE, KIND_PLAYER, KIND_EXIT_LOCK, KIND_PICKUP};
    std::vector<int> index;
    for (int k : kinds) index.push_back(w->IndexOf(*SpawnActor(*w, 0, 0, k, 0, LoggedInit)));
    test::Steps(*w);
    // Update order: 1, 10, ..., 7, 6, ..., 11.
    const std::vector<int> expected = {index[3], index[2], index[1], index[5], index[4], index[0]};
    EXPECT_EQ(updateLog, expected);
    DrawActors(*w);
    // Draw order: ..., 11, 6, 7, ..., 1, 10.
    const std::vector<int> drawn = {index[0], index[4], index[1], index[5], index[3], index[2]};
    EXPECT_EQ(drawLog, drawn);
}

TEST_F(PoolTest, AKilledActorIsDrawnUntilTheNextStepRemovesIt) {
    Actor* a = SpawnActor(*w, 0, 0, KIND_PICKUP, 0, LoggedInit);
    const int index = w->IndexOf(*a);
    test::Steps(*w);
    a->alive = 0;  // as a handler would during a step
    DrawActors(*w);
    DrawActors(*w);
    EXPECT_EQ(drawLog, (std::vector<int>{index, index}));
    updateLog.clear();
    test::Steps(*w);
    EXPECT_TRUE(updateLog.empty());
    EXPECT_EQ(ActiveCount(*w), 0);
    EXPECT_EQ(FreeCount(*w), kPoolSize);
}

// A pickup-kind handler that spawns one more actor of a chosen kind the
// first time it runs.
int spawnKind = 0;
void SpawningUpdate(World& w, Actor& a) {
    updateLog.push_back(w.IndexOf(a));
    if (spawnKind) {
        const int k = spawnKind;
        spawnKind = 0;
        SpawnActor(w, 0, 0, k, 0, LoggedInit);
    }
}
int SpawningInit(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, 16, 16, SpawningUpdate, nullptr); }

TEST_F(PoolTest, AnActorAppendedDuringItsKindsPassRunsInThatPass) {
    spawnKind = KIND_PICKUP;
    SpawnActor(*w, 0, 0, KIND_PICKUP, 0, SpawningInit);
    test::Steps(*w);
    EXPECT_EQ(updateLog.size(), 2u);
}

TEST_F(PoolTest, AChaserAddedByTheSpawnerPassWaitsForTheNextStep) {
    // The chaser pass (kind 5) comes before the spawner pass (kind 14).
    spawnKind = KIND_CHASER;
    SpawnActor(*w, 0, 0, KIND_CHASER_SPAWNER, 0, SpawningInit);
    test::Steps(*w);
    EXPECT_EQ(updateLog.size(), 1u);
    updateLog.clear();
    test::Steps(*w);
    EXPECT_EQ(updateLog.size(), 2u);  // now the chaser first, then the spawner
    EXPECT_NE(updateLog[0], updateLog[1]);
}

TEST_F(PoolTest, TheReplayCursorAdvancesOncePerStepAndStopsOnTheLastZero) {
    test::UseCommandBytes(*w, {1, 2, 3});
    test::Steps(*w, 2);
    EXPECT_EQ(w->replayPos, 2);
    test::Steps(*w, 100);
    EXPECT_EQ(w->replayPos, 12);  // 3 bytes + 10 zeros
    w->playMode = PLAY_MODE_NORMAL;
    w->replayPos = 0;
    test::Steps(*w, 5);
    EXPECT_EQ(w->replayPos, 0);
}

TEST(PoolHandlerNames, EveryHandlerHasItsOwnName) {
    const ActorHandler handlers[] = {PlayerWalk,    PlayerClimb,    PlayerCarry, PlayerFrozen, PlayerCrushed,
                                     LBlockFall,    LBlockRest,     LBlockLift,  LBlockShiftIn, LBlockCarried,
                                     LBlockShiftOut, LBlockLower,   Squashed,    BuilderWalk,  ChaserWalk,
                                     ChaserClimb,   SpawnerTick,    ExitLockTick, PickupTick};
    const ActorDrawer drawers[] = {PlayerDraw, LBlockDraw, BuilderDraw, ChaserDraw, PropDraw, FigureDraw};
    std::vector<std::string> names;
    for (ActorHandler h : handlers) names.emplace_back(HandlerName(h) ? HandlerName(h) : "");
    for (ActorDrawer h : drawers) names.emplace_back(HandlerName(h) ? HandlerName(h) : "");
    for (const std::string& n : names) {
        EXPECT_FALSE(n.empty());
        EXPECT_NE(n, "?");
    }
    EXPECT_EQ(names[0], "PlayerWalk");
    EXPECT_EQ(names[10], "LBlockShiftOut");
    EXPECT_EQ(names[16], "SpawnerTick");
    EXPECT_EQ(names[19], "PlayerDraw");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
    EXPECT_EQ(HandlerName(ActorHandler{}), nullptr);
    EXPECT_EQ(HandlerName(ActorDrawer{}), nullptr);
    EXPECT_STREQ(HandlerName(LogUpdate), "?");
}

}  // namespace
}  // namespace q
