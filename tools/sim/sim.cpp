#include "sim/sim.hpp"

#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/core/bounded_read.hpp"
#include "platform/core/host.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"
#include "world/play_step.hpp"
#include "world/replay_file.hpp"
#include "world/world_step.hpp"

namespace q::sim {

namespace {

// Headroom after the replay before the run gives up waiting for a result.
constexpr int64_t kExtraSteps = 2000;

// Position of the record in the active list, as the trace prints actors.
int ActivePosition(World& w, int record) {
    int position = 0;
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a), ++position)
        if (w.IndexOf(*a) == record) return position;
    return -1;
}

void AppendActor(std::string& s, const Actor& a) {
    auto field = [&s](const char* name, int32_t v, bool first = false) {
        if (!first) s += ',';
        s += '"';
        s += name;
        s += "\":";
        s += std::to_string(v);
    };
    s += '{';
    field("kind", a.kind, true);
    field("cell", a.cell);
    field("alive", a.alive);
    field("x", a.x);
    field("y", a.y);
    field("oldX", a.oldX);
    field("oldY", a.oldY);
    field("vx", a.vx);
    field("vy", a.vy);
    field("command", a.command);
    field("fallStep", a.fallStep);
    field("width", a.width);
    field("height", a.height);
    field("dir", a.dir);
    field("frame", a.frame);
    field("timer", a.timer);
    field("substep", a.substep);
    s += ",\"update\":";
    const char* name = HandlerName(a.update);
    if (name) {
        s += '"';
        s += name;
        s += '"';
    } else {
        s += "null";
    }
    s += '}';
}

// PopulateFloor, then up to `limit` steps or the first with a result.
int Play(World& w, int64_t limit, bool trace, std::ostream& out) {
    PopulateFloor(w);
    w.soundRequests = 0;
    if (trace) out << TraceLine(w, 0, 0) << '\n';

    int64_t step = 0;
    while (step < limit) {
        const bool result = StepWorld(w);
        ++step;
        if (trace) out << TraceLine(w, step, w.soundRequests) << '\n';
        if (result) break;
    }
    if (!trace) out << "{\"result\":" << w.playResult << ",\"steps\":" << step << "}\n";
    return kExitOk;
}

// A recorded run on its own floor: stops where the run stopped, unless
// --steps says otherwise.
int RunReplay(World& w, const Options& options, std::ostream& out, std::ostream& err) {
    auto replay = std::make_unique<Replay>();
    ReplayRefusal refusal = ReadReplayFile(options.replayPath.c_str(), replay.get());
    if (refusal == ReplayRefusal::None) {
        w.character = replay->header.character;
        w.extraSpawnsEnabled = replay->header.chasers;
        ResetAttempt(w);
        refusal = LoadReplayFloor(w, *replay, options.floorsPath.c_str());
    }
    if (refusal != ReplayRefusal::None) {
        err << "quorrel-sim: " << options.replayPath << " " << ReplayRefusalText(refusal) << "\n";
        return kExitRefused;
    }
    InstallReplayCommands(w, *replay);
    return Play(w, options.steps >= 0 ? options.steps : replay->header.steps, options.trace, out);
}

}  // namespace

CommandLineResult ReadArgs(int argc, const char* const* argv, Options& out) {
    out = Options{};
    CLI::App app("Plays one floor of a floor file without a window, from its demo, a command file or a recorded "
                 "run, and prints the result or the world step by step.",
                 "quorrel-sim");
    PrepareCommandLine(app);
    app.add_option("--floors", out.floorsPath, "the floor file (floor.dat)")->type_name("PATH")->required();
    CLI::Option* floor = app.add_option("--floor", out.floor, "the floor to play")
                             ->type_name("N")
                             ->check(CLI::Range(1, kFloorCount));
    CLI::Option* commands =
        app.add_option("--commands", out.commandsPath, "a command a byte, in place of the floor's demo")->type_name("FILE");
    CLI::Option* replay = app.add_option("--replay", out.replayPath,
                                         "a recorded run, which names its floor, character, chasers and commands")
                              ->type_name("FILE");
    app.add_option("--steps", out.steps, "steps to play at most (default: the replay's length and 2000 more)")
        ->type_name("K")
        ->check(CountFrom(0));
    bool noExtraSpawns = false;
    CLI::Option* calm = app.add_flag("--no-extra-spawns", noExtraSpawns, "no chasers come out of the spawners");
    CLI::Option* character = app.add_option("--character", out.character, "the player's character")
                                 ->type_name("C")
                                 ->check(CLI::Range(0, kCharacterCount - 1));
    app.add_flag("--trace", out.trace, "print the world after every step");
    // The run says on which floor, with which character and chasers, and
    // with which commands it was played.
    replay->excludes(floor)->excludes(commands)->excludes(calm)->excludes(character);
    app.callback([floor, replay] {
        if (!floor->count() && !replay->count()) throw CLI::RequiredError("--floor N (or --replay FILE)");
    });
    CommandLineResult result = ReadCommandLine(app, argc, argv);
    out.extraSpawns = !noExtraSpawns;
    return result;
}

