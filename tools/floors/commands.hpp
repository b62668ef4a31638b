#pragma once
// The commands of quorrel-floors, each a function of its arguments, so tests
// run them in-process.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/command_line.hpp"

namespace q::floors {

using CommandRun = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Command {
    const char* name;
    CommandRun run;
};

// The command of that name, or nullptr.
const Command* FindCommand(const std::string& name);
std::vector<std::string> CommandNames();

int RunCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDecompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunLint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// What a command's options say; each command reads only the options it takes.
struct Arguments {
    std::string sources;  // folder of the floor sources
    std::string out;
    std::string floors;   // a floor.dat
    std::string write;    // table --write
    std::string data;     // render: the data.dat whose atlas draws the floors
    std::string demoFrom; // solve: a recorded replay to take as the floor's demo
    bool writeBack = false;
    bool noChasers = false;
    bool noAction = false;
    bool measure = false;  // solve: print the search's own figures; table: measure the floors
    bool ideas = false;    // verify: prove every idea by ablation
    std::string forbid;    // solve: ideas taken away
    std::string curve;     // table: where to draw the curve (a PNG)
    long long maxStates = 3000000;
    int randomStreams = 48;  // verify: random key streams tried on each floor not for teaching
    std::vector<int> numbers;
};
std::string DefaultSourceDir();

// A command's command line, "quorrel-floors NAME": --help and --version,
// then the options the command takes.
struct CommandLine {
    CLI::App app;
    Arguments& a;
    CommandLine(const char* name, const char* summary, Arguments& arguments);
    CLI::Option* Sources();
    // Floor numbers, 1 to 57, after the options.
    CLI::Option* Numbers(const char* what);
    CLI::Option* MaxStates();
    // true to run the command; false with `status` to return, the help, the
    // version or the misuse already printed.
    bool Read(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int& status);
};

}  // namespace q::floors
