#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "support/floor_dat.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

std::unique_ptr<World> DirtyWorld() {
    auto w = test::MakeEmptyWorld(31);
    w->tileMap.fill(7);
    w->objectMap.fill(3);
    w->occupancyMap.fill(1);
    w->replayBuffer.fill(9);
    return w;
}

bool AllZero(const World& w) {
    for (int8_t b : w.tileMap) if (b) return false;
    for (int8_t b : w.objectMap) if (b) return false;
    for (uint8_t b : w.occupancyMap) if (b) return false;
    for (uint8_t b : w.replayBuffer) if (b) return false;
    return true;
}

TEST(FloorLoad, AFloorRecordFillsTheBuffersAndTheFloorGlobals) {
    test::FloorRecord f = test::FloorFromRows({"P..#", "####", "..E.", "HHHH"}, 2, {1, 2, 16});
    const auto path = test::WriteTemp("floor_basic.dat", test::FloorFileBytes({f}));
    auto w = DirtyWorld();
    ASSERT_EQ(LoadFloor(*w, 1, path.c_str()), 1);
    EXPECT_EQ(w->floorRows, 4);
    EXPECT_EQ(w->scrollY, 32);
    EXPECT_EQ(w->replayLength, 13);
    EXPECT_EQ(test::TileOf(*w, 3, 0), 31);
    EXPECT_EQ(test::TileOf(*w, 0, 3), 24);
    EXPECT_EQ(test::ObjectOf(*w, 0, 0), KIND_PLAYER);
    EXPECT_EQ(test::ObjectOf(*w, 2, 2), EXIT_CELL);
    EXPECT_EQ(test::TileOf(*w, 0, 4), 0);  // beyond the floor: zeroed
    EXPECT_EQ(w->replayBuffer[0], 1);
    EXPECT_EQ(w->replayBuffer[2], 16);
    for (int i = 3; i < 13; ++i) EXPECT_EQ(w->replayBuffer[i], 0);
    EXPECT_EQ(w->occupancyMap[0], 0);
}

TEST(FloorLoad, RecordsMayBeInAnyOrderWithBytesBetweenThem) {
    test::FloorRecord one = test::FloorFromRows({"#"});
    test::FloorRecord two = test::FloorFromRows({"=", "="}, 1);
    std::vector<uint8_t> bytes(test::kFloorHeaderBytes, 0);
    bytes.insert(bytes.end(), 5, 0xEE);  // junk
    const size_t twoAt = bytes.size();
    test::AppendRecord(bytes, two);
    bytes.insert(bytes.end(), 3, 0xEE);
    const size_t oneAt = bytes.size();
    test::AppendRecord(bytes, one);
    for (int i = 0; i < 57; ++i) test::PatchInt32(bytes, i * 4, static_cast<int32_t>(oneAt - test::kFloorHeaderBytes));
    test::PatchInt32(bytes, 4, static_cast<int32_t>(twoAt - test::kFloorHeaderBytes));
    const auto path = test::WriteTemp("floor_order.dat", bytes);
    auto w = test::MakeEmptyWorld(31);
    ASSERT_EQ(LoadFloor(*w, 2, path.c_str()), 1);
    EXPECT_EQ(w->floorRows, 2);
    EXPECT_EQ(test::TileOf(*w, 0, 1), 30);
    ASSERT_EQ(LoadFloor(*w, 57, path.c_str()), 1);
    EXPECT_EQ(w->floorRows, 1);
    EXPECT_EQ(test::TileOf(*w, 0, 0), 31);
}

