// The cost of drawing one full play field: 1240 tiles (40 x 31), 400 actors
// and the HUD, from BeginFrameDraw to PresentFrame, with the headless
// software renderer and with the window's renderer (accelerated when the
// machine has one; under xvfb it is Mesa's llvmpipe, itself software).
//
//   bench_draw [data.dat|""] [benchmark flags]   (run under xvfb-run -a for the window case)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench_data.hpp"
#include "platform/core/archive.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/backend.hpp"
#include "platform/graphics.hpp"
#include "platform/core/settings.hpp"
#include "platform/core/sprite.hpp"
#include "platform/window.hpp"
#include "play/play_field.hpp"
#include "scene/scene.hpp"

namespace {

constexpr int kColumns = 40, kRows = 31;  // 1240 tiles
constexpr int kActors = 400;

void DrawPlayField(int frame) {
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col) {
            // Tiles with pictures only, as the terrain draws them.
            const int tile = 24 + ((row * 7 + col * 3) & 7);
            q::DrawSpriteBox(col * 16, row * 16 - (frame & 15), 16, 16, q::atlas::kTiles[tile]);
        }
    for (int a = 0; a < kActors; ++a) {
        const int x = (a * 53 + frame) % 640 - 16, y = (a * 31) % 480;
        const q::Rect src = q::atlas::kPoses[a % 36];
        q::DrawSprite(q::Rect{x, y, x + 16, y + 32}, src, a % 5 == 0 ? 0x80FFFFFFu : 0xFFFFFFFFu);
    }
    q::DrawPlayHud(q::SCENE_PLAY, 42);
}

void Frame(benchmark::State& state) {
    int frame = 0;
    for (auto _ : state) {
        q::BeginFrameDraw();
        DrawPlayField(frame++);
        q::EndFrameDraw();
        q::PresentFrame();
    }
    state.SetItemsProcessed(state.iterations());
}

// Building and queueing the 1240 + 400 + HUD quads alone, without the renderer's work.
void SubmitOnly(benchmark::State& state) {
    int frame = 0;
    for (auto _ : state) {
        q::BeginFrameDraw();
        DrawPlayField(frame++);
        // Drop the queue without drawing it: a new frame starts afresh.
        q::BeginFrameDraw();
    }
}

std::string dataPath;

void Headless(benchmark::State& state) {
    q::SelectBackend(q::BackendKind::Headless);
    if (!q::LoadArchive(dataPath.c_str()) || !q::CreateGraphics()) {
        state.SkipWithError("no headless device");
        return;
    }
    if (state.range(0)) SubmitOnly(state); else Frame(state);
    q::ReleaseGraphics();
    q::FreeArchive();
}

void Window(benchmark::State& state) {
    q::SelectBackend(q::BackendKind::Sdl);
    q::settings.vsync = 0;
    if (!q::CreateMainWindow()) {
        state.SkipWithError("no display: run under xvfb-run -a");
        return;
    }
    if (!q::LoadArchive(dataPath.c_str()) || !q::CreateGraphics()) {
        state.SkipWithError("no window device");
        q::Shutdown();
        return;
    }
    Frame(state);
    q::ReleaseGraphics();
    q::FreeArchive();
    q::Shutdown();
}

}  // namespace

BENCHMARK(Headless)->Arg(0)->ArgName("submit_only")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(Headless)->Arg(1)->ArgName("submit_only")->Unit(benchmark::kMicrosecond);
BENCHMARK(Window)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char** argv) {
    if (argc > 1 && argv[1][0] != '-') {
        dataPath = argv[1];
        --argc;
        ++argv;
        if (dataPath.empty()) dataPath = q::benchdata::WriteArchive();
    } else {
        dataPath = q::benchdata::WriteArchive();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
