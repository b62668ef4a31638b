#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/launch_options.hpp"

namespace q {
namespace {

CommandLineResult Read(std::vector<const char*> args, LaunchOptions* options) {
    args.insert(args.begin(), "quorrel");
    return ReadLaunchOptions(static_cast<int>(args.size()), args.data(), options);
}

TEST(LaunchOptions, RecordTakesAFolderOnlyWhenOneFollowsAndPathsAreMadeWhole) {
    LaunchOptions o;
    ASSERT_TRUE(Read({"--record", "--floors", "set.dat"}, &o).run);
    EXPECT_TRUE(o.record);
    EXPECT_EQ(o.recordFolder, "");
    EXPECT_TRUE(std::filesystem::path(o.floorsPath).is_absolute()) << o.floorsPath;
    EXPECT_EQ(std::filesystem::path(o.floorsPath).filename(), "set.dat");

    ASSERT_TRUE(Read({"--replay", "run.qrp", "--record", "keep"}, &o).run);
    EXPECT_TRUE(o.record);
    EXPECT_EQ(std::filesystem::path(o.recordFolder).filename(), "keep");
    EXPECT_TRUE(std::filesystem::path(o.recordFolder).is_absolute());
    EXPECT_TRUE(std::filesystem::path(o.replayPath).is_absolute());

    // Read again, nothing is left over from before: a plain start is plain.
    ASSERT_TRUE(Read({}, &o).run);
    EXPECT_FALSE(o.record);
    EXPECT_EQ(o.replayPath, "");
    EXPECT_EQ(o.floorsPath, "");
}

TEST(LaunchOptions, AMisuseIsNamedInOneLineWithStatusTwoAndHelpAndVersionStopCleanly) {
    LaunchOptions o;
    for (const auto& args : {std::vector<const char*>{"--bogus"}, {"--replay"}, {"--floors", "a", "extra"}}) {
        const CommandLineResult r = Read(args, &o);
        EXPECT_FALSE(r.run);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.text.find('\n'), std::string::npos) << r.text;
        EXPECT_EQ(r.text.rfind("quorrel: ", 0), 0u) << r.text;
    }
    EXPECT_NE(Read({"--bogus"}, &o).text.find("--bogus"), std::string::npos);

    const CommandLineResult help = Read({"--help"}, &o);
    EXPECT_FALSE(help.run);
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--floors", "--record", "--replay", "--version"})
        EXPECT_NE(help.text.find(option), std::string::npos) << option;
    const CommandLineResult version = Read({"--version"}, &o);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.text, std::string("quorrel ") + ProgramVersion() + "\n");
}

}  // namespace
}  // namespace q