TEST(FloorLoad, AFloorOf120RowsFillsBothLayersExactly) {
    std::vector<std::string> rows(120, std::string(40, '.'));
    rows[119] = std::string(40, '#');
    rows[0][0] = 'P';
    rows[119][39] = 'E';
    const auto path = test::WriteTemp("floor_120.dat", test::FloorFileBytes({test::FloorFromRows(rows, 89)}));
    auto w = test::MakeEmptyWorld(31);
    ASSERT_EQ(LoadFloor(*w, 1, path.c_str()), 1);
    EXPECT_EQ(w->floorRows, 120);
    EXPECT_EQ(w->tileMap[kTileMapBytes - 2], 31);
    EXPECT_EQ(w->tileMap[kTileMapBytes - 1], 0);
    EXPECT_EQ(w->objectMap[kTileMapBytes - 1], EXIT_CELL);
    EXPECT_EQ(w->objectMap[0], KIND_PLAYER);
    PopulateFloor(*w);
    // The bottom row is reachable by the tests: world y 1919 is inside.
    EXPECT_EQ(TileAt(*w, 0, 1919 - w->scrollY), 31);
    EXPECT_EQ(TileAt(*w, 0, 1920 - w->scrollY), 0);
}

TEST(FloorLoad, AMissingFileOrFloorNumberFailsWithTheBuffersCleared) {
    auto w = DirtyWorld();
    EXPECT_EQ(LoadFloor(*w, 1, "/nonexistent/floor.dat"), 0);
    EXPECT_TRUE(AllZero(*w));
    const auto path = test::WriteTemp("floor_n.dat", test::FloorFileBytes({test::FloorFromRows({"#"})}));
    w = DirtyWorld();
    EXPECT_EQ(LoadFloor(*w, 0, path.c_str()), 0);
    EXPECT_TRUE(AllZero(*w));
    EXPECT_EQ(LoadFloor(*w, 58, path.c_str()), 0);
    EXPECT_EQ(LoadFloor(*w, -3, path.c_str()), 0);
}

// Loads floor 1 of a damaged copy of a good file.
int LoadDamaged(const std::string& name, void (*damage)(std::vector<uint8_t>&)) {
    auto bytes = test::FloorFileBytes({test::FloorFromRows({"P...", "####"}, 0, {1, 1, 1})});
    damage(bytes);
    const auto path = test::WriteTemp(name, bytes);
    auto w = DirtyWorld();
    const int ok = LoadFloor(*w, 1, path.c_str());
    if (!ok) {
        EXPECT_TRUE(AllZero(*w)) << name;
        EXPECT_EQ(w->floorRows, 31) << name;  // the previous floor's globals stay
    }
    return ok;
}

