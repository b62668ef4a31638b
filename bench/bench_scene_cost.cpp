// What real scenes cost the whole game process, every thread counted (a
// software GL driver rasterises on threads of its own): the real game started
// in a window from its working folder, then the title screen as it opens with
// its menu sliding in, a play field holding 400 actors, and the map view.
// Each scene is measured cold (its first frames) and warm (after them), as
// CPU time over wall time, in percent of one core, and CPU per frame.
//
//   bench_scene_cost [GAME_DIR [WARM_FRAMES]]   (default build/game, 300;
//   needs a display: run under tests/with_xvfb.sh without one)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/game.hpp"
#include "platform/backend.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"
#include "world/world.hpp"

namespace {

constexpr double kFrameMs = 17.0;
constexpr int kColdFrames = 60;
constexpr int kDefaultWarmFrames = 300;
constexpr int kBusyFloor = 40;
constexpr int kMaxFramesToPlay = 600;  // shutter and countdown before play

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

int exitCode = 0;

// Runs `frames` frames of the real loop and prints their cost.
bool Measure(const char* label, int frames) {
    const double cpu0 = CpuSeconds(), wall0 = WallSeconds();
    for (int i = 0; i < frames; ++i)
        if (q::GameLoopStep(&exitCode)) return false;
    const double cpu = CpuSeconds() - cpu0, wall = WallSeconds() - wall0;
    // A frame lasts 17 ms when the machine keeps up; on a busy one the wall
    // time stretches, and the share at the game's own pace is the fair figure.
    const double perFrameMs = 1000.0 * cpu / frames;
    std::printf("  %-20s %6.2f ms CPU a frame = %5.1f%% of a core at 17 ms a frame  (measured %5.1f%%, %d frames in %.2f s)\n",
                label, perFrameMs, 100.0 * perFrameMs / kFrameMs, 100.0 * cpu / wall, frames, wall);
    return true;
}

// The floor's own actors, then pickups and pictures strewn over the screen
// until the pool is full.
void FillPool(q::World& w) {
    for (int i = 0; q::FreeCount(w) > 0 && i < 4 * q::kPoolSize; ++i) {
        const int kind = i % 3 == 0 ? q::KIND_PROP_32x64 : q::KIND_PICKUP;
        q::KindSpawnTable[kind](w, (i * 53) % 608, (i * 37) % 400, kind, 0);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const char* dir = argc > 1 ? argv[1] : "build/game";
    const int warm = argc > 2 ? std::max(1, std::atoi(argv[2])) : kDefaultWarmFrames;
    if (chdir(dir) != 0) {
        std::fprintf(stderr, "no game folder %s (make game-dir)\n", dir);
        return 1;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    q::SelectBackend(q::BackendKind::Sdl);
    if (!q::StartGame() || q::CurrentScene() != q::SCENE_TITLE) {
        std::fprintf(stderr, "the game did not start (no display? run under tests/with_xvfb.sh)\n");
        return 1;
    }
    std::printf("whole-process CPU of real scenes, in a window\n");
    if (!Measure("title, cold", kColdFrames) || !Measure("title, warm", warm)) return 1;

    q::SetPlayMode(q::PLAY_MODE_REPLAY);
    q::SetFloorNumber(kBusyFloor);
    if (!q::StartPlay()) {
        std::fprintf(stderr, "floor %d could not be loaded\n", kBusyFloor);
        return 1;
    }
    for (int i = 0; i < kMaxFramesToPlay && q::CurrentScene() != q::SCENE_PLAY; ++i)
        if (q::GameLoopStep(&exitCode)) return 1;
    FillPool(q::GameWorld());
    std::printf("  (floor %d in play with %d actors)\n", kBusyFloor, q::ActiveCount(q::GameWorld()));
    if (!Measure("play field, cold", kColdFrames) || !Measure("play field, warm", warm)) return 1;

    q::Session().savedScrollY = q::GameWorld().scrollY;
    q::SetScene(q::SCENE_MAP_VIEW);
    if (!Measure("map view, cold", kColdFrames) || !Measure("map view, warm", warm)) return 1;

    q::Shutdown();
    while (!q::GameLoopStep(&exitCode)) {
    }
    return 0;
}
