// lint fails a landing that is in two floors, however it is moved or turned
// round, unless the list of known copies names it.
#include <gtest/gtest.h>

#include "floors_fixture.hpp"

namespace q::test {
namespace {

// A room on the stone floor of a `rows`-row floor: a wall `height` rows high
// from `wall` to the right side, one block (`kind`) on the floor at column
// `block`, the player at the far left and the exit on the wall. Mirrored,
// every column is taken from the other side and the block turns round.
SourceFloor WallRoom(int rows, int wall, int block, char kind, int height, bool mirrored = false) {
    SourceFloor f(rows, rows - 30);
    const int floorRow = rows - 2, top = floorRow - height;
    const auto at = [&](int column, int width) { return mirrored ? 40 - column - width : column; };
    const std::string stone(static_cast<size_t>(39 - wall), '#');
    for (int row = top; row < floorRow; ++row) f.Tiles(row, at(wall, 39 - wall), stone);
    const char turned = kind == 'L' ? 'J' : kind == 'J' ? 'L' : kind;
    f.Objects(floorRow - 1, at(block, 2), std::string(1, mirrored ? turned : kind));
    f.Objects(floorRow - 2, at(2, 1), "P").Objects(top - 2, at(wall + 3, 1), "E");
    return f;
}

class FloorVariety : public ::testing::Test {
protected:
    FloorVariety() {
        WriteStandInSet(dir);  // walk-right floors: no block, no creature, no landing
        Put(3, WallRoom(30, 30, 10, 'J', 3));
        // The same room 10 rows lower in a taller floor, narrower, its block elsewhere.
        Put(5, WallRoom(40, 24, 6, 'J', 3));
        Put(6, WallRoom(30, 30, 14, 'J', 3, true));
        Put(7, WallRoom(30, 30, 10, 'J', 4));   // a higher wall
        Put(8, WallRoom(30, 30, 28, 'J', 3));   // the block against the wall
        Put(9, WallRoom(30, 22, 10, 'J', 4));   // the higher wall once more: an exception below
    }
    void Put(int n, const SourceFloor& f) { dir.Write(floors::SourceFileName(n), f.Text()); }
    ToolRun Lint(const std::vector<std::string>& numbers = {}) {
        std::vector<std::string> args{"--sources", dir.Path()};
        args.insert(args.end(), numbers.begin(), numbers.end());
        return RunTool(floors::RunLint, args);
    }
    std::string At(int n, int line) const {
        return dir.File(floors::SourceFileName(n)) + ":" + std::to_string(line) + ": ";
    }
    TempFolder dir;
};

TEST_F(FloorVariety, ALandingShiftedOrMirroredIntoAnotherFloorIsACopyAndADifferentOneIsNot) {
    dir.Write("known-copies.txt", "7 9\n");
    const ToolRun run = Lint();
    EXPECT_EQ(run.code, 1);
    // Four bare rows are kept above the wall; the row named is the landing's first.
    const std::string at3 = At(3, WallRoom(30, 30, 10, 'J', 3).TerrainLine(21));
    const std::string at5 = At(5, WallRoom(40, 24, 6, 'J', 3).TerrainLine(31));
    EXPECT_NE(run.err.find(at3 + "the landing in rows 21-27 is also in floor 5 rows 31-37, floor 6 rows 21-27 "
                                 "(mirrored): a landing may be in one floor only"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(at5 + "the landing in rows 31-37 is also in floor 3"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(At(6, WallRoom(30, 30, 14, 'J', 3, true).TerrainLine(21))), std::string::npos) << run.err;
    for (int n : {7, 8, 9}) EXPECT_EQ(run.err.find(floors::SourceFileName(n)), std::string::npos) << n << run.err;
    EXPECT_TRUE(run.out.ends_with("3 faults\n")) << run.out;

    // A floor named is compared with the whole set; only its own copies are named.
    const ToolRun one = Lint({"5"});
    EXPECT_EQ(one.code, 1);
    EXPECT_NE(one.err.find(at5), std::string::npos) << one.err;
    EXPECT_EQ(one.err.find(floors::SourceFileName(3)), std::string::npos) << one.err;
    EXPECT_EQ(Lint({"8"}).code, 0);
}

TEST_F(FloorVariety, ListedCopiesAreReportedWithoutFailingAndAStaleListFails) {
    dir.Write("known-copies.txt", "# today's copies\n3 5 6\n7 9  # the higher wall\n");
    ToolRun run = Lint();
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("known copy: one landing in floor 3 rows 21-27, floor 5 rows 31-37, "
                           "floor 6 rows 21-27 (mirrored)\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("known copy: one landing in floor 7 rows 20-27, floor 9 rows 20-27\n"), std::string::npos)
        << run.out;

    // A copy the list leaves out still fails.
    dir.Write("known-copies.txt", "3 5\n7 9\n");
    run = Lint();
    EXPECT_EQ(run.code, 1);
    const std::string at6 = At(6, WallRoom(30, 30, 14, 'J', 3, true).TerrainLine(21));
    EXPECT_NE(run.err.find(at6 + "the landing in rows 21-27 is also in floor 3 rows 21-27 (mirrored), floor 5"),
              std::string::npos)
        << run.err;

    // Once a floor shares nothing with the rest of its line, its place there is named.
    const std::string list = dir.File("known-copies.txt");
    dir.Write("known-copies.txt", "3 5 6\n7 9 8\n");
    run = Lint();
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, list + ":2: floor 8 shares no landing with another floor of this line: take it off the list\n");

    dir.Write("known-copies.txt", "3 5 6\n7 x\n");
    run = Lint();
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(list + ":2: \"x\" is not a floor number"), std::string::npos) << run.err;
}

TEST_F(FloorVariety, TwoLandingsOfOneFloorAreACopyWhereverTheirBlocksWerePutDown) {
    // Two rooms over each other, parted by a row of stone: below, the wall and
    // the block of floor 3; above, the same with its block put down in the air,
    // to fall onto the floor.
    SourceFloor f(60, 30);
    f.Tiles(29, 0, std::string(40, '#'));
    for (int row : {26, 27, 28, 55, 56, 57}) f.Tiles(row, 30, std::string(9, '#'));
    f.Objects(20, 10, "J").Objects(57, 10, "J").Objects(56, 2, "P").Objects(53, 33, "E");
    Put(3, f);
    dir.Write("known-copies.txt", "7 9\n");
    const ToolRun run = Lint({"3"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(3, f.TerrainLine(22)) + "the landing in rows 22-28 is also in floor 3 rows 51-57, floor 5"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(At(3, f.TerrainLine(51)) + "the landing in rows 51-57 is also in floor 3 rows 22-28, floor 5"),
              std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace q::test
