// Logic steps per second of the world on a busy floor: 120 rows, 40 L-blocks,
// a builder, ten chasers and the player walking back and forth. One step is
// StepWorld, as the play scene and every tool run it.
//
//   bench_world_steps [benchmark flags]
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/test_hooks.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"
#include "world/play_step.hpp"
#include "world/world.hpp"
#include "world/world_step.hpp"

namespace {

constexpr int kRows = 120;
constexpr int kLevelHeight = 12;  // a platform every 12 rows
constexpr int kLadderColumn = 20;
// Steps run from one copy of the starting floor before it is taken afresh,
// so the floor stays busy (chasers get squashed, blocks settle).
constexpr int kStepsPerRun = 2000;
constexpr int kWalkLength = 160;  // command bytes each way

void SetTile(q::World& w, int column, int row, int tile) { w.tileMap[row * 40 + column] = static_cast<int8_t>(tile); }
void SetObject(q::World& w, int column, int row, int kind) { w.objectMap[row * 40 + column] = static_cast<int8_t>(kind); }

std::unique_ptr<q::World> BusyFloor() {
    auto w = std::make_unique<q::World>();
    q::InitActorPool(*w);
    w->floorRows = kRows;
    for (int row = 0; row < kRows; ++row) {
        SetTile(*w, 0, row, 31);
        SetTile(*w, 39, row, 31);
    }
    for (int column = 0; column < 40; ++column) SetTile(*w, column, kRows - 1, 31);
    int blocks = 0, chasers = 0;
    for (int level = 1; level * kLevelHeight < kRows - 1; ++level) {
        const int platform = level * kLevelHeight - 1;
        for (int column = 1; column < 39; ++column) SetTile(*w, column, platform, 30);
        SetTile(*w, kLadderColumn, platform, 28);
        for (int row = platform + 1; row < platform + kLevelHeight && row < kRows - 1; ++row)
            SetTile(*w, kLadderColumn, row, 24);
        for (int column : {3, 9, 27, 33}) {
            SetObject(*w, column, platform - 1, column < 20 ? q::KIND_LBLOCK_0 : q::KIND_HEAVY_LBLOCK_1);
            ++blocks;
        }
        if (chasers < 10) {
            SetObject(*w, 14, platform - 2, q::KIND_CHASER);
            ++chasers;
        }
    }
    // The bottom level: the last four blocks, the builder, the player.
    for (int column : {5, 11, 29, 35}) SetObject(*w, column, kRows - 2, q::KIND_LBLOCK_1);
    SetObject(*w, 24, kRows - 3, q::KIND_BUILDER);
    SetObject(*w, 16, kRows - 3, q::KIND_PLAYER);

    w->scrollY = (kRows - 31) * 16;
    w->playMode = q::PLAY_MODE_REPLAY;
    for (int i = 0; i < q::kMaxDemoLength; ++i) w->replayBuffer[i] = (i / kWalkLength) % 2 ? q::CMD_LEFT : q::CMD_RIGHT;
    w->replayLength = q::kMaxDemoLength + 10;
    q::ResetAttempt(*w);
    q::PopulateFloor(*w);
    return w;
}

// A step, then (with a nonzero argument) the whole floor drawn as a frame
// draws it (terrain and actors) into the draw recording, so nothing reaches a
// screen: the cost of the draw handlers themselves.
void BM_WorldSteps(benchmark::State& state) {
    const auto start = BusyFloor();
    auto w = std::make_unique<q::World>(*start);
    int inRun = 0;
    int64_t steps = 0;
    for (auto _ : state) {
        if (inRun == kStepsPerRun) {
            state.PauseTiming();
            *w = *start;
            inRun = 0;
            state.ResumeTiming();
        }
        q::StepWorld(*w);
        if (state.range(0)) {
            q::StartDrawRecording();
            q::DrawWorld(*w);
            q::StopDrawRecording();
        }
        ++inRun;
        ++steps;
    }
    state.SetItemsProcessed(steps);
    state.counters["actors"] = q::ActiveCount(*start);
}
BENCHMARK(BM_WorldSteps)->Arg(0)->ArgName("draw");
BENCHMARK(BM_WorldSteps)->Arg(1)->ArgName("draw");
// One run of the floor exactly, for counting instructions per step:
//   valgrind --tool=callgrind --toggle-collect='q::StepWorld*' bench_world_steps --benchmark_filter=iterations
BENCHMARK(BM_WorldSteps)->Arg(0)->ArgName("draw")->Iterations(kStepsPerRun);


}  // namespace

BENCHMARK_MAIN();
