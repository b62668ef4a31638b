#include "sim/sim.hpp"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <vector>

#include "platform/bounded_read.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"
#include "world/play_step.hpp"
#include "world/replay_file.hpp"
#include "world/world_step.hpp"

namespace q::sim {

namespace {

// Headroom after the replay before the run gives up waiting for a result.
constexpr int64_t kExtraSteps = 2000;

bool ParseInt(const char* text, int64_t& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (*end != '\0') return false;
    out = v;
    return true;
}

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

bool ParseArgs(int argc, const char* const* argv, Options& out, std::string& error) {
    out = Options{};
    bool haveFloors = false, haveFloor = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char*& v) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            v = argv[++i];
            return true;
        };
        const char* v = nullptr;
        int64_t n = 0;
        if (arg == "--floors") {
            if (!value(v)) return false;
            out.floorsPath = v;
            haveFloors = true;
        } else if (arg == "--floor") {
            if (!value(v)) return false;
            if (!ParseInt(v, n) || n < -1000000 || n > 1000000) {
                error = "--floor needs a number";
                return false;
            }
            out.floor = static_cast<int>(n);
            haveFloor = true;
        } else if (arg == "--commands") {
            if (!value(v)) return false;
            out.commandsPath = v;
        } else if (arg == "--replay") {
            if (!value(v)) return false;
            out.replayPath = v;
        } else if (arg == "--steps") {
            if (!value(v)) return false;
            if (!ParseInt(v, n) || n < 0) {
                error = "--steps needs a count of 0 or more";
                return false;
            }
            out.steps = n;
        } else if (arg == "--no-extra-spawns") {
            out.extraSpawns = false;
        } else if (arg == "--character") {
            if (!value(v)) return false;
            if (!ParseInt(v, n) || n < 0 || n > 2) {
                error = "--character needs 0, 1 or 2";
                return false;
            }
            out.character = static_cast<int>(n);
        } else if (arg == "--trace") {
            out.trace = true;
        } else {
            error = "unknown argument " + arg;
            return false;
        }
    }
    if (!out.replayPath.empty()) {
        // The run says on which floor, with which character and chasers, and
        // with which commands it was played.
        if (haveFloor || !out.commandsPath.empty() || !out.extraSpawns || out.character != 0) {
            error = "--replay FILE takes its floor, character, chasers and commands from the file";
            return false;
        }
        haveFloor = true;
    }
    if (!haveFloors || !haveFloor) {
        error = "--floors PATH and --floor N (or --replay FILE) are required";
        return false;
    }
    return true;
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

}  // namespace q::sim
