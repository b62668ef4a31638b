// compile and decompile: sources and floor.dat turn into each other without
// losing a byte, and a damaged source stops compile with its file and line
// before anything is written.
#include <gtest/gtest.h>

#include "floors/floor_set.hpp"
#include "floors_fixture.hpp"

namespace q::test {
namespace {

std::vector<uint8_t> Bytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    floors::ReadWholeFile(path, bytes, error);
    return bytes;
}

// floor.dat -> sources -> floor.dat gives the same bytes.
void ExpectRoundTrip(const std::string& dat) {
    TempFolder work;
    ToolRun run = RunTool(floors::RunDecompile, {"--floors", dat, "--out", work.Path()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    run = RunTool(floors::RunCompile, {"--sources", work.Path(), "--out", work.File("again.dat")});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::vector<uint8_t> a = Bytes(dat), b = Bytes(work.File("again.dat"));
    ASSERT_GT(a.size(), 228u);
    EXPECT_TRUE(a == b) << "floor.dat of " << a.size() << " bytes came back as " << b.size() << " bytes";
}

TEST(FloorRoundTrip, TheProjectsSourcesComeBackByteForByte) {
    TempFolder set;
    ASSERT_GE(WriteRealSet(set), 1) << "assets/floors holds no floor";
    const ToolRun run = RunTool(floors::RunCompile, {"--sources", set.Path(), "--out", set.File("floor.dat")});
    ASSERT_EQ(run.code, 0) << run.err;
    ExpectRoundTrip(set.File("floor.dat"));
}

TEST(FloorRoundTrip, EveryByteOfEveryLayerAndDemoComesBack) {
    // Bytes no symbol stands for (negative tiles, object codes 15..30 and
    // beyond), a bar in the terrain, and demo bytes that are no command.
    std::vector<floors::Floor> set(kFloorCount);
    for (size_t i = 0; i < set.size(); ++i) {
        floors::Floor& f = set[i];
        f.rows = static_cast<int32_t>(1 + (i * 13) % 120);
        f.startRow = static_cast<int32_t>(i % 7) - 3;
        for (int c = 0; c < f.rows * floors::kColumns; ++c) {
            f.tiles.push_back(static_cast<int8_t>(c * 7 + static_cast<int>(i)));
            f.objects.push_back(static_cast<int8_t>(c * 3 - static_cast<int>(i)));
        }
        for (int b = 0; b < 256 + static_cast<int>(i); ++b) f.demo.push_back(static_cast<uint8_t>(b * (i + 1)));
    }
    set[4].demo.assign(49990, 1);  // the longest demo the game loads
    set[9].demo.clear();
    TempFolder work;
    const std::vector<uint8_t> dat = floors::BuildFloorDat(set);
    std::string error;
    ASSERT_TRUE(floors::WriteWholeFile(work.File("floor.dat"), dat.data(), dat.size(), error)) << error;
    ExpectRoundTrip(work.File("floor.dat"));
}

class DamagedSource : public ::testing::Test {
protected:
    void SetUp() override {
        WriteStandInSet(set);
        // A floor.dat from before: a failed compile must leave it as it was.
        out.Write("floor.dat", "the floor.dat of yesterday");
    }
    // Compiles the set with `text` as floor 5; expects the error at `line`.
    void ExpectRefused(const std::string& text, int line, const std::string& message) {
        set.Write(floors::SourceFileName(5), text);
        const ToolRun run = RunTool(floors::RunCompile, {"--sources", set.Path(), "--out", out.File("floor.dat")});
        EXPECT_EQ(run.code, 1);
        const std::string where = set.File(floors::SourceFileName(5)) + ":" + std::to_string(line) + ": ";
        EXPECT_EQ(run.err.rfind(where, 0), 0u) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(out.Read("floor.dat"), "the floor.dat of yesterday");
        EXPECT_EQ(TempFolder::ListOf(out.Path()), std::vector<std::string>{"floor.dat"}) << "nothing beside it";
    }
    TempFolder set, out;
};

TEST_F(DamagedSource, ALayerRowThatIsNotFortyCellsOfTheLegend) {
    SourceFloor f = WalkRightFloor();
    ExpectRefused(f.Tiles(12, 7, "Q").Text(), f.TerrainLine(12), "'Q' at column 7 is not in the terrain legend");
    f = WalkRightFloor();
    ExpectRefused(f.Objects(3, 30, "#").Text(), f.ObjectLine(3), "'#' at column 30 is not in the object legend");
    f = WalkRightFloor();
    f.ReplaceLine(f.TerrainLine(8), "|#.....................................#| 8");
    ExpectRefused(f.Text(), f.TerrainLine(8), "exactly 40 cells");
    f = WalkRightFloor();
    f.ReplaceLine(f.ObjectLine(0), "........................................");
    ExpectRefused(f.Text(), f.ObjectLine(0), "between two bars");
    f = WalkRightFloor();
    f.ReplaceLine(f.TerrainLine(29), "# the last row went missing");
    ExpectRefused(f.Text(), f.TerrainHeadingLine(), "terrain has 29 rows, the floor 30");
}

TEST_F(DamagedSource, AHeaderOrDemoLineThatIsNotOne) {
    SourceFloor f = WalkRightFloor();
    f.ReplaceLine(f.StartLine(), "start: top");
    ExpectRefused(f.Text(), f.StartLine(), "start must be a row number");
    f = WalkRightFloor();
    ExpectRefused(f.Header("colour: red").Text(), 2, "unknown key 'colour'");
    f = WalkRightFloor();
    ExpectRefused(f.Demo("R12 Z3").Text(), f.DemoLine(), "'Z3' is not a command");
    f = WalkRightFloor();
    ExpectRefused(f.Demo("R49990 L").Text(), f.DemoLine(), "longer than 49990");
}

TEST(FloorCompile, AFloorDatThatCannotBeWrittenLeavesNothingBehind) {
    TempFolder set, out;
    WriteStandInSet(set);
    std::filesystem::create_directory(out.File("floor.dat"));  // a folder in the way
    const ToolRun run = RunTool(floors::RunCompile, {"--sources", set.Path(), "--out", out.File("floor.dat")});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find(out.File("floor.dat")), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::is_directory(out.File("floor.dat")));
    EXPECT_EQ(TempFolder::ListOf(out.Path()), std::vector<std::string>{"floor.dat"});
}

}  // namespace
}  // namespace q::test
