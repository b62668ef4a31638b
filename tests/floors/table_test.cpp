// The difficulty table, and the floor sources' README that documents every
// character of the legends and holds the table.
#include <gtest/gtest.h>

#include <cstdio>

#include "floors/floor_set.hpp"
#include "floors/legend.hpp"
#include "floors/measures.hpp"
#include "floors/playtests.hpp"
#include "floors/table.hpp"
#include "floors_fixture.hpp"

namespace q::test {
namespace {

// The table row of floor n, or "".
std::string RowOf(const std::string& table, int n) {
    std::istringstream in(table);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("| " + std::to_string(n) + " |", 0) == 0) return line;
    return "";
}

// The cells of a Markdown table row; "\|" stays inside its cell.
std::vector<std::string> CellsOf(const std::string& row) {
    std::vector<std::string> cells;
    std::string cell;
    for (size_t i = 1; i < row.size(); ++i) {
        if (row[i] == '\\' && i + 1 < row.size() && row[i + 1] == '|') {
            cell += "\\|";
            ++i;
        } else if (row[i] == '|') {
            const size_t first = cell.find_first_not_of(' ');
            cells.push_back(first == std::string::npos ? "" : cell.substr(first, cell.find_last_not_of(' ') - first + 1));
            cell.clear();
        } else {
            cell += row[i];
        }
    }
    return cells;
}

class DifficultyTable : public ::testing::Test {
protected:
    void SetUp() override { WriteStandInSet(dir); }
    TempFolder dir;
};

TEST_F(DifficultyTable, EachFloorsRowShowsItsSourceAndWhatTheSolverFound) {
    SourceFloor solved = WalkRightFloor();
    solved.Name("Stairs | Steps")
        .Header("ideas: lift, stairs\nstats: lifts 3, put-downs 2, steps 410, searched 52107, blocks moved 2/4")
        .Demo("R12 A .4 {200}7 L");
    dir.Write(floors::SourceFileName(14), solved.Text());
    SourceFloor unsolved = WalkRightFloor();
    unsolved.Name("Not yet").Demo("");
    dir.Write(floors::SourceFileName(15), unsolved.Text());

    const ToolRun run = RunTool(floors::RunTable, {"--sources", dir.Path()});
    ASSERT_EQ(run.code, 0) << run.err;
    // Not measured: the lifts and blocks from the stats line, the rest unknown.
    EXPECT_EQ(CellsOf(RowOf(run.out, 14)), (std::vector<std::string>{"14", "Stairs \\| Steps", "30", "0", "-", "3", "-",
                                                                      "-", "-", "-", "-", "2/4", "-"}));
    EXPECT_EQ(CellsOf(RowOf(run.out, 15)),
              (std::vector<std::string>{"15", "Not yet", "30", "0", "-", "-", "-", "-", "-", "-", "-", "-", "-"}));
    for (int n = 1; n <= 57; ++n) EXPECT_NE(RowOf(run.out, n), "") << n;
    EXPECT_EQ(CellsOf(run.out.substr(0, run.out.find('\n'))).size(), 13u) << "a heading for every column";
}

TEST_F(DifficultyTable, PlaytestsFollowTheFloorTheyPlayedAndADamagedLineIsNamed) {
    dir.Write(floors::SourceFileName(14), WalkRightFloor().Text());
    floors::Floor floor;
    std::string error;
    ASSERT_TRUE(floors::LoadFloorFile(dir.File(floors::SourceFileName(14)), floor, error)) << error;
    char key[17];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(floors::FloorKey(floor)));
    // Played as floor 13 before it moved; a third player's floor has since changed, as 15 has.
    dir.Write(floors::SourceFileName(15), WalkRightFloor().Tiles(20, 10, "#").Text());
    dir.Write(floors::kPlaytestsFile, std::string("# players\n") + "floor 13 key " + key +
                                          " player a plan failed tries 3 cleared yes\n" + "floor 13 key " + key +
                                          " player b plan worked tries 1 cleared yes\n" +
                                          "floor 14 key 0123456789abcdef player c plan failed tries 4 cleared no\n");
    const ToolRun run = RunTool(floors::RunTable, {"--sources", dir.Path(), "14", "15"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(CellsOf(RowOf(run.out, 14)).back(), "plan 1/2, cleared 2/2, tries 1-3");
    EXPECT_EQ(CellsOf(RowOf(run.out, 15)).back(), "-");

    // A plan that "worked" yet took two tries is a slip in the notes, not a figure.
    for (const char* bad : {"floor 14 key 0123 player a plan worked tries 1 cleared yes",
                            "floor 14 key 0123456789abcdef player a plan worked tries 2 cleared yes",
                            "floor 14 key 0123456789abcdef player a plan failed tries 0 cleared no",
                            "floor 14 key 0123456789abcdef player a plan failed tries 2 cleared yes extra"}) {
        dir.Write(floors::kPlaytestsFile, std::string("# players\n") + bad + "\n");
        const ToolRun damaged = RunTool(floors::RunTable, {"--sources", dir.Path(), "14"});
        EXPECT_EQ(damaged.code, 1) << bad;
        EXPECT_NE(damaged.err.find("line 2 is not a floor's playtest"), std::string::npos) << damaged.err;
    }
}

TEST_F(DifficultyTable, WritingPutsTheTableBetweenTheMarkersAndKeepsTheRest) {
    dir.Write("notes.md", "# Floors\n\nBefore.\n\n<!-- difficulty table -->\nan old table\n<!-- end of table -->\n\nAfter.\n");
    const ToolRun run = RunTool(floors::RunTable, {"--sources", dir.Path(), "--write", dir.File("notes.md")});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string once = dir.Read("notes.md");
    EXPECT_EQ(once.rfind("# Floors\n\nBefore.\n\n<!-- difficulty table -->\n", 0), 0u) << once;
    EXPECT_EQ(once.find("an old table"), std::string::npos);
    EXPECT_NE(RowOf(once, 57), "");
    const std::string tail = "\n<!-- end of table -->\n\nAfter.\n";
    ASSERT_GT(once.size(), tail.size());
    EXPECT_EQ(once.substr(once.size() - tail.size()), tail);

    ASSERT_EQ(RunTool(floors::RunTable, {"--sources", dir.Path(), "--write", dir.File("notes.md")}).code, 0);
    EXPECT_EQ(dir.Read("notes.md"), once) << "writing again changes nothing";
}

TEST_F(DifficultyTable, AReadmeWithoutMarkersIsLeftAlone) {
    dir.Write("notes.md", "no markers here\n");
    const ToolRun run = RunTool(floors::RunTable, {"--sources", dir.Path(), "--write", dir.File("notes.md")});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("<!-- difficulty table -->"), std::string::npos) << run.err;
    EXPECT_EQ(dir.Read("notes.md"), "no markers here\n");
}

// The README's legend tables write a symbol as Markdown code; a bar or a
// backquote needs escaping there.
std::string AsMarkdownCode(char symbol) {
    if (symbol == '|') return "`\\|`";
    if (symbol == '`') return "`` ` ``";
    return std::string("`") + symbol + "`";
}

TEST(FloorReadme, DocumentsEveryTileAndObjectOfTheLegendAndHoldsTheTable) {
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(floors::ReadWholeFile(floors::DefaultSourceDir() + "/README.md", bytes, error)) << error;
    const std::string readme(bytes.begin(), bytes.end());
    auto documented = [&](const floors::LegendEntry& e) {
        return readme.find("| " + AsMarkdownCode(e.symbol) + " | " + std::to_string(e.value) + " | " + e.meaning + " |") !=
               std::string::npos;
    };
    for (const floors::LegendEntry& e : floors::kTileLegend) {
        EXPECT_TRUE(documented(e)) << "tile " << int(e.value) << " '" << e.symbol << "'";
        EXPECT_NE(readme.find(std::string(e.meaning) + " | " + e.use + " |"), std::string::npos)
            << "what tile " << int(e.value) << " is for";
    }
    for (const floors::LegendEntry& e : floors::kObjectLegend)
        EXPECT_TRUE(documented(e)) << "object " << int(e.value) << " '" << e.symbol << "'";
    const size_t begin = readme.find(floors::kTableBegin), end = readme.find(floors::kTableEnd);
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    EXPECT_LT(begin, end);
}

}  // namespace
}  // namespace q::test
