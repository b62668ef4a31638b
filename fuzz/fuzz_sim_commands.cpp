// quorrel-sim's command file, played on the project's own floors.
// Input: [floor number][the command file].
#include <sstream>
#include <string>

#include "floors/floor_set.hpp"
#include "fuzz_support.hpp"
#include "sim/sim.hpp"

namespace {

std::string floorsPath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace q::floors;
    FloorSet set;
    std::string error;
    if (!LoadFloorSet(QUORREL_ASSET_DIR "/floors", set, error)) return 0;
    const std::vector<uint8_t> dat = BuildFloorDat(set.floors);
    floorsPath = q::fuzz::WriteScratch("sim-floors", dat.data(), dat.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q;
    if (size < 1 || floorsPath.empty()) return 0;
    sim::Options options;
    options.floorsPath = floorsPath;
    options.floor = 1 + data[0] % 57;
    options.commandsPath = fuzz::WriteScratch("sim-commands", data + 1, size - 1);
    options.steps = 300;
    options.trace = data[0] & 0x80;
    std::ostringstream out, err;
    sim::Run(options, out, err);
    return 0;
}
