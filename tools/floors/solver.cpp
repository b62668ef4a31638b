#include "floors/solver.hpp"

#include <algorithm>
#include <ctime>
#include <queue>
#include <set>

#include "floors/chunked.hpp"
#include "floors/floor_world.hpp"
#include "floors/moves.hpp"
#include "floors/seen_worlds.hpp"
#include "floors/stages.hpp"
#include "floors/world_code.hpp"
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"
#include "world/world_step.hpp"

namespace q::floors {

namespace {

// A queue entry: cost (lifts and put-downs), then steps, then the node.
constexpr int kStepBits = 24;
constexpr uint32_t kMaxCost = 255;
constexpr uint32_t kMaxQueuedSteps = (1u << kStepBits) - 1;
uint32_t PackCost(uint32_t cost, uint32_t steps) { return cost << kStepBits | steps; }
uint64_t QueueKey(uint32_t packedCost, uint32_t node) { return static_cast<uint64_t>(packedCost) << 32 | node; }

constexpr uint32_t kNoParent = UINT32_MAX;
// Worlds expanded between two progress reports: often enough for a bar,
// rare enough to cost nothing.
constexpr int64_t kProgressEvery = 4096;

// What the search keeps of each world it reached: how it got there, and while
// it waits to be expanded, where its code is. Codes live in one arena per
// cost: once the search has moved past a cost, its arena is let go.
struct Search {
    ChunkedArray<uint32_t> parent;
    ChunkedArray<uint8_t> command;  // index into kCommands
    ChunkedArray<uint32_t> codeAt;  // place in the arena of the node's cost
    std::vector<ChunkedBytes> arenas;
    std::vector<uint8_t> scratchCode;
    SeenWorlds seen;
    std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<uint64_t>> open;
    int64_t peakBytes = 0;
    bool full = false;  // an arena could take no more: the search is cut short

