// lint names each fault that makes a floor unplayable, with the file and the
// line to look at.
#include <gtest/gtest.h>

#include "floors_fixture.hpp"

namespace q::test {
namespace {

class FloorLint : public ::testing::Test {
protected:
    // Lints `floor` as floor 3 of a folder.
    ToolRun Lint(const SourceFloor& floor, int number = 3) {
        dir.Write(floors::SourceFileName(number), floor.Text());
        return RunTool(floors::RunLint, {"--sources", dir.Path(), std::to_string(number)});
    }
    std::string At(int line, int number = 3) const {
        return dir.File(floors::SourceFileName(number)) + ":" + std::to_string(line) + ": ";
    }
    TempFolder dir;
};

TEST_F(FloorLint, APlayableFloorHasNoFaults) {
    const ToolRun run = Lint(WalkRightFloor());
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "no faults\n");
}

TEST_F(FloorLint, AFloorWithoutExitOrPlayerIsNamedAtItsObjectLayer) {
    SourceFloor noExit = WalkRightFloor();
    noExit.Objects(26, 6, ".");
    ToolRun run = Lint(noExit);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(noExit.ObjectsHeadingLine()) + "the floor has no exit"), std::string::npos) << run.err;

    SourceFloor noPlayer = WalkRightFloor();
    noPlayer.Objects(26, 3, ".");
    run = Lint(noPlayer);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(noPlayer.ObjectsHeadingLine()) + "the floor has no player"), std::string::npos) << run.err;

    SourceFloor lockOnly = WalkRightFloor();
    lockOnly.Objects(26, 6, ".").Objects(25, 20, "X");
    EXPECT_EQ(Lint(lockOnly).code, 0) << "a lock is an exit once it opens";
}

TEST_F(FloorLint, AWalkerThatCanLeaveSidewaysIsNamedAtTheRowOfTheGap) {
    SourceFloor player = WalkRightFloor();
    player.Tiles(27, 0, ".");
    ToolRun run = Lint(player);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(player.TerrainLine(27)) + "the player"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("sideways"), std::string::npos) << run.err;

    // A builder at the edge would drop its blocks outside the floor.
    SourceFloor builder = WalkRightFloor();
    // Its own room, rows 10 and 11 on the stone of row 12, is open at the
    // right in row 11; the player's room below is closed.
    builder.Tiles(9, 0, std::string(40, '#')).Tiles(11, 39, ".").Tiles(12, 0, std::string(40, '#'));
    builder.Objects(10, 30, "B");
    run = Lint(builder);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(builder.TerrainLine(11)) + "the builder"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("the player"), std::string::npos) << "the player's room is closed: " << run.err;
}

TEST_F(FloorLint, AWalkerThatCanFallOutOfTheBottomIsNamed) {
    SourceFloor f = WalkRightFloor();
    f.Tiles(28, 20, ".").Tiles(29, 20, ".");
    const ToolRun run = Lint(f);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(f.TerrainLine(29)) + "the player"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("bottom row"), std::string::npos) << run.err;
}

TEST_F(FloorLint, APlayerWhoIsInTheExitWithoutAKeyPressedIsNamedAtItsRow) {
    // The player drops from row 20 onto the floor, straight into the exit.
    SourceFloor f = WalkRightFloor();
    f.Objects(26, 3, ".").Objects(20, 6, "P");
    const ToolRun run = Lint(f);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(f.ObjectLine(20)) + "the player is in the exit at the start"), std::string::npos)
        << run.err;
}

TEST_F(FloorLint, RowsOutsideOneTo120AreNamedAtTheRowsLine) {
    for (const char* rows : {"0", "121", "-4"}) {
        SCOPED_TRACE(rows);
        SourceFloor f = WalkRightFloor();
        f.ReplaceLine(f.RowsLine(), std::string("rows: ") + rows);
        const ToolRun run = Lint(f);
        EXPECT_EQ(run.code, 1);
        EXPECT_NE(run.err.find(At(f.RowsLine()) + "rows must be 1..120"), std::string::npos) << run.err;
    }
}

TEST_F(FloorLint, AStartRowWhoseViewMissesThePlayerIsNamedAtTheStartLine) {
    // 60 rows; the player stands on the stone at the bottom (rows 56 and 57).
    SourceFloor low(60, 0);
    low.Objects(56, 3, "P").Objects(56, 6, "E");
    ToolRun run = Lint(low);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(low.StartLine()) + "start row 0 shows no part of the player"), std::string::npos)
        << run.err;

    // A view whose last row holds the player's head shows it.
    SourceFloor edge(60, 27);
    edge.Objects(56, 3, "P").Objects(56, 6, "E");
    run = Lint(edge);
    EXPECT_EQ(run.code, 0) << run.err;
}

TEST_F(FloorLint, TheEndingFloorNeedsNeitherPlayerNorExit) {
    const ToolRun run = Lint(SourceFloor(40, 10), 57);
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Lint(SourceFloor(40, 10), 56).code, 1);
}

// Each section of the tower lays its own wall dressing: a floor showing
// another section's is named at the row, with both sections.
TEST_F(FloorLint, AFloorLaysOnlyItsOwnSectionsDressing) {
    SourceFloor cellar = WalkRightFloor();
    cellar.Tiles(24, 5, "%%").Tiles(25, 5, "%%");
    EXPECT_EQ(Lint(cellar, 3).code, 0) << "cellar stone on a cellar floor";

    SourceFloor shelved = cellar;
    shelved.Tiles(20, 12, "v");
    ToolRun run = Lint(shelved, 3);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(shelved.TerrainLine(20), 3) + "column 12: 'v' is library dressing; floor 3 is in the cellar"),
              std::string::npos)
        << run.err;

    // The same floor higher up the tower: the bookcase belongs, the cellar stone not.
    run = Lint(shelved, 25);
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(At(shelved.TerrainLine(24), 25) + "column 5: '%' is cellar dressing"), std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("library dressing"), std::string::npos) << run.err;

    // The ending is the top of the tower: the battlements' night sky, no torches.
    SourceFloor ending = WalkRightFloor();
    ending.Tiles(10, 4, "::");
    EXPECT_EQ(Lint(ending, 57).code, 0);
    ending.Tiles(11, 4, "i");
    EXPECT_EQ(Lint(ending, 57).code, 1);
}

// The shipped floors pass every check, their sections' included.
TEST(ShippedFloors, LintQuiet) {
    const ToolRun run = RunTool(floors::RunLint, {"--sources", std::string(QUORREL_ASSET_DIR) + "/floors"});
    EXPECT_EQ(run.code, 0) << run.err;
}

}  // namespace
}  // namespace q::test
