#include "app/launch_options.hpp"

#include <filesystem>
#include <memory>

#include "platform/game_files.hpp"
#include "platform/window.hpp"
#include "play/play_state.hpp"
#include "play/replay_run.hpp"
#include "play/run_recorder.hpp"
#include "world/floor.hpp"
#include "world/replay_file.hpp"

namespace q {

namespace {

// Paths are kept whole: the game may change its working folder (Windows,
// started without data.dat beside it) before it reads them.
std::string Absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path, ec);
    return ec ? path : whole.string();
}

bool Refuse(const std::string& message) {
    ShowErrorBox(message.c_str());
    return false;
}

}  // namespace

const char* LaunchHelp() {
    return "usage: quorrel [--floors FILE] [--record [DIR]] [--replay FILE] [--help]\n"
           "Started plainly the game reads data.dat, floor.dat and config.dat from the\n"
           "working folder (an installed game: its data folder and the user's config\n"
           "folder) and writes nothing.\n"
           "  --floors FILE   play another floor set (a floor.dat made by quorrel-floors\n"
           "                  compile); a file that is not one is refused at start\n"
           "  --record [DIR]  keep every floor played (not the demos) as a replay file when\n"
           "                  it ends, in DIR; without DIR in the user's data folder\n"
           "                  ($XDG_DATA_HOME/quorrel/replays, or ~/.local/share/quorrel/replays;\n"
           "                  on Windows %APPDATA%\\quorrel\\replays)\n"
           "  --replay FILE   watch a recorded floor, then return to the title; a replay\n"
           "                  that is damaged, too long or made on another floor is refused\n"
           "  --help          show this text\n"
           "Alt+Enter switches between a window and full screen at any time.\n";
}

int ReadLaunchOption(int argc, const char* const* argv, int i, LaunchOptions* options, std::string* error) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
        options->help = true;
        return 1;
    }
    if (arg == "--record") {
        options->record = true;
        // The folder is optional: a following option is not one.
        if (hasValue && std::string(argv[i + 1]).rfind("-", 0) != 0) {
            options->recordFolder = Absolute(argv[i + 1]);
            return 2;
        }
        return 1;
    }
    if (arg == "--replay" || arg == "--floors") {
        if (!hasValue) {
            *error = arg + " needs a file";
            return -1;
        }
        (arg == "--replay" ? options->replayPath : options->floorsPath) = Absolute(argv[i + 1]);
        return 2;
    }
    return 0;
}

bool ParseLaunchOptions(int argc, const char* const* argv, LaunchOptions* options, std::string* error) {
    *options = LaunchOptions{};
    for (int i = 1; i < argc;) {
        const int used = ReadLaunchOption(argc, argv, i, options, error);
        if (used < 0) return false;
        if (used == 0) {
            *error = std::string("unknown option ") + argv[i];
            return false;
        }
        i += used;
    }
    return true;
}

bool ApplyLaunchOptions(const LaunchOptions& options) {
    // A scratch world for the checks, given back before the game starts.
    auto scratch = std::make_unique<World>();
    if (!options.floorsPath.empty()) {
        for (int n = 1; n <= kFloorCount; ++n) {
            if (LoadFloor(*scratch, n, options.floorsPath.c_str())) continue;
            return Refuse(options.floorsPath + " is not a floor set the game can play: floor " + std::to_string(n) +
                          " cannot be read from it.");
        }
        SetFloorsFile(options.floorsPath.c_str());
    }
    if (!options.replayPath.empty()) {
        auto run = std::make_unique<Replay>();
        ReplayRefusal refusal = ReadReplayFile(options.replayPath.c_str(), run.get());
        if (refusal == ReplayRefusal::None) refusal = LoadReplayFloor(*scratch, *run, FloorsFile().text);
        if (refusal != ReplayRefusal::None)
            return Refuse("The replay " + options.replayPath + " " + ReplayRefusalText(refusal) + ". Nothing is played.");
        SetRunToWatch(*run);
    }
    if (options.record) {
        GamePath folder{};
        if (!options.recordFolder.empty()) {
            SetRecordFolder(options.recordFolder.c_str());
        } else if (DefaultReplayFolder(&folder)) {
            SetRecordFolder(folder.text);
        } else {
            return Refuse("--record: there is no data folder to keep replays in (HOME is not set); name one: --record DIR");
        }
    }
    return true;
}

}  // namespace q
