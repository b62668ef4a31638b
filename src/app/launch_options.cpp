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

void AddLaunchOptions(CLI::App& app, LaunchOptions* options) {
    const auto absolute = [](std::string path) { return Absolute(path); };
    app.add_option("--floors", options->floorsPath, "play another floor set (quorrel-floors compile makes one)")
        ->type_name("FILE")
        ->transform(absolute);
    // The folder is optional: a following option is not one.
    app.add_option_function<std::string>(
           "--record",
           [options](const std::string& folder) {
               options->record = true;
               options->recordFolder = folder.empty() ? std::string() : Absolute(folder);
           },
           "keep every floor played (not the demos) as a replay file in DIR")
        ->type_name("[DIR]")
        ->expected(0, 1);
    app.add_option("--replay", options->replayPath, "watch a recorded floor, then return to the title")
        ->type_name("FILE")
        ->transform(absolute);
}

CommandLineResult ReadLaunchOptions(int argc, const char* const* argv, LaunchOptions* options) {
    *options = LaunchOptions{};
    CLI::App app("Quorrel, a climbing puzzle game.", "quorrel");
    PrepareCommandLine(app);
    AddLaunchOptions(app, options);
    app.footer(
        "Without DIR, --record keeps the replays in $XDG_DATA_HOME/quorrel/replays\n"
        "(~/.local/share/quorrel/replays; on Windows %APPDATA%\\quorrel\\replays).\n"
        "A floor set or a replay the game cannot play is refused at start.\n"
        "Started plainly the game reads data.dat, floor.dat and config.dat from the\n"
        "working folder (an installed game: its data folder and the user's config\n"
        "folder) and writes nothing. Alt+Enter switches between a window and full\n"
        "screen at any time.\n");
    return ReadCommandLine(app, argc, argv);
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
