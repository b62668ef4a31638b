// The depth of a floor's space, the naive player, and the measures the
// difficulty table and its curve are made from.
#include <gtest/gtest.h>

#include <set>

#include "floors/curve.hpp"
#include "floors/depth.hpp"
#include "floors/measures.hpp"
#include "floors/naive.hpp"
#include "floors/solver.hpp"
#include "floors/table.hpp"
#include "floors_fixture.hpp"

namespace q {
namespace {

floors::Floor Parse(const test::SourceFloor& source) {
    floors::Floor floor;
    floors::SourceError error;
    EXPECT_TRUE(floors::ParseFloorSource(source.Text(), floor, error)) << error.line << ": " << error.message;
    return floor;
}

// The cells of floor n's row of a table.
std::vector<std::string> Cells(const std::string& table, int n) {
    std::istringstream in(table);
    std::vector<std::string> cells;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("| " + std::to_string(n) + " |", 0) != 0) continue;
        std::istringstream row(line.substr(2));
        for (std::string cell; std::getline(row, cell, '|');) {
            const size_t first = cell.find_first_not_of(' ');
            cells.push_back(first == std::string::npos ? "" : cell.substr(first, cell.find_last_not_of(' ') - first + 1));
        }
    }
    return cells;
}

floors::Solution CalmWay(const floors::Floor& floor) {
    floors::SolveOptions calm;
    calm.chasers = false;
    return floors::Solve(floor, calm);
}

// A wall three high at the right with the door on top; the block stands in
// column `blockColumn`, the player in column `playerColumn`.
test::SourceFloor RightWallFloor(const std::string& block, int blockColumn = 10, int playerColumn = 3) {
    test::SourceFloor f(30);
    for (int row = 25; row <= 27; ++row) f.Tiles(row, 30, std::string(9, '#'));
    f.Tiles(23, 34, "n").Tiles(24, 34, "d").Objects(23, 34, "E");
    f.Objects(26, playerColumn, "P").Objects(27, blockColumn, block);
    return f;
}

TEST(Depth, AStepOffALedgeThatCannotBeClimbedBackIsTheOneCommitmentOnTheWay) {
    // The player stands at the right end of a ledge four rows high; the door
    // is at its left end. One step right and it is on the ground for good.
    test::SourceFloor f(30);
    for (int row = 24; row <= 27; ++row) f.Tiles(row, 1, std::string(10, '#'));
    f.Tiles(21, 2, "n").Tiles(22, 2, "d").Objects(22, 2, "E").Objects(22, 10, "P");
    const floors::Floor floor = Parse(f);
    const floors::Solution way = CalmWay(floor);
    ASSERT_TRUE(way.found);

    const floors::Depth d = floors::MeasureDepth(floor, way.demo, 100000);
    ASSERT_TRUE(d.complete);
    EXPECT_EQ(d.settled, d.worlds) << "nothing on the floor ever moves by itself";
    EXPECT_GT(d.settledDead, 0) << "every world on the ground";
    EXPECT_LT(d.settledDead, d.settled) << "the worlds on the ledge still reach the door";
    EXPECT_GE(d.wayPoints, 2);
    EXPECT_EQ(d.commitments, 1) << "only the first world is next to the drop";

    const floors::Depth small = floors::MeasureDepth(floor, way.demo, 5);
    EXPECT_FALSE(small.complete) << "a budget too small for the space says so";
    EXPECT_EQ(small.worlds, 5);
}

TEST(Naive, CarriesTheBlockToTheWallButNeverTurnsIt) {
    const floors::NaiveRun wall = floors::PlayNaive(Parse(RightWallFloor("J")));
    EXPECT_TRUE(wall.cleared) << "lift, carry on to the wall, put down, climb";
    EXPECT_EQ(wall.blocksCarried, 1);

    // The same wall at the left, the block to the player's right: it must be
    // carried back left, turned, to show its low step to the player.
    test::SourceFloor turn(30);
    for (int row = 25; row <= 27; ++row) turn.Tiles(row, 1, std::string(9, '#'));
    turn.Tiles(23, 4, "n").Tiles(24, 4, "d").Objects(23, 4, "E");
    turn.Objects(26, 14, "P").Objects(27, 20, "J");
    const floors::Floor needsTurn = Parse(turn);
    ASSERT_TRUE(CalmWay(needsTurn).found) << "the floor can be cleared";
    const floors::NaiveRun naive = floors::PlayNaive(needsTurn);
    EXPECT_FALSE(naive.cleared);
    EXPECT_EQ(naive.blocksCarried, 1) << "it carried the block the wrong way";

    EXPECT_TRUE(floors::PlayNaive(Parse(test::WalkRightFloor())).cleared) << "a walk with no block";
}

TEST(Measures, LandingsAndRowsClimbedComeFromTheWayAndTheSource) {
    const floors::Floor floor = Parse(RightWallFloor("J"));
    EXPECT_EQ(floors::RowsClimbed(floor), 3);
    EXPECT_EQ(floors::CountLandings(floor, CalmWay(floor).demo), 1);
    EXPECT_EQ(floors::RowsClimbed(Parse(test::WalkRightFloor())), 0);
}

