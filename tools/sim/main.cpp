// quorrel-sim --floors PATH --floor N [--commands FILE] [--steps K]
//             [--no-extra-spawns] [--character C] [--trace]
// quorrel-sim --floors PATH --replay FILE [--steps K] [--trace]
#include <iostream>
#include <string>

#include "platform/host.hpp"
#include "sim/sim.hpp"

int main(int argc, char** argv) {
    q::sim::Options options;
    std::string error;
    if (!q::sim::ParseArgs(argc, argv, options, error)) {
        std::cerr << "quorrel-sim: " << error << "\n"
                  << "usage: quorrel-sim --floors PATH --floor N [--commands FILE] [--steps K] "
                     "[--no-extra-spawns] [--character C] [--trace]\n"
                     "       quorrel-sim --floors PATH --replay FILE [--steps K] [--trace]\n";
        return q::sim::kExitUsage;
    }
    q::UseBinaryStdout();
    std::ios::sync_with_stdio(false);
    return q::sim::Run(options, std::cout, std::cerr);
}
