// Frame pacing of the real frame loop on the SDL back end: a shown window,
// the idle scene, nothing to draw. Prints the frame period's spread and the
// CPU time the process spends per wall-clock second.
//
//   bench_frame_pacing [frames]     (default 900; run under xvfb-run -a without a display)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <vector>

#include "app/game.hpp"
#include "platform/backend.hpp"
#include "platform/window.hpp"
#include "scene/scene.hpp"

namespace {

constexpr int kDefaultFrames = 900;
constexpr int kWarmUpFrames = 30;

double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

long InvoluntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nivcsw;
}

double Percentile(const std::vector<double>& sorted, double p) {
    const auto i = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(i, sorted.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(2, std::atoi(argv[1])) : kDefaultFrames;
    q::SelectBackend(q::BackendKind::Sdl);
    if (!q::CreateMainWindow()) {
        std::fprintf(stderr, "no window (no display? try xvfb-run -a)\n");
        return 1;
    }
    q::ShowMainWindow();
    q::SetScene(q::SCENE_IDLE);

    using Clock = std::chrono::steady_clock;
    int exitCode = 0;
    for (int i = 0; i < kWarmUpFrames; ++i) q::GameLoopStep(&exitCode);

    std::vector<Clock::time_point> starts;
    starts.reserve(static_cast<std::size_t>(frames) + 1);
    const double cpu0 = CpuSeconds();
    const long switches0 = InvoluntarySwitches();
    for (int i = 0; i <= frames; ++i) {
        starts.push_back(Clock::now());
        if (i < frames && q::GameLoopStep(&exitCode)) break;
    }
    const double cpu1 = CpuSeconds();
    const long preempted = InvoluntarySwitches() - switches0;

    std::vector<double> periods;
    for (std::size_t i = 1; i < starts.size(); ++i)
        periods.push_back(std::chrono::duration<double, std::milli>(starts[i] - starts[i - 1]).count());
    if (periods.empty()) {
        std::fprintf(stderr, "the loop ended before a frame ran\n");
        return 1;
    }
    const double wall = std::chrono::duration<double>(starts.back() - starts.front()).count();
    std::sort(periods.begin(), periods.end());

    std::printf("frames %zu over %.3f s\n", periods.size(), wall);
    std::printf("frame period ms: min %.3f  median %.3f  p99 %.3f  max %.3f  mean %.3f\n", periods.front(),
                Percentile(periods, 0.5), Percentile(periods, 0.99), periods.back(), wall * 1000.0 / static_cast<double>(periods.size()));
    const auto over18 = std::count_if(periods.begin(), periods.end(), [](double p) { return p > 18.0; });
    std::printf("frames longer than 18 ms: %td\n", over18);
    std::printf("cpu: %.1f%% of one core (%.3f s cpu / %.3f s wall)\n", 100.0 * (cpu1 - cpu0) / wall, cpu1 - cpu0, wall);
    // Other processes taking the core away show up here, not in the loop.
    std::printf("involuntary context switches: %ld\n", preempted);

    q::Shutdown();
    while (!q::GameLoopStep(&exitCode)) {
    }
    q::EndWindowSystem();
    return 0;
}
