// quorrel-sim for node: the same program as the native one, plus
//   quorrel-sim.js --batch FILE
// which plays many runs in one process, as starting node and compiling the
// module for each of hundreds of runs takes far longer than the runs. Each
// line of FILE is "OUT ARG..." (arguments as quorrel-sim takes them, split at
// spaces); what the run prints, errors included, goes to the file OUT, and
// its exit status to OUT.status.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "sim/sim.hpp"

namespace {

int RunOne(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    q::sim::Options options;
    const q::CommandLineResult line = q::sim::ReadArgs(static_cast<int>(argv.size()), argv.data(), options);
    if (!line.run) return q::ReportCommandLine(line, out, err);
    return q::sim::Run(options, out, err);
}

int RunBatch(const char* listPath) {
    std::ifstream list(listPath);
    if (!list) {
        std::cerr << "quorrel-sim: cannot read " << listPath << "\n";
        return q::sim::kExitUsage;
    }
    for (std::string line; std::getline(list, line);) {
        std::istringstream words(line);
        std::string outPath;
        if (!(words >> outPath)) continue;
        std::vector<std::string> args{"quorrel-sim"};
        for (std::string w; words >> w;) args.push_back(w);
        // Errors go to the same file, as the trace scripts take 2>&1.
        std::ofstream out(outPath, std::ios::binary);
        const int status = RunOne(args, out, out);
        std::ofstream(outPath + ".status") << status << "\n";
        if (!out) {
            std::cerr << "quorrel-sim: cannot write " << outPath << "\n";
            return q::sim::kExitUsage;
        }
    }
    return q::sim::kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--batch") return RunBatch(argv[2]);
    return q::sim::Main(argc, argv);
}