TEST(FloorLoad, DamagedFilesAreRefused) {
    EXPECT_EQ(LoadDamaged("ok.dat", [](std::vector<uint8_t>&) {}), 1);
    EXPECT_EQ(LoadDamaged("short_header.dat", [](std::vector<uint8_t>& b) { b.resize(100); }), 0);
    EXPECT_EQ(LoadDamaged("entry_past_end.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 0, 100000); }), 0);
    EXPECT_EQ(LoadDamaged("entry_negative.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 0, -1000); }), 0);
    EXPECT_EQ(LoadDamaged("rows_zero.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 228, 0); }), 0);
    EXPECT_EQ(LoadDamaged("rows_121.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 228, 121); }), 0);
    EXPECT_EQ(LoadDamaged("rows_huge.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 228, 0x7FFFFFFF); }), 0);
    EXPECT_EQ(LoadDamaged("rows_past_end.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 228, 3); }), 0);
    EXPECT_EQ(LoadDamaged("cut_layers.dat", [](std::vector<uint8_t>& b) { b.resize(228 + 8 + 100); }), 0);
    EXPECT_EQ(LoadDamaged("demo_negative.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 228 + 8 + 160, -1); }), 0);
    EXPECT_EQ(LoadDamaged("demo_too_long.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 228 + 8 + 160, 49991); }), 0);
    EXPECT_EQ(LoadDamaged("demo_past_end.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 228 + 8 + 160, 4); }), 0);
    EXPECT_EQ(LoadDamaged("start_row_wild.dat", [](std::vector<uint8_t>& b) { test::PatchInt32(b, 232, 0x40000000); }), 0);
    // Bytes after the demo are not part of the record.
    EXPECT_EQ(LoadDamaged("trailing.dat", [](std::vector<uint8_t>& b) { b.push_back(7); }), 1);
}

TEST(FloorLoad, ADemoOfTheLongestLengthIsAccepted) {
    std::vector<uint8_t> demo(kMaxDemoLength, 2);
    const auto path = test::WriteTemp("floor_long_demo.dat", test::FloorFileBytes({test::FloorFromRows({"#"}, 0, demo)}));
    auto w = test::MakeEmptyWorld(31);
    ASSERT_EQ(LoadFloor(*w, 1, path.c_str()), 1);
    EXPECT_EQ(w->replayLength, kMaxDemoLength + 10);
    EXPECT_EQ(w->replayBuffer[kMaxDemoLength - 1], 2);
    EXPECT_EQ(w->replayBuffer[kMaxDemoLength], 0);
    EXPECT_EQ(w->replayBuffer[kReplayBytes - 1], 0);
}

TEST(FloorPopulate, OnlyTheTopmostPlayerMarkerMakesThePlayerAndItLeadsTheList) {
    auto w = test::MakeWorld({
        "......*...",
        "....P.....",
        "..........",
        "P.........",
        "##########",
    }, 16);
    test::Populate(*w);
    Actor* first = FirstActive(*w);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->kind, KIND_PLAYER);
    EXPECT_EQ(first->x, 64);
    EXPECT_EQ(first->y, 16 - 16);  // row 1 on a view scrolled by 16
    EXPECT_EQ(first->cell, 44);
    EXPECT_EQ(test::ObjectOf(*w, 4, 1), 0);
    EXPECT_EQ(test::ObjectOf(*w, 0, 3), KIND_PLAYER);  // the lower marker stays
    EXPECT_EQ(test::ActorsOfKind(*w, KIND_PLAYER).size(), 1u);
    EXPECT_EQ(NextActive(*w, *first)->kind, KIND_PICKUP);
}

TEST(FloorPopulate, EachKindAppearsAtItsPlaceAndExitCellsStayMarked) {
    auto w = test::MakeWorld({
        "..........",
        "..........",
        ".E........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "L.J.B.X.F.",
        "##########",
    });
    test::SetObject(*w, 9, 10, KIND_PROP_96x176);
    test::SetObject(*w, 8, 10, -3);  // outside the format: nothing
    test::SetObject(*w, 7, 10, 15);
    w->scrollY = 32;
    test::Populate(*w);
    auto blocks0 = test::ActorsOfKind(*w, KIND_LBLOCK_0);
    auto blocks1 = test::ActorsOfKind(*w, KIND_LBLOCK_1);
    ASSERT_EQ(blocks0.size(), 1u);
    ASSERT_EQ(blocks1.size(), 1u);
    EXPECT_EQ(blocks0[0]->y, 11 * 16 - 32 - 16);
    EXPECT_EQ(blocks0[0]->dir, 0);
    EXPECT_EQ(blocks1[0]->dir, 1);
    EXPECT_EQ(blocks1[0]->x, 32);
    auto tall = test::ActorsOfKind(*w, KIND_PROP_96x176);
    ASSERT_EQ(tall.size(), 1u);
    EXPECT_EQ(tall[0]->y, 10 * 16 - 32 - 160);
    EXPECT_EQ(tall[0]->width, 96);
    EXPECT_EQ(tall[0]->height, 176);
    auto lock = test::ActorsOfKind(*w, KIND_EXIT_LOCK);
    ASSERT_EQ(lock.size(), 1u);
    EXPECT_EQ(lock[0]->width, 32);
    EXPECT_EQ(test::ObjectOf(*w, 1, 2), EXIT_CELL);
    EXPECT_EQ(test::ObjectOf(*w, 8, 10), -3);
    EXPECT_EQ(test::ObjectOf(*w, 7, 10), 15);
    EXPECT_EQ(ActiveCount(*w), 6);
    EXPECT_EQ(test::ObjectOf(*w, 0, 11), 0);  // used markers are cleared
}

TEST(FloorPopulate, ChasersAndTheirSpawnerNeedExtraSpawns) {
    const std::vector<std::string> rows = {"P.C.S.....", "##########"};
    auto on = test::MakeWorld(rows);
    test::Populate(*on);
    EXPECT_EQ(test::ActorsOfKind(*on, KIND_CHASER_SPAWNER).size(), 1u);
    auto off = test::MakeWorld(rows);
    off->extraSpawnsEnabled = 0;
    test::Populate(*off);
    EXPECT_EQ(test::ActorsOfKind(*off, KIND_CHASER_SPAWNER).size(), 0u);
    EXPECT_EQ(test::ActorsOfKind(*off, KIND_CHASER).size(), 0u);
    EXPECT_EQ(ActiveCount(*off), 1);
}

std::vector<DrawCall> DrawTerrainRecorded(const World& w) {
    StartDrawRecording();
    DrawTerrain(w);
    int n = 0;
    const DrawCall* calls = RecordedDraws(&n);
    std::vector<DrawCall> out(calls, calls + n);
    StopDrawRecording();
    ClearRecordedDraws();
    return out;
}

TEST(FloorTerrain, TheBackgroundRepeatsEvery32PixelsAndTilesFollowTheScroll) {
    auto w = test::MakeEmptyWorld(40, 20);
    test::SetTile(*w, 3, 1, 9);
    const auto calls = DrawTerrainRecorded(*w);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].dest, (Rect{0, -20, 640, 492}));
    EXPECT_EQ(calls[0].src, Rect(atlas::kBackground));
    EXPECT_EQ(calls[0].colour, 0xFFFFFFFFu);
    // 31 rows of 40 tiles, tile 0 drawn like any other.
    EXPECT_EQ(calls.size(), 1u + 31 * 40);
    // Row 1 is the top row on screen (scrollY 20: top row 1, 4 pixels up).
    EXPECT_EQ(calls[1 + 3].dest, (Rect{48, -4, 64, 12}));
    EXPECT_EQ(calls[1 + 3].src, TileSourceRect(9));
    EXPECT_EQ(calls[1].src, TileSourceRect(0));
}

TEST(FloorTerrain, TilesStopAtTheLastRowAndSomeNumbersAreNeverDrawn) {
    auto w = test::MakeEmptyWorld(5, 48);  // rows 3 and 4 are in view
    test::SetTile(*w, 0, 3, 1);
    test::SetTile(*w, 1, 3, 2);
    test::SetTile(*w, 2, 3, 17);
    test::SetTile(*w, 3, 3, 18);
    test::SetTile(*w, 4, 3, 40);
    test::SetTile(*w, 5, 3, -1);
    test::SetTile(*w, 6, 3, 31);
    const auto calls = DrawTerrainRecorded(*w);
    EXPECT_EQ(calls[0].dest.top, -16);
    EXPECT_EQ(calls.size(), 1u + 80 - 6);
    EXPECT_EQ(calls[1].dest, (Rect{96, 0, 112, 16}));
    EXPECT_EQ(calls[1].src, TileSourceRect(31));
}

TEST(FloorTerrain, EveryTileNumberHasAPictureOfItsOwnOrNone) {
    std::set<std::tuple<int, int>> corners;
    int pictures = 0;
    for (int t = 0; t < 32; ++t) {
        const Rect r = TileSourceRect(t);
        if (r.Width() == 0) continue;
        ++pictures;
        EXPECT_EQ(r.Width(), 16) << t;
        EXPECT_EQ(r.Height(), 16) << t;
        EXPECT_TRUE(corners.insert({r.left, r.top}).second) << "tile " << t << " shares its picture";
    }
    EXPECT_EQ(pictures, 28);
    EXPECT_EQ(TileSourceRect(-1).Width(), 0);
    EXPECT_EQ(TileSourceRect(32).Width(), 0);
}

}  // namespace
}  // namespace q
