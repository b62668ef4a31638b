// A floor in play: LoadFloor from a damaged floor.dat, PopulateFloor, then a
// few hundred steps with fuzzed commands, live or as a replayed demo.
//
// Input: [floor number][flags][command count, 2 bytes LE][commands][floor.dat]
// flags: bit 0 replay the commands as the demo, bit 1 no extra spawns,
// bits 2-3 the character (0..2).
#include <cstring>
#include <memory>

#include "fuzz_support.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"
#include "world/play_step.hpp"
#include "world/world_step.hpp"

namespace {
constexpr int kSteps = 400;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q;
    if (size < 4) return 0;
    const int floor = 1 + data[0] % kFloorCount;
    const uint8_t flags = data[1];
    size_t count = size_t(data[2]) | size_t(data[3]) << 8;
    if (count > size - 4) count = size - 4;
    const uint8_t* commands = data + 4;
    const uint8_t* floorDat = commands + count;
    const std::string& path = fuzz::WriteScratch("world", floorDat, size - 4 - count);

    static auto world = std::make_unique<World>();
    World& w = *world;
    w = World{};
    InitActorPool(w);
    const bool replay = flags & 1;
    w.playMode = replay ? PLAY_MODE_REPLAY : PLAY_MODE_NORMAL;
    w.extraSpawnsEnabled = (flags & 2) ? 0 : 1;
    w.character = ((flags >> 2) & 3) % 3;
    ResetAttempt(w);
    if (!LoadFloor(w, floor, path.c_str())) return 0;
    if (replay) {
        // As quorrel-sim does with a command file in the demo's place.
        const size_t n = count < size_t(kMaxDemoLength) ? count : size_t(kMaxDemoLength);
        w.replayBuffer.fill(0);
        if (n) std::memcpy(w.replayBuffer.data(), commands, n);
        w.replayLength = int32_t(n) + 10;
    }
    PopulateFloor(w);
    w.soundRequests = 0;
    for (int step = 0; step < kSteps; ++step) {
        const int32_t command = count ? commands[size_t(step) % count] & 31 : CMD_NONE;
        if (StepWorld(w, command)) break;
    }
    return 0;
}
