// quorrel-headless refuses a script it should not read whole, before reading it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/headless_run.hpp"

namespace q::test {
namespace {

// Exit status and stderr of quorrel-headless run in `dir` with `script`.
std::pair<int, std::string> RunWithScript(const GameFolder& dir, const std::string& script) {
    const std::string command = "cd '" + dir.Path() + "' && '" QUORREL_BINARY_DIR "/quorrel-headless' --script '" +
                                script + "' --frames 1 > stdout.txt 2> stderr.txt";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(dir.File("stderr.txt"))};
}

TEST(HeadlessScriptFile, OversizedFoldersAndDevicesAreRefusedWithAMessage) {
    GameFolder dir;
    {
        std::ofstream(dir.File("huge.txt")) << "0 down Enter\n";
    }
    std::filesystem::resize_file(dir.File("huge.txt"), uint64_t(4) << 30);
    auto [status, err] = RunWithScript(dir, "huge.txt");
    EXPECT_EQ(status, 2);
    EXPECT_NE(err.find("huge.txt is larger than"), std::string::npos) << err;

    std::filesystem::create_directory(dir.File("folder"));
    for (const std::string& script : {dir.File("folder"), std::string("/dev/zero")}) {
        std::tie(status, err) = RunWithScript(dir, script);
        EXPECT_EQ(status, 2) << script;
        EXPECT_NE(err.find("cannot read"), std::string::npos) << err;
    }
}

}  // namespace
}  // namespace q::test
