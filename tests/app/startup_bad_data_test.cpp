#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/startup_helpers.hpp"
#include "platform/core/archive.hpp"
#include "platform/graphics.hpp"
#include "support/data_dat.hpp"

namespace q::shell_test {
namespace {

using StartupBadDataTest = ShellHarness;

// The program's one message for a data.dat it cannot use, and nothing run.
void ExpectOnlyMessage(const char* message) {
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0], message);
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(HasDevice());
    EXPECT_EQ(liveAllocations, 0);
}

TEST_F(StartupBadDataTest, AtlasesThatAreNotUsablePngsAreAGraphicsError) {
    const std::string pnm16 = "P6\n2 2\n65535\n" + std::string(24, '\x7f');
    const test::Bytes huge = test::WithSize(test::TinyPng(), 16384, 16384);
    for (const test::Bytes& atlas : {test::Bytes(pnm16.begin(), pnm16.end()), huge}) {
        test::WriteFile((workDir_ / "data.dat").string(), test::DataDatWithAtlas(atlas));
        headless::ClearMessageBoxes();
        EXPECT_EQ(RunGame(), 0);
        ExpectOnlyMessage("graphics error");
        Shutdown();
    }
}

TEST_F(StartupBadDataTest, AFolderNamedDataDatIsAMissingFile) {
    std::filesystem::create_directory(workDir_ / "data.dat");
    EXPECT_EQ(RunGame(), 0);
    ExpectOnlyMessage("memory error3");
    EXPECT_FALSE(ArchiveLoaded());
}

}  // namespace
}  // namespace q::shell_test
