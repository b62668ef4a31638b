// quorrel-sim --floors PATH --floor N [--commands FILE] [--steps K]
//             [--no-extra-spawns] [--character C] [--trace]
// quorrel-sim --floors PATH --replay FILE [--steps K] [--trace]
#include "sim/sim.hpp"

int main(int argc, char** argv) { return q::sim::Main(argc, argv); }
