#pragma once
// How every program reads its command line: one library (CLI11), the same
// --help and --version everywhere, and a misused option named in one line
// with exit status 2.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace q {

constexpr int kUsageStatus = 2;

// A parser for the program `name`: --help, --version, and a repeated option
// counting with its last value, as the programs have always read them.
void PrepareCommandLine(CLI::App& app);

struct CommandLineResult {
    bool run = true;   // false: the program stops with `status`
    int status = 0;    // 0 after --help or --version, kUsageStatus on a misuse
    std::string text;  // the help, the version, or "program: what is wrong"
};
CommandLineResult ReadCommandLine(CLI::App& app, int argc, const char* const* argv);
// The same for arguments without the program's name before them.
CommandLineResult ReadCommandLine(CLI::App& app, const std::vector<std::string>& args);

// Prints the text (help and version to out, a misuse to err) and returns the
// status to exit with.
int ReportCommandLine(const CommandLineResult& result, std::ostream& out, std::ostream& err);

// A whole number from `least` up, which fits in 64 bits.
CLI::Validator CountFrom(int64_t least);

// The version every program reports.
const char* ProgramVersion();

}  // namespace q
