// A replay file (quorrel --replay, quorrel-sim --replay): whatever the bytes,
// the reader refuses them or gives a run that writes back to the same bytes,
// and a run it accepts plays on the project's own floors.
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "floors/floor_set.hpp"
#include "fuzz_support.hpp"
#include "sim/sim.hpp"
#include "world/replay_file.hpp"

namespace {

std::string floorsPath;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    using namespace q::floors;
    FloorSet set;
    std::string error;
    if (!LoadFloorSet(QUORREL_ASSET_DIR "/floors", set, error)) return 0;
    const std::vector<uint8_t> dat = BuildFloorDat(set.floors);
    floorsPath = q::fuzz::WriteScratch("replay-floors", dat.data(), dat.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q;
    auto run = std::make_unique<Replay>();
    if (DecodeReplay(data, size, run.get()) == ReplayRefusal::None) {
        std::vector<uint8_t> again(kMaxReplayFileBytes);
        const size_t written = EncodeReplay(*run, again.data(), again.size());
        if (written != size || std::memcmp(again.data(), data, size) != 0) __builtin_trap();
    }
    if (floorsPath.empty()) return 0;
    sim::Options options;
    options.floorsPath = floorsPath;
    options.replayPath = fuzz::WriteScratch("replay", data, size);
    options.steps = 300;
    std::ostringstream out, err;
    const int status = sim::Run(options, out, err);
    // Refused or played, never anything else.
    if (status != sim::kExitOk && status != sim::kExitRefused) __builtin_trap();
    return 0;
}
