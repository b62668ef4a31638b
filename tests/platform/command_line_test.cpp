#include <gtest/gtest.h>

#include <sstream>

#include "platform/core/command_line.hpp"

namespace q {
namespace {

struct Counted {
    CLI::App app{"a test program", "counter"};
    int64_t count = -1;
    int pick = 0;
    Counted() {
        PrepareCommandLine(app);
        app.add_option("--count", count)->check(CountFrom(1));
        app.add_option("--pick", pick)->check(CLI::Range(1, 3));
    }
};

TEST(CommandLine, CountsAreWholeNumbersInRangeAndTheLastOfARepeatedOptionCounts) {
    for (const char* bad : {"0", "-4", "3x", "", "1e3", "9223372036854775808", "99999999999999999999"}) {
        Counted c;
        const CommandLineResult r = ReadCommandLine(c.app, {"--count", bad});
        EXPECT_EQ(r.status, kUsageStatus) << bad;
        EXPECT_NE(r.text.find("--count"), std::string::npos) << r.text;
    }
    Counted c;
    ASSERT_TRUE(ReadCommandLine(c.app, {"--count", "9223372036854775807", "--pick", "1", "--pick", "3"}).run);
    EXPECT_EQ(c.count, INT64_MAX);
    EXPECT_EQ(c.pick, 3);
    Counted out;
    EXPECT_EQ(ReadCommandLine(out.app, {"--pick", "4"}).status, kUsageStatus);
}

TEST(CommandLine, HelpAndVersionGoToStandardOutputAndAMisuseToStandardErrorInOneLine) {
    std::ostringstream out, err;
    Counted help;
    EXPECT_EQ(ReportCommandLine(ReadCommandLine(help.app, {"--help"}), out, err), 0);
    EXPECT_NE(out.str().find("--count"), std::string::npos);
    EXPECT_TRUE(err.str().empty());

    out.str("");
    Counted misuse;
    EXPECT_EQ(ReportCommandLine(ReadCommandLine(misuse.app, {"--count"}), out, err), kUsageStatus);
    EXPECT_TRUE(out.str().empty());
    const std::string line = err.str();
    EXPECT_EQ(line.rfind("counter: --count", 0), 0u) << line;
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
}

}  // namespace
}  // namespace q
