#include "floors/random_keys.hpp"

#include <iterator>
#include <memory>

#include "floors/floor_world.hpp"
#include "floors/split_mix.hpp"
#include "world/world_step.hpp"

namespace q::floors {

namespace {

// A key held from a tap to a long walk, with the action key tapped as
// often as any direction is held, since lifting is what a stream must stumble on.
constexpr int32_t kKeys[] = {CMD_NONE, CMD_RIGHT, CMD_LEFT, CMD_UP, CMD_DOWN, CMD_ACTION, CMD_ACTION};
constexpr int kLongestHold = 48;
constexpr int kLongestTap = 3;

}  // namespace

int RandomKeysClear(const Floor& floor, const RandomKeysOptions& options) {
    const std::unique_ptr<World> start = EnterFloor(floor, {PLAY_MODE_NORMAL, false, 0});
    auto w = std::make_unique<World>();
    SplitMix random(options.seed);
    for (int stream = 1; stream <= options.streams; ++stream) {
        *w = *start;
        for (int step = 0; step < options.steps;) {
            const int32_t key = kKeys[random.Between(0, static_cast<int>(std::size(kKeys)) - 1)];
            const int hold = random.Between(1, key == CMD_ACTION ? kLongestTap : kLongestHold);
            for (int i = 0; i < hold && step < options.steps; ++i, ++step) {
                if (!StepWorld(*w, key)) continue;
                if (w->playResult == PLAY_RESULT_CLEARED) return stream;
                step = options.steps;  // failed: the next stream starts afresh
                break;
            }
        }
    }
    return 0;
}

}  // namespace q::floors
