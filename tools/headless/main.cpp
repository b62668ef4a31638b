// quorrel-headless [--script FILE] [--frames N] [--log FILE] [GAME OPTIONS]
// The whole game without a window, sound device or waiting, driven by a key
// script; see runner.hpp and script.hpp.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/launch_options.hpp"
#include "headless/runner.hpp"
#include "platform/backend.hpp"
#include "headless/script.hpp"
#include "platform/bounded_read.hpp"
#include "platform/host.hpp"

namespace {

constexpr int kUsageError = 2;
// Far more than any test script needs, and little enough to read at once.
constexpr int64_t kMaxScriptBytes = 1 << 20;

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "quorrel-headless: %s\nusage: quorrel-headless [--script FILE] [--frames N] [--log FILE] "
                 "[--floors FILE] [--record [DIR]] [--replay FILE]\n",
                 problem);
    return kUsageError;
}

bool ParseCount(const char* text, int64_t* out) {
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < 0) return false;
    *out = value;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace q::headless_tool;
    RunOptions options;
    const char* scriptPath = nullptr;
    const char* logPath = nullptr;
    q::LaunchOptions game;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        // The game's own options, as quorrel takes them.
        std::string error;
        const int used = q::ReadLaunchOption(argc, argv, i, &game, &error);
        if (used < 0) return Usage(error.c_str());
        if (used > 0) {
            i += used - 1;
            continue;
        }
        if (i + 1 >= argc) return Usage(("missing value after " + arg).c_str());
        if (arg == "--script") {
            scriptPath = argv[++i];
        } else if (arg == "--frames") {
            if (!ParseCount(argv[++i], &options.frames)) return Usage("--frames takes a count");
        } else if (arg == "--log") {
            logPath = argv[++i];
        } else {
            return Usage(("unknown option " + arg).c_str());
        }
    }

    if (scriptPath) {
        std::vector<uint8_t> bytes;
        const q::BoundedRead read = q::ReadBoundedFile(scriptPath, kMaxScriptBytes, &bytes);
        if (read == q::BoundedRead::Missing) return Usage((std::string("cannot read ") + scriptPath).c_str());
        if (read == q::BoundedRead::TooLarge) {
            return Usage((std::string(scriptPath) + " is larger than " + std::to_string(kMaxScriptBytes) + " bytes")
                             .c_str());
        }
        std::string error;
        if (!ParseScript(std::string(bytes.begin(), bytes.end()), &options.events, &error)) {
            return Usage((std::string(scriptPath) + ": " + error).c_str());
        }
    }

    if (game.help) return Usage("the game's options are those of quorrel --help");
    // Refusals are printed, as every message of the headless game is.
    q::SelectBackend(q::BackendKind::Headless);
    if (!q::ApplyLaunchOptions(game)) return 1;

    q::UseBinaryStdout();
    std::FILE* log = stdout;
    if (logPath) {
        log = std::fopen(logPath, "wb");
        if (!log) return Usage((std::string("cannot write ") + logPath).c_str());
    }
    options.log = log;
    const int code = RunHeadless(options);
    if (log != stdout) std::fclose(log);
    return code;
}
