// What every floors command does with a command line it cannot use.
#include <gtest/gtest.h>

#include "floors/commands.hpp"
#include "floors/floor_set.hpp"
#include "floors_fixture.hpp"

namespace q::test {
namespace {

TEST(FloorsCommandLine, AMisuseIsNamedInOneLineWithStatusTwoAndNothingIsRead) {
    struct Misuse {
        floors::CommandRun run;
        std::vector<std::string> args;
        std::string named;
    };
    const std::vector<Misuse> misuses = {
        {floors::RunLint, {"--bogus"}, "quorrel-floors lint: The following argument was not expected: --bogus"},
        {floors::RunLint, {"58"}, "quorrel-floors lint: N: "},
        {floors::RunLint, {"--write"}, "--write"},  // another command's option
        {floors::RunCompile, {}, "quorrel-floors compile: --out"},
        {floors::RunDecompile, {"--out", "x"}, "--floors"},
        {floors::RunSolve, {"--sources", "nowhere"}, "quorrel-floors solve: a floor to solve"},
        {floors::RunSolve, {"--max-states", "0", "3"}, "--max-states"},
        {floors::RunVerify, {"--max-states", "99999999999999999999"}, "--max-states"},
        {floors::RunRender, {"3"}, "--out"},
        {floors::RunTable, {"0"}, "N: "},
        {floors::RunGenerate, {"--ideas", "turn", "--rows", "30", "--seed", "-1"}, "--seed"},
    };
    for (const Misuse& m : misuses) {
        const ToolRun run = RunTool(m.run, m.args);
        EXPECT_EQ(run.code, 2) << m.named;
        EXPECT_NE(run.err.find(m.named), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
    const ToolRun help = RunTool(floors::RunSolve, {"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("--demo-from"), std::string::npos) << help.out;
}

TEST(FloorsCommandLine, AFloorNumberAfterTableWriteIsAFloorOfTheTableNotTheFile) {
    TempFolder dir;
    WriteStandInSet(dir);
    dir.Write("README.md", "<!-- difficulty table -->\n<!-- end of table -->\n");
    const ToolRun run = RunTool(floors::RunTable, {"--sources", dir.Path(), "--write", "3"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string readme = dir.Read("README.md");
    EXPECT_NE(readme.find("| 3 |"), std::string::npos) << readme;
    EXPECT_EQ(readme.find("| 4 |"), std::string::npos) << "only the floor named";
}

}  // namespace
}  // namespace q::test
