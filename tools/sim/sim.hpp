#pragma once
// quorrel-sim: plays one floor of a floor file headless, from its demo or a
// command file, and prints the world step by step.
#include <cstdint>
#include <iosfwd>
#include <string>

#include "platform/core/command_line.hpp"
#include "world/world.hpp"

namespace q::sim {

struct Options {
    std::string floorsPath;
    int floor = 0;
    std::string commandsPath;  // empty: the floor's own demo
    std::string replayPath;    // a recorded run: its floor, character, chasers and commands
    int64_t steps = -1;        // -1: replay length + 2000 (a recorded run: its own steps)
    bool extraSpawns = true;
    int character = 0;
    bool trace = false;
};

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitUsage = kUsageStatus;
constexpr int kExitRefused = 2;  // floor refused, or command file unusable

// Reads the command line into `out`; the result says whether to run, or
// what to show and the status to stop with.
CommandLineResult ReadArgs(int argc, const char* const* argv, Options& out);

// Runs the floor as the options say, printing to out (trace or summary) and
// errors to err. Returns the exit status.
int Run(const Options& options, std::ostream& out, std::ostream& err);

// The program quorrel-sim: reads the command line, then runs with the trace
// on standard output as bytes. Returns the exit status.
int Main(int argc, const char* const* argv);

// One trace line (without the newline) for the world after `step` steps,
// with the sound effects requested in that step.
std::string TraceLine(World& w, int64_t step, uint32_t sounds);

}  // namespace q::sim
