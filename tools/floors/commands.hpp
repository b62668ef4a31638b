#pragma once
// The commands of quorrel-floors, each a function of its arguments, so tests
// run them in-process.
#include <iosfwd>
#include <string>
#include <vector>

namespace q::floors {

using CommandRun = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Command {
    const char* name;
    CommandRun run;
};

// The command of that name, or nullptr.
const Command* FindCommand(const std::string& name);

int RunCompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDecompile(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunLint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Shared argument reading: "--name value" options and bare floor numbers.
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
    std::vector<int> numbers;
};
// false (with a message) on an argument the command does not know.
bool ReadArguments(const std::vector<std::string>& args, Arguments& out, std::string& error);
std::string DefaultSourceDir();

}  // namespace q::floors