std::string TraceLine(World& w, int64_t step, uint32_t sounds) {
    std::string s;
    s.reserve(256 + 300 * static_cast<size_t>(ActiveCount(w)));
    s += "{\"step\":" + std::to_string(step);
    s += ",\"scrollY\":" + std::to_string(w.scrollY);
    s += ",\"result\":" + std::to_string(w.playResult);
    s += ",\"replayPos\":" + std::to_string(w.replayPos);
    s += ",\"idle\":" + std::to_string(w.idleFrames);
    s += ",\"rightHold\":" + std::to_string(w.rightHold);
    s += ",\"leftHold\":" + std::to_string(w.leftHold);
    s += ",\"held\":" + std::to_string(w.heldActor < 0 ? -1 : ActivePosition(w, w.heldActor));
    s += ",\"liftOrigin\":[" + std::to_string(w.liftOriginX) + ',' + std::to_string(w.liftOriginY) + ']';
    s += ",\"sounds\":[";
    bool first = true;
    for (int n = 0; n < kEffectCount; ++n) {
        if (!(sounds & (1u << n))) continue;
        if (!first) s += ',';
        s += std::to_string(n);
        first = false;
    }
    s += "],\"actors\":[";
    first = true;
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a)) {
        if (!first) s += ',';
        AppendActor(s, *a);
        first = false;
    }
    s += "]}";
    return s;
}

int Run(const Options& options, std::ostream& out, std::ostream& err) {
    auto world = std::make_unique<World>();
    World& w = *world;
    InitActorPool(w);
    w.playMode = PLAY_MODE_REPLAY;
    w.character = options.character;
    w.extraSpawnsEnabled = options.extraSpawns ? 1 : 0;

    if (!options.replayPath.empty()) return RunReplay(w, options, out, err);

    ResetAttempt(w);
    if (!LoadFloor(w, options.floor, options.floorsPath.c_str())) {
        err << "quorrel-sim: cannot load floor " << options.floor << " from " << options.floorsPath << "\n";
        return kExitRefused;
    }

    if (!options.commandsPath.empty()) {
        std::vector<uint8_t> bytes;
        const BoundedRead read = ReadBoundedFile(options.commandsPath.c_str(), kMaxDemoLength, &bytes);
        if (read == BoundedRead::Missing) {
            err << "quorrel-sim: cannot read command file " << options.commandsPath << "\n";
            return kExitRefused;
        }
        if (read == BoundedRead::TooLarge) {
            err << "quorrel-sim: command file " << options.commandsPath << " is longer than " << kMaxDemoLength
                << " bytes\n";
            return kExitRefused;
        }
        w.replayBuffer.fill(0);
        if (!bytes.empty()) std::memcpy(w.replayBuffer.data(), bytes.data(), bytes.size());
        w.replayLength = static_cast<int32_t>(bytes.size()) + kReplayTail;
    }

    return Play(w, options.steps >= 0 ? options.steps : w.replayLength + kExtraSteps, options.trace, out);
}

int Main(int argc, const char* const* argv) {
    Options options;
    const CommandLineResult line = ReadArgs(argc, argv, options);
    if (!line.run) return ReportCommandLine(line, std::cout, std::cerr);
    UseBinaryStdout();
    std::ios::sync_with_stdio(false);
    return Run(options, std::cout, std::cerr);
}

}  // namespace q::sim