TEST(Measures, TheTableShowsWhatWasMeasuredUntilTheFloorChanges) {
    test::TempFolder dir;
    test::WriteStandInSet(dir);
    dir.Write(floors::SourceFileName(3), RightWallFloor("J").Name("Wall").Text());
    const std::string curve = dir.File("curve.png");
    const test::ToolRun measured =
        test::RunTool(floors::RunTable, {"--sources", dir.Path(), "--measure", "--curve", curve, "3"});
    ASSERT_EQ(measured.code, 0) << measured.err;
    EXPECT_TRUE(dir.Has(floors::kMeasuresFile));
    const std::string png = dir.Read("curve.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");

    // Read back from the measures file alone.
    const test::ToolRun again = test::RunTool(floors::RunTable, {"--sources", dir.Path(), "3"});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(again.err, "");
    const std::vector<std::string> cells = Cells(again.out, 3);
    ASSERT_EQ(cells.size(), 13u) << again.out;
    EXPECT_EQ(cells[3], "3") << "rows climbed";
    EXPECT_EQ(cells[5], "1") << "lifts";
    EXPECT_EQ(cells[6], "1.0") << "one lift on one landing";
    EXPECT_GT(std::stoll(cells[7]), 100) << "reachable worlds";
    EXPECT_EQ(cells[8].back(), '%') << "dead-end share";
    EXPECT_EQ(cells[10], "yes") << "the naive player clears it";
    EXPECT_EQ(cells[11], "1/1");

    std::map<int, floors::FloorMeasures> read;
    std::string error;
    ASSERT_TRUE(floors::ReadMeasures(dir.Read(floors::kMeasuresFile), read, error)) << error;
    ASSERT_EQ(read.count(3), 1u);
    EXPECT_EQ(floors::WriteMeasures(read), dir.Read(floors::kMeasuresFile)) << "the file reads back as written";
    EXPECT_FALSE(floors::ReadMeasures("floor 3 key 00 lifts x\n", read, error));

    // Moved one column, the floor is not the one measured.
    dir.Write(floors::SourceFileName(3), RightWallFloor("J", 11).Name("Wall").Text());
    const test::ToolRun stale = test::RunTool(floors::RunTable, {"--sources", dir.Path(), "3"});
    EXPECT_EQ(Cells(stale.out, 3),
              (std::vector<std::string>{"3", "Wall", "30", "3", "-", "-", "-", "-", "-", "-", "-", "-", "-"}));
    EXPECT_NE(stale.err.find("not measured as they stand: 3"), std::string::npos) << stale.err;
}


TEST(Measures, ASpaceOverItsBudgetAndUndecidedIdeasAreShownAsSuch) {
    const floors::Floor floor = Parse(RightWallFloor("J").Name("Wall"));
    floors::FloorMeasures m;
    m.solved = true;
    m.lifts = 5;
    m.landings = 2;
    m.proved = floors::Bit(floors::Idea::Turn) | floors::Bit(floors::Idea::Stack);
    m.inconclusive = floors::Bit(floors::Idea::Hold);
    m.depth.complete = false;
    m.depth.worlds = 1000000;
    m.depth.settled = 10;  // left from the part explored: not a share of the space
    m.naiveClears = false;
    m.blocks = 3;
    m.blocksMoved = 2;
    const std::string table = floors::DifficultyTable({{3, &floor, &m}});
    EXPECT_EQ(Cells(table, 3), (std::vector<std::string>{"3", "Wall", "30", "3", "turn, stack, hold?", "5", "2.5",
                                                         "over 1000000", "-", "-", "no", "2/3", "-"}));
}

// The colours drawn in a floor's column of the curve, from the top of the
// first panel to the naive player's strip.
std::set<assets::Colour> ColumnColours(const assets::Canvas& c, int i) {
    std::set<assets::Colour> colours;
    for (int y = 0; y < c.Height() - 36; ++y)
        for (int x = floors::CurveColumn(i); x < floors::CurveColumn(i) + floors::kCurveBarWidth; ++x)
            colours.insert(c.Get(x, y));
    return colours;
}

TEST(Curve, OnlyMeasuredFloorsHaveBarsAndTheNaivePlayersFloorsAreMarked) {
    floors::FloorMeasures walk, puzzle;
    walk.solved = puzzle.solved = true;
    walk.naiveClears = true;
    puzzle.lifts = 4;
    puzzle.landings = 2;
    puzzle.proved = floors::Bit(floors::Idea::Turn);
    puzzle.blocks = puzzle.blocksMoved = 2;
    puzzle.depth = {true, 5000, 4000, 1000, 30, 2};
    // A set's worth of floors, so the three looked at stand clear of the
    // panels' titles at the left.
    std::vector<floors::CurveFloor> set;
    for (int n = 1; n <= 56; ++n) set.push_back({n, 0, nullptr});
    set[50] = {51, 0, &walk};
    set[51] = {52, 6, &puzzle};
    set[52] = {53, 6, nullptr};
    const assets::Canvas c = floors::DrawCurve(set);
    const auto walkColours = ColumnColours(c, 50), puzzleColours = ColumnColours(c, 51), bare = ColumnColours(c, 52);
    EXPECT_GE(puzzleColours.size(), walkColours.size() + 7) << "the puzzle has a bar in every panel, the walk in none";
    EXPECT_EQ(bare.size(), ColumnColours(c, 53).size() + 1) << "not measured: only its rows climbed, from the source";
    // The naive player's mark is a colour of its own, under the walk alone.
    std::set<assets::Colour> onlyWalk;
    for (assets::Colour colour : walkColours)
        if (!puzzleColours.count(colour) && !bare.count(colour)) onlyWalk.insert(colour);
    EXPECT_EQ(onlyWalk.size(), 1u);
}

}  // namespace
}  // namespace q
