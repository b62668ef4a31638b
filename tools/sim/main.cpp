// quorrel-sim --floors PATH --floor N [--commands FILE] [--steps K]
//             [--no-extra-spawns] [--character C] [--trace]
// quorrel-sim --floors PATH --replay FILE [--steps K] [--trace]
#include <iostream>

#include "platform/core/host.hpp"
#include "sim/sim.hpp"

int main(int argc, char** argv) {
    q::sim::Options options;
    const q::CommandLineResult line = q::sim::ReadArgs(argc, argv, options);
    if (!line.run) return q::ReportCommandLine(line, std::cout, std::cerr);
    q::UseBinaryStdout();
    std::ios::sync_with_stdio(false);
    return q::sim::Run(options, std::cout, std::cerr);
}
