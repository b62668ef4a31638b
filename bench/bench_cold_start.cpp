// Cold start of the real game: a new `quorrel` process each run, from just
// before exec to the return of its first present, with the whole process's
// CPU time (every thread) and when each start-up call into SDL began and
// ended. A preloaded library takes the notes and ends the game after the
// first present. Prints the median and the spread over the runs.
//
//   bench_cold_start [GAME_DIR [RUNS [QUORREL]]]
//   (default build/game, 9 runs, the quorrel built beside this benchmark;
//    needs a display: run under tests/with_xvfb.sh without one. The sound
//    device is SDL's dummy one unless SDL_AUDIODRIVER names another, so that
//    a machine without sound shows no error box.)
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

long long NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// How long a start-up may take before the run is given up.
constexpr int kPatienceMs = 30000;

struct Span {
    double beginMs, endMs;  // since the exec
};

struct Run {
    double wallMs = 0, cpuMs = 0;
    std::map<std::string, Span> spans;  // the first of each name
};

bool RunOnce(const std::string& game, const std::string& dir, Run* out) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    const long long start = NowNs();
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        close(fds[0]);
        setpgid(0, 0);  // so that whatever it starts can be ended with it
        if (chdir(dir.c_str()) != 0) _exit(126);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("LD_PRELOAD", QUORREL_FIRST_PRESENT_HOOK, 1);
        setenv("QUORREL_FIRST_PRESENT_FD", std::to_string(fds[1]).c_str(), 1);
        execl(game.c_str(), game.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string notes;
    char buffer[4096];
    pollfd wait{fds[0], POLLIN, 0};
    while (poll(&wait, 1, kPatienceMs) > 0) {
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        notes.append(buffer, size_t(n));
    }
    close(fds[0]);
    kill(-pid, SIGKILL);  // a game stuck before its first frame (an error box)
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    out->cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                 (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-3;
    std::istringstream lines(notes);
    std::string name;
    long long begin = 0, end = 0;
    while (lines >> name >> begin >> end)
        out->spans.emplace(name, Span{(begin - start) * 1e-6, (end - start) * 1e-6});
    const auto present = out->spans.find("first-present");
    if (present == out->spans.end()) {
        std::fprintf(stderr, "the game ended without presenting a frame (status %d)\n", status);
        return false;
    }
    out->wallMs = present->second.endMs;
    return true;
}

struct Stat {
    double median, min, max;
};
Stat Summary(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return Stat{v[v.size() / 2], v.front(), v.back()};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string dir = argc > 1 ? argv[1] : "build/game";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    const std::string game = argc > 3 ? argv[3] : QUORREL_GAME;
    std::vector<Run> results;
    for (int i = 0; i <= runs; ++i) {
        Run r;
        if (!RunOnce(game, dir, &r)) return 1;
        if (i > 0) results.push_back(r);  // the first run only warms the file cache
    }
    std::vector<double> wall, cpu;
    for (const Run& r : results) {
        wall.push_back(r.wallMs);
        cpu.push_back(r.cpuMs);
    }
    const Stat w = Summary(wall), c = Summary(cpu);
    std::printf("cold start of %s in %s, %d runs (median [fastest .. slowest], ms)\n", game.c_str(), dir.c_str(), runs);
    std::printf("  exec to first present, wall  %7.1f [%6.1f .. %6.1f]\n", w.median, w.min, w.max);
    std::printf("  process CPU, all threads     %7.1f [%6.1f .. %6.1f]\n", c.median, c.min, c.max);
    std::printf("  where the time goes (median begin .. end since exec):\n");
    const char* order[] = {"loaded", "video-init", "window", "audio-device", "renderer-accelerated",
                           "renderer-software", "texture-upload", "first-present"};
    for (const char* name : order) {
        std::vector<double> begins, ends;
        for (const Run& r : results) {
            const auto s = r.spans.find(name);
            if (s == r.spans.end()) continue;
            begins.push_back(s->second.beginMs);
            ends.push_back(s->second.endMs);
        }
        if (begins.empty()) continue;
        const double b = Summary(begins).median, e = Summary(ends).median;
        std::printf("    %-22s %7.1f .. %7.1f  (%5.1f)\n", name, b, e, e - b);
    }
    return 0;
}
