// quorrel-headless [--script FILE] [--frames N] [--log FILE] [GAME OPTIONS]
// The whole game without a window, sound device or waiting, driven by a key
// script; see runner.hpp and script.hpp.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/launch_options.hpp"
#include "headless/runner.hpp"
#include "headless/script.hpp"
#include "platform/backend.hpp"
#include "platform/core/bounded_read.hpp"
#include "platform/core/command_line.hpp"
#include "platform/core/host.hpp"

namespace {

// Far more than any test script needs, and little enough to read at once.
constexpr int64_t kMaxScriptBytes = 1 << 20;

int Refuse(const std::string& problem) {
    std::fprintf(stderr, "quorrel-headless: %s\n", problem.c_str());
    return q::kUsageStatus;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace q::headless_tool;
    RunOptions options;
    std::string scriptPath, logPath;
    q::LaunchOptions game;
    CLI::App app("The whole game without a window, sound device or waiting, driven by a key script.",
                 "quorrel-headless");
    q::PrepareCommandLine(app);
    CLI::Option* script = app.add_option("--script", scriptPath, "the keys: FRAME down KEY, FRAME up KEY or FRAME shot PATH.png a line")
        ->type_name("FILE");
    app.add_option("--frames", options.frames, "how many frames to run (600 by default)")
        ->type_name("N")
        ->check(q::CountFrom(0));
    CLI::Option* logOption = app.add_option("--log", logPath, "where the log goes instead of standard output")->type_name("FILE");
    // The game's own options, as quorrel takes them.
    q::AddLaunchOptions(app, &game);
    const q::CommandLineResult line = q::ReadCommandLine(app, argc, argv);
    if (!line.run) return q::ReportCommandLine(line, std::cout, std::cerr);

    if (script->count()) {
        std::vector<uint8_t> bytes;
        const q::BoundedRead read = q::ReadBoundedFile(scriptPath.c_str(), kMaxScriptBytes, &bytes);
        if (read == q::BoundedRead::Missing) return Refuse("cannot read " + scriptPath);
        if (read == q::BoundedRead::TooLarge)
            return Refuse(scriptPath + " is larger than " + std::to_string(kMaxScriptBytes) + " bytes");
        std::string error;
        if (!ParseScript(std::string(bytes.begin(), bytes.end()), &options.events, &error))
            return Refuse(scriptPath + ": " + error);
    }

    // Refusals are printed, as every message of the headless game is.
    q::SelectBackend(q::BackendKind::Headless);
    if (!q::ApplyLaunchOptions(game)) return 1;

    q::UseBinaryStdout();
    std::FILE* log = stdout;
    if (logOption->count()) {
        log = std::fopen(logPath.c_str(), "wb");
        if (!log) return Refuse("cannot write " + logPath);
    }
    options.log = log;
    const int code = RunHeadless(options);
    if (log != stdout) std::fclose(log);
    return code;
}
