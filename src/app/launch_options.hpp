#pragma once
// The game's command-line options, shared by quorrel and quorrel-headless.
// Started without any, the game is exactly the plain game.
#include <string>

#include "platform/core/command_line.hpp"

namespace q {

struct LaunchOptions {
    bool record = false;
    std::string recordFolder;  // empty: the user's data folder
    std::string replayPath;
    std::string floorsPath;
};

// Adds the game's options to a command line: quorrel's own, and
// quorrel-headless's beside its own options.
void AddLaunchOptions(CLI::App& app, LaunchOptions* options);
// The game's whole command line.
CommandLineResult ReadLaunchOptions(int argc, const char* const* argv, LaunchOptions* options);

// Checks the files the options name before anything starts (a floor set
// every floor of which loads, a replay that fits its floor) and hands them
// to the game. false when one is refused: the message has been shown.
bool ApplyLaunchOptions(const LaunchOptions& options);

}  // namespace q
