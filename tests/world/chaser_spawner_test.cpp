// The chaser spawner's rhythm and cap, and when chasers are refused.
#include <gtest/gtest.h>

#include "world/handlers.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::ActorsOfKind;
using test::MakeWorld;
using test::PlacePlayer;
using test::Steps;

// A walled room with a floor on row 10.
std::unique_ptr<World> Room() {
    std::vector<std::string> rows(12);
    rows[8] = rows[9] = "#......................................#";
    rows[10] = std::string(40, '#');
    return MakeWorld(rows);
}

bool Requested(const World& w, int effect) { return (w.soundRequests & (1u << effect)) != 0; }

TEST(ChaserSpawner, AddsAChaserAtItsPlaceEvery301Steps) {
    auto w = Room();
    PlacePlayer(*w, 480, 128);
    Actor* spawner = test::SpawnKind(*w, KIND_CHASER_SPAWNER, 4, 8);
    ASSERT_NE(spawner, nullptr);
    Steps(*w, 300);
    EXPECT_TRUE(ActorsOfKind(*w, KIND_CHASER).empty());
    w->soundRequests = 0;
    Steps(*w);
    auto chasers = ActorsOfKind(*w, KIND_CHASER);
    ASSERT_EQ(chasers.size(), 1u);
    EXPECT_EQ(chasers[0]->x, 64);
    EXPECT_EQ(chasers[0]->y, 128);
    EXPECT_EQ(chasers[0]->command, CMD_RIGHT);
    EXPECT_TRUE(Requested(*w, 8));
    EXPECT_EQ(spawner->timer, 0);
    Steps(*w);  // its first step comes after the one that made it
    EXPECT_EQ(chasers[0]->x, 68);
    Steps(*w, 299);
    EXPECT_EQ(ActorsOfKind(*w, KIND_CHASER).size(), 1u);
    Steps(*w);
    EXPECT_EQ(ActorsOfKind(*w, KIND_CHASER).size(), 2u);
}

TEST(ChaserSpawner, TenChasersAreTheMost) {
    for (int present : {9, 10}) {
        SCOPED_TRACE(present);
        auto w = Room();
        PlacePlayer(*w, 480, 128);
        for (int i = 0; i < present; ++i) test::PlaceActor(*w, KIND_CHASER, 32 + 16 * i, 128, ChaserInit);
        test::SpawnKind(*w, KIND_CHASER_SPAWNER, 4, 8);
        Steps(*w, 300);
        w->soundRequests = 0;
        Steps(*w);
        EXPECT_EQ(ActorsOfKind(*w, KIND_CHASER).size(), 10u);
        EXPECT_EQ(Requested(*w, 8), present == 9);
    }
}

TEST(ChaserSpawner, WithoutAPlayerNoChaserAppearsButTheSoundIsStillRequested) {
    auto w = Room();
    test::SpawnKind(*w, KIND_CHASER_SPAWNER, 4, 8);
    Steps(*w, 300);
    w->soundRequests = 0;
    Steps(*w);
    EXPECT_TRUE(ActorsOfKind(*w, KIND_CHASER).empty());
    EXPECT_TRUE(Requested(*w, 8));
}

TEST(ChaserSpawner, TheSoundIsTheJingleOfAnotherCharacter) {
    const int expected[3] = {8, 9, 4};
    for (int character = 0; character < 3; ++character) {
        auto w = Room();
        w->character = character;
        PlacePlayer(*w, 480, 128);
        test::SpawnKind(*w, KIND_CHASER_SPAWNER, 4, 8);
        Steps(*w, 300);
        w->soundRequests = 0;
        Steps(*w);
        EXPECT_EQ(w->soundRequests, 1u << expected[character]) << character;
    }
}

TEST(ChaserSpawner, ASpawnDuringPlayClearsObjectCellZero) {
    auto w = Room();
    PlacePlayer(*w, 480, 128);
    test::SpawnKind(*w, KIND_CHASER_SPAWNER, 4, 8);
    w->objectMap[0] = KIND_PICKUP;
    Steps(*w, 301);
    EXPECT_EQ(ActorsOfKind(*w, KIND_CHASER)[0]->cell, 0);
    EXPECT_EQ(w->objectMap[0], 0);
}

TEST(ChaserSpawn, NoChasersWithExtraSpawnsOff) {
    auto w = Room();
    PlacePlayer(*w, 480, 128);
    w->extraSpawnsEnabled = 0;
    SpawnChaser(*w, 64, 128, KIND_CHASER, 0);
    EXPECT_TRUE(ActorsOfKind(*w, KIND_CHASER).empty());
    w->extraSpawnsEnabled = 1;
    SpawnChaser(*w, 64, 128, KIND_CHASER, 0);
    EXPECT_EQ(ActorsOfKind(*w, KIND_CHASER).size(), 1u);
}

TEST(ChaserSpawn, AFloorsChaserMarkerNeedsThePlayerSpawnedFirst) {
    std::vector<std::string> rows(12);
    rows[8] = "..C.......P";
    rows[10] = std::string(40, '#');
    auto w = MakeWorld(rows);
    test::Populate(*w);
    auto chasers = ActorsOfKind(*w, KIND_CHASER);
    ASSERT_EQ(chasers.size(), 1u);
    EXPECT_EQ(chasers[0]->command, CMD_RIGHT);
    EXPECT_EQ(chasers[0]->cell, 8 * 40 + 2);

    auto lonely = MakeWorld({"", "", "", "", "", "", "", "", "..C", "", std::string(40, '#')});
    test::Populate(*lonely);
    EXPECT_TRUE(ActorsOfKind(*lonely, KIND_CHASER).empty());
    EXPECT_EQ(test::ObjectOf(*lonely, 2, 8), KIND_CHASER);  // the refused marker stays
}

}  // namespace
}  // namespace q
