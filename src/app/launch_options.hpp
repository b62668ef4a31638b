#pragma once
// The game's command-line options, shared by quorrel and quorrel-headless.
// Started without any, the game is exactly the plain game.
#include <string>

namespace q {

struct LaunchOptions {
    bool help = false;
    bool record = false;
    std::string recordFolder;  // empty: the user's data folder
    std::string replayPath;
    std::string floorsPath;
};

// Reads the option at argv[i] (with its value) when it is one of the game's:
// returns how many arguments it took, 0 when argv[i] is not a game option,
// -1 (with a message in *error) when it is one used wrongly.
int ReadLaunchOption(int argc, const char* const* argv, int i, LaunchOptions* options, std::string* error);
// The whole command line of the game; false with a message.
bool ParseLaunchOptions(int argc, const char* const* argv, LaunchOptions* options, std::string* error);
// The --help text.
const char* LaunchHelp();

// Checks the files the options name before anything starts (a floor set
// every floor of which loads, a replay that fits its floor) and hands them
// to the game. false when one is refused: the message has been shown.
bool ApplyLaunchOptions(const LaunchOptions& options);

}  // namespace q
