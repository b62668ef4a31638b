// Pickups, exit locks, the still pictures and the figure.
#include <gtest/gtest.h>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "world/character_sets.hpp"
#include "world/handlers.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::ActorsOfKind;
using test::MakeWorld;
using test::ObjectOf;
using test::Steps;

std::vector<DrawCall> DrawnBy(World& w, Actor& a) {
    StartDrawRecording();
    a.draw(w, a);
    StopDrawRecording();
    int count = 0;
    const DrawCall* draws = RecordedDraws(&count);
    return std::vector<DrawCall>(draws, draws + count);
}

TEST(PropsPickup, TakingTheLastPickupOpensTheLockOneStepLater) {
    // The player walks right into the pickup; the lock stands at column 16.
    std::vector<std::string> rows(12);
    rows[6] = "................X";
    rows[9] = ".......*";
    rows[8] = "....P";
    rows[10] = std::string(40, '#');
    auto w = MakeWorld(rows);
    test::Populate(*w);
    test::UseCommands(*w, test::Repeat('R', 20));
    Actor* lock = ActorsOfKind(*w, KIND_EXIT_LOCK).at(0);
    Actor* pickup = ActorsOfKind(*w, KIND_PICKUP).at(0);
    int touchStep = 0;
    for (int step = 1; step <= 20 && touchStep == 0; ++step) {
        w->soundRequests = 0;
        Steps(*w);
        if (w->soundRequests & (1u << 1)) touchStep = step;
    }
    ASSERT_GT(touchStep, 0);
    EXPECT_EQ(pickup->alive, 0);
    EXPECT_EQ(lock->alive, 1);
    EXPECT_EQ(ObjectOf(*w, 16, 6), 0);

    Steps(*w);  // the pickup leaves; the lock finds none and opens
    EXPECT_TRUE(ActorsOfKind(*w, KIND_PICKUP).empty());
    EXPECT_EQ(ObjectOf(*w, 16, 6), EXIT_CELL);
    EXPECT_EQ(ObjectOf(*w, 17, 6), EXIT_CELL);
    EXPECT_EQ(ObjectOf(*w, 16, 7), 0);
    EXPECT_EQ(lock->alive, 0);
    EXPECT_EQ(ActorsOfKind(*w, KIND_EXIT_LOCK).size(), 1u);

    Steps(*w);
    EXPECT_TRUE(ActorsOfKind(*w, KIND_EXIT_LOCK).empty());
}

TEST(PropsPickup, AnUntouchedPickupKeepsTheLockShut) {
    std::vector<std::string> rows(12);
    rows[6] = "................X";
    rows[9] = "..............................*";
    rows[8] = "....P";
    rows[10] = std::string(40, '#');
    auto w = MakeWorld(rows);
    test::Populate(*w);
    Steps(*w, 50);
    EXPECT_EQ(ActorsOfKind(*w, KIND_PICKUP).size(), 1u);
    EXPECT_EQ(ActorsOfKind(*w, KIND_EXIT_LOCK).size(), 1u);
    EXPECT_EQ(ObjectOf(*w, 16, 6), 0);
}

TEST(PropsLock, LocksOnAFloorWithoutPickupsOpenOnTheFirstStep) {
    std::vector<std::string> rows(12);
    rows[2] = "..X";
    rows[6] = "....................X";
    auto w = MakeWorld(rows);
    test::Populate(*w);
    Steps(*w);
    EXPECT_EQ(ObjectOf(*w, 2, 2), EXIT_CELL);
    EXPECT_EQ(ObjectOf(*w, 3, 2), EXIT_CELL);
    EXPECT_EQ(ObjectOf(*w, 20, 6), EXIT_CELL);
    EXPECT_EQ(ObjectOf(*w, 21, 6), EXIT_CELL);
    Steps(*w);
    EXPECT_TRUE(ActorsOfKind(*w, KIND_EXIT_LOCK).empty());
}

TEST(PropsLock, ExitCellsFollowTheLocksScreenPlaceAfterScrolling) {
    auto w = test::MakeEmptyWorld(40, 160);
    Actor* lock = test::SpawnKind(*w, KIND_EXIT_LOCK, 4, 20);  // screen y 160
    ASSERT_NE(lock, nullptr);
    EXPECT_EQ(lock->y, 160);
    Steps(*w);
    EXPECT_EQ(ObjectOf(*w, 4, 20), EXIT_CELL);
    EXPECT_EQ(ObjectOf(*w, 5, 20), EXIT_CELL);
}

TEST(PropsPicture, EachPictureKindDrawsItsPictureStretchedIntoItsBox) {
    auto w = test::MakeEmptyWorld(31, 32);
    struct Case {
        int kind;
        Rect dest;
        Rect src;
    };
    const Case cases[] = {
        {KIND_EXIT_LOCK, {64, 128, 96, 160}, atlas::kExitLock},
        {KIND_PICKUP, {64, 128, 80, 144}, atlas::kPickup},
        {KIND_PROP_32x64, {64, 128, 96, 192}, atlas::kProp32x64},
        {KIND_PROP_48x80, {64, 128, 112, 208}, atlas::kProp48x80},
        // The tall picture stands 160 pixels above its marker.
        {KIND_PROP_96x176, {64, -32, 160, 144}, atlas::kProp96x176},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Actor* a = test::SpawnKind(*w, c.kind, 4, 10);  // marker at screen y 128
        ASSERT_NE(a, nullptr);
        const auto draws = DrawnBy(*w, *a);
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(draws[0].dest, c.dest);
        EXPECT_EQ(draws[0].src, c.src);
        EXPECT_EQ(draws[0].colour, 0xFFFFFFFFu);
    }
}

TEST(PropsPicture, PicturesNeverMoveOrLeave) {
    auto w = test::MakeEmptyWorld(31);
    Actor* tall = test::SpawnKind(*w, KIND_PROP_96x176, 4, 20);
    Actor* small = test::SpawnKind(*w, KIND_PROP_32x64, 10, 3);
    Steps(*w, 20);
    EXPECT_EQ(tall->y, 20 * 16 - 160);
    EXPECT_EQ(small->y, 48);
    EXPECT_EQ(ActiveCount(*w), 2);
}

TEST(PropsFigure, ShowsThePlayersOwnCharacterStandingFacingTheViewer) {
    auto w = test::MakeEmptyWorld(31);
    Actor* figure = test::SpawnKind(*w, KIND_FIGURE, 4, 10);
    ASSERT_NE(figure, nullptr);
    for (int character = 0; character < 3; ++character) {
        w->character = character;
        figure->dir = 1;
        figure->frame = 5;
        const auto draws = DrawnBy(*w, *figure);
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(draws[0].src, CharacterSets[character].frames[2][0]);
        EXPECT_EQ(draws[0].dest, (Rect{64, 160, 80, 192}));
        // Drawing leaves the pose alone; the frame rules set it.
        EXPECT_EQ(figure->dir, 1);
        ApplyFrameRules(*w);
        EXPECT_EQ(figure->dir, 2);
        EXPECT_EQ(figure->frame, 0);
    }
}

}  // namespace
}  // namespace q
