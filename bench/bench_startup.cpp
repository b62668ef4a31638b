// Start-up cost of the platform services: reading data.dat, decoding and
// uploading the atlas, converting the twelve sounds, and the first presented
// title-sized frame. Runs the whole sequence several times and prints the
// median of each phase, for the headless (software) renderer and, when a
// display is available, for the window's own (normally accelerated) renderer.
//
//   bench_startup [data.dat|""] [runs]   (a stand-in data.dat is made without one;
//                                      run under xvfb-run -a for the window case)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <ctime>
#include <vector>

#include "bench_data.hpp"
#include "platform/core/archive.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/backend.hpp"
#include "platform/graphics.hpp"
#include "platform/core/settings.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "platform/window.hpp"
#include "scene/scene.hpp"

namespace {

using Clock = std::chrono::steady_clock;
double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

struct Phases {
    double archive = 0, graphics = 0, sound = 0, frame = 0, total = 0, cpu = 0;
};

// CPU time of the whole process (the GL driver's threads included), which a
// busy shared machine inflates far less than wall-clock time.
double ProcessCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) * 1e-6;
}

bool RunOnce(const char* path, bool window, Phases* p) {
    const double cpu0 = ProcessCpuMs();
    const auto t0 = Clock::now();
    if (!q::LoadArchive(path)) return false;
    const auto t1 = Clock::now();
    if (!q::CreateGraphics()) return false;
    const auto t2 = Clock::now();
    const bool sound = q::InitSound();
    const auto t3 = Clock::now();
    q::BeginFrameDraw();
    q::DrawScreenImage(q::atlas::kTitle, 0xFFFFFFFFu);
    q::EndFrameDraw();
    q::PresentFrame();
    const auto t4 = Clock::now();
    *p = Phases{Ms(t0, t1), Ms(t1, t2), Ms(t2, t3), Ms(t3, t4), Ms(t0, t4), ProcessCpuMs() - cpu0};
    if (!sound) std::fprintf(stderr, "  (no sound device: sound phase measured up to the failure)\n");
    q::ReleaseSound();
    q::ReleaseGraphics();
    q::FreeArchive();
    (void)window;
    return true;
}

// Median and fastest: the machine is shared, so the fastest run is the
// best estimate of the work itself.
struct Stat {
    double median, min;
};
Stat Summary(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return Stat{v[v.size() / 2], v.front()};
}

void Report(const char* label, const std::vector<Phases>& runs) {
    std::printf("%s (median / fastest of %zu runs, ms)\n", label, runs.size());
    const struct {
        const char* name;
        double Phases::*member;
    } columns[] = {{"archive read", &Phases::archive},
                   {"atlas decode + upload", &Phases::graphics},
                   {"12 sounds parsed + converted", &Phases::sound},
                   {"first title frame", &Phases::frame},
                   {"total", &Phases::total},
                   {"total, process CPU time", &Phases::cpu}};
    for (const auto& col : columns) {
        std::vector<double> v;
        for (const Phases& p : runs) v.push_back(p.*(col.member));
        const Stat s = Summary(v);
        std::printf("  %-30s %8.2f / %8.2f\n", col.name, s.median, s.min);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 && argv[1][0] ? argv[1] : q::benchdata::WriteArchive();
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    std::printf("data: %s\n", path.c_str());

    // The very first start-up in this process, with cold caches inside SDL
    // and the allocator.
    {
        q::SelectBackend(q::BackendKind::Headless);
        Phases first;
        if (RunOnce(path.c_str(), false, &first))
            std::printf("first start-up (headless), cold: %.2f ms\n", first.total);
    }

    std::vector<Phases> headless;
    for (int i = 0; i < runs; ++i) {
        Phases p;
        if (!RunOnce(path.c_str(), false, &p)) {
            std::fprintf(stderr, "start-up failed\n");
            return 1;
        }
        headless.push_back(p);
    }
    Report("headless (software renderer):", headless);

    q::SelectBackend(q::BackendKind::Sdl);
    if (!q::CreateMainWindow()) {
        std::printf("window renderer: no display (run under xvfb-run -a)\n");
        q::Shutdown();
        return 0;
    }
    q::SetScene(q::SCENE_TITLE);
    q::settings.vsync = 0;
    std::vector<Phases> windowed;
    for (int i = 0; i < runs; ++i) {
        Phases p;
        if (!RunOnce(path.c_str(), true, &p)) {
            std::fprintf(stderr, "window start-up failed\n");
            break;
        }
        windowed.push_back(p);
    }
    if (!windowed.empty()) Report("window renderer:", windowed);
    // The orderly end releases the window and everything else.
    q::Shutdown();
    return 0;
}