    uint32_t Add(uint32_t from, uint8_t cmd, uint32_t cost, const std::vector<uint8_t>& code) {
        if (arenas.size() <= cost) arenas.resize(cost + 1);
        uint8_t head[5];
        size_t headSize = 0;
        for (uint32_t v = static_cast<uint32_t>(code.size());; v >>= 7) {
            head[headSize++] = static_cast<uint8_t>((v & 0x7F) | (v >= 0x80 ? 0x80 : 0));
            if (v < 0x80) break;
        }
        const uint32_t at = arenas[cost].Append(head, headSize, code.data(), code.size());
        if (at == ChunkedBytes::kFull) full = true;
        parent.push_back(from);
        command.push_back(cmd);
        codeAt.push_back(at);
        return static_cast<uint32_t>(parent.size() - 1);
    }
    const uint8_t* Code(uint32_t node, uint32_t cost, size_t& size) const {
        const uint8_t* p = arenas[cost].At(codeAt[node]);
        uint32_t v = 0;
        for (int shift = 0;; shift += 7) {
            const uint8_t b = *p++;
            v |= static_cast<uint32_t>(b & 0x7F) << shift;
            if (!(b & 0x80)) break;
        }
        size = v;
        return p;
    }
    int64_t Bytes() const {
        int64_t b = static_cast<int64_t>(seen.Bytes() + parent.Bytes() + command.Bytes() + codeAt.Bytes() +
                                         open.size() * 8);
        for (const auto& a : arenas) b += static_cast<int64_t>(a.Bytes());
        return b;
    }
};

// Processor time, not the clock's: the figure holds on a busy machine.
double SecondsSince(std::clock_t t) { return static_cast<double>(std::clock() - t) / CLOCKS_PER_SEC; }

}  // namespace

namespace {

// The blocks a way lifts, played from `from` with its commands handed in as
// a replay would read them.
int BlocksLiftedFrom(const World& from, const std::vector<uint8_t>& demo) {
    auto w = std::make_unique<World>(from);
    std::set<int> lifted;
    for (size_t i = 0; i < demo.size() + kReplayTail; ++i) {
        const bool done = StepWorld(*w, i < demo.size() ? demo[i] : uint8_t{CMD_NONE});
        for (Actor* a = FirstActive(*w); a; a = NextActive(*w, *a))
            if (IsLBlockKind(a->kind) && a->update == LBlockLift) lifted.insert(w->IndexOf(*a));
        if (done) break;
    }
    return static_cast<int>(lifted.size());
}

}  // namespace

int CountBlocksLifted(const Floor& floor, const std::vector<uint8_t>& demo, bool chasers) {
    return BlocksLiftedFrom(*EnterFloor(floor, {PLAY_MODE_NORMAL, chasers, 0}), demo);
}

namespace {

constexpr int kFirstHorizon = 800;

struct Run {
    bool found = false;
    bool exhausted = false;
    std::vector<uint8_t> chain;  // the way's commands (indices into kCommands), first first
};

bool IsCreature(int kind) { return kind == KIND_BUILDER || kind == KIND_CHASER || kind == KIND_CHASER_SPAWNER; }

Run RunSearch(const World& root, const WorldCoder& constCoder, const IdeaBans& bans, const SolveOptions& options,
              int maxSteps, bool coarse, int goalRow, Solution& stats) {
    WorldCoder& coder = const_cast<WorldCoder&>(constCoder);
    Run run;
    std::vector<uint64_t> keys;  // each node's key, when keys are not the code's
    auto base = std::make_unique<World>(root);
    auto scratch = std::make_unique<World>(root);
    Search s;
    std::vector<uint8_t> baseCode;
    coder.Encode(root, s.scratchCode);
    // Creatures make every step a new world: a floor with them is searched
    // with worlds whose creatures stand on the same tiles filed together, to
    // find a way at all. Such a search proves nothing.
    auto keyOf = [&](const World& w, const std::vector<uint8_t>& code) {
        return coarse ? coder.KeyByTile(w) : WorldCoder::Key(code.data(), code.size());
    };
    keys.push_back(keyOf(root, s.scratchCode));
    s.seen.Offer(keys.back(), 0);
    s.open.push(QueueKey(0, s.Add(kNoParent, 0, 0, s.scratchCode)));

    uint32_t goal = kNoParent;
    bool cut = false;  // some way was cut short by the step or cost limit
    uint32_t layer = 0;
    while (!s.open.empty()) {
        if (s.full) {
            cut = true;
            break;
        }
        const uint64_t key = s.open.top();
        s.open.pop();
        const uint32_t packed = static_cast<uint32_t>(key >> 32);
        const uint32_t node = static_cast<uint32_t>(key);
        const uint32_t cost = packed >> kStepBits;
        const uint32_t steps = packed & kMaxQueuedSteps;
        if (s.command[node] == kCommandCount) {  // the exit
            goal = node;
            break;
        }
        if (cost > layer) {
            s.peakBytes = std::max(s.peakBytes, s.Bytes());
            for (uint32_t c = layer; c < cost && c < s.arenas.size(); ++c) s.arenas[c].Release();
            layer = cost;
        }
        size_t size = 0;
        const uint8_t* code = s.Code(node, cost, size);
        const uint64_t nodeKey = coarse ? keys[node] : WorldCoder::Key(code, size);
        if (s.seen.Cost(nodeKey) != packed) continue;  // reached more cheaply since
        if (++stats.statesSearched > options.maxStates) {
            cut = true;
            break;
        }
        if (options.progress && stats.statesSearched % kProgressEvery == 0) options.progress(stats.statesSearched);
        baseCode.assign(code, code + size);
        const Start start{baseCode, *base, coder.Decode(code, size, *base)};
        if (!FindPlayer(*base)) continue;
        for (uint8_t m = 0; m < kCommandCount; ++m) {
            const int command = kCommands[m];
            if (command == CMD_ACTION && !options.allowAction) continue;
            if (!bans.AllowsCommand(*base, command)) continue;
            const MoveResult r = PlayMove(*scratch, coder, start, command, bans, nullptr, stats.readMisses);
            if (r.outcome == Outcome::Failed || r.outcome == Outcome::Banned) continue;
            uint32_t childCost = cost;
            if (command == CMD_ACTION && r.acted) ++childCost;
            const uint32_t childSteps = steps + static_cast<uint32_t>(r.steps);
            if (childCost > kMaxCost || childSteps > static_cast<uint32_t>(maxSteps)) {
                cut = true;
                continue;
            }
            const uint32_t childPacked = PackCost(childCost, childSteps);
            if (r.outcome == Outcome::Cleared || AtStageGoal(*scratch, goalRow)) {
                s.scratchCode.clear();
                const uint32_t id = s.Add(node, kCommandCount, childCost, s.scratchCode);
                if (coarse) keys.push_back(0);
                // The exit node keeps the command that reached it in codeAt.
                s.codeAt[id] = m;
                s.open.push(QueueKey(childPacked, id));
                continue;
            }
            s.scratchCode.clear();
            coder.Encode(*scratch, s.scratchCode);
            if (bans.Any() && bans.WorldUsesBanned(coder.FreshView())) continue;
            const uint64_t childKey = keyOf(*scratch, s.scratchCode);
            if (!s.seen.Offer(childKey, childPacked)) continue;
            s.open.push(QueueKey(childPacked, s.Add(node, m, childCost, s.scratchCode)));
            if (coarse) keys.push_back(childKey);
        }
    }
    s.peakBytes = std::max(s.peakBytes, s.Bytes());
    stats.worldsSeen += static_cast<int64_t>(s.seen.Count());
    stats.peakBytes = std::max(stats.peakBytes, s.peakBytes);
    if (goal == kNoParent) {
        run.exhausted = !cut && s.open.empty();
        return run;
    }
    run.found = true;
    run.chain.push_back(static_cast<uint8_t>(s.codeAt[goal]));
    for (uint32_t n = s.parent[goal]; s.parent[n] != kNoParent; n = s.parent[n]) run.chain.push_back(s.command[n]);
    std::reverse(run.chain.begin(), run.chain.end());
    return run;
}

bool HasCreatures(World& w) {
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (IsCreature(a->kind)) return true;
    return false;
}

}  // namespace

Solution Solve(const Floor& floor, const SolveOptions& options) {
    const std::clock_t started = std::clock();
    Solution solution;
    const int goalRow = options.stage < 0 ? -1 : floor.stages.at(static_cast<size_t>(options.stage)).goalRow;
    auto root = options.stage < 0 ? EnterFloor(floor, {PLAY_MODE_NORMAL, options.chasers, 0})
                                  : StageStart(floor, options.stage, options.chasers);
    if (!root) {
        solution.noStart = true;
        return solution;
    }
    for (Actor* a = FirstActive(*root); a; a = NextActive(*root, *a))
        if (IsLBlockKind(a->kind)) ++solution.blockCount;
    if (root->playResult != PLAY_RESULT_PLAYING || !FindPlayer(*root)) {
        solution.exhausted = true;
        return solution;
    }

    WorldCoder coder(*root);
    const IdeaBans bans(options.forbid, *root);
    // Creatures make every step a new world, and every world times every
    // step of theirs is more than any budget: their floors are searched with
    // creatures filed by tile, which finds ways but proves nothing.
    const bool creatures = HasCreatures(*root);
    const bool coarse = creatures && !options.exactCreatures;
    Run run;
    // Creatures keep adding worlds as time goes on (a builder drops block
    // after block), so their floors are searched to a growing horizon: a
    // short way is found without first wandering every long one.
    for (int horizon = creatures ? kFirstHorizon : options.maxSteps;; horizon *= 2) {
        horizon = std::min(horizon, options.maxSteps);
        run = RunSearch(*root, coder, bans, options, horizon, coarse, goalRow, solution);
        if (run.found || run.exhausted || horizon >= options.maxSteps) break;
    }
    solution.exhausted = run.exhausted && !coarse;
    solution.byTile = coarse;
    solution.everyTileSearched = run.exhausted && coarse;
    if (!run.found) {
        solution.seconds = SecondsSince(started);
        return solution;
    }

    // The way, replayed from the first world by its commands.
    auto base = std::make_unique<World>(*root);
    auto scratch = std::make_unique<World>(*root);
    std::vector<uint8_t> baseCode;
    Recording rec;
    int64_t misses = 0;
    for (uint8_t m : run.chain) {
        const int command = kCommands[m];
        Actor* p = FindPlayer(*base);
        const bool carrying = p && p->update == PlayerCarry;
        baseCode.clear();
        coder.Encode(*base, baseCode);
        const MoveResult r = PlayMove(*scratch, coder, Start{baseCode, *base, false}, command, bans, &rec, misses);
        if (command == CMD_ACTION && r.acted) (carrying ? solution.putDowns : solution.lifts) += 1;
        CopyLiveParts(*base, *scratch);
    }
    solution.found = true;
    solution.demo = Smooth(rec);
    solution.steps = static_cast<int>(solution.demo.size());
    solution.blocksMoved = BlocksLiftedFrom(*root, solution.demo);
    solution.seconds = SecondsSince(started);
    return solution;
}

}  // namespace q::floors
