#include "floors/solver.hpp"

#include <ctime>
#include <queue>
#include <set>

#include "floors/floor_world.hpp"
#include "floors/moves.hpp"
#include "floors/seen_worlds.hpp"
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

// What the search keeps of each world it reached: how it got there, and while
// it waits to be expanded, where its code is. Codes live in one arena per
// cost: once the search has moved past a cost, its arena is let go.
struct Search {
    std::vector<uint32_t> parent;
    std::vector<uint8_t> command;  // index into kCommands
    std::vector<uint32_t> codeAt;  // offset in the arena of the node's cost
    std::vector<std::vector<uint8_t>> arenas;
    std::vector<uint8_t> scratchCode;
    SeenWorlds seen;
    std::priority_queue<uint64_t, std::vector<uint64_t>, std::greater<uint64_t>> open;
    int64_t peakBytes = 0;

    uint32_t Add(uint32_t from, uint8_t cmd, uint32_t cost, const std::vector<uint8_t>& code) {
        if (arenas.size() <= cost) arenas.resize(cost + 1);
        std::vector<uint8_t>& arena = arenas[cost];
        parent.push_back(from);
        command.push_back(cmd);
        codeAt.push_back(static_cast<uint32_t>(arena.size()));
        const uint32_t size = static_cast<uint32_t>(code.size());
        for (uint32_t v = size; ; v >>= 7) {
            arena.push_back(static_cast<uint8_t>((v & 0x7F) | (v >= 0x80 ? 0x80 : 0)));
            if (v < 0x80) break;
        }
        arena.insert(arena.end(), code.begin(), code.end());
        return static_cast<uint32_t>(parent.size() - 1);
    }
    const uint8_t* Code(uint32_t node, uint32_t cost, size_t& size) const {
        const uint8_t* p = arenas[cost].data() + codeAt[node];
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
        int64_t b = static_cast<int64_t>(seen.Bytes() + parent.capacity() * 4 + command.capacity() +
                                         codeAt.capacity() * 4 + open.size() * 8);
        for (const auto& a : arenas) b += static_cast<int64_t>(a.capacity());
        return b;
    }
};

// Processor time, not the clock's: the figure holds on a busy machine.
double SecondsSince(std::clock_t t) { return static_cast<double>(std::clock() - t) / CLOCKS_PER_SEC; }

}  // namespace

int CountBlocksLifted(const Floor& floor, const std::vector<uint8_t>& demo, bool chasers) {
    Floor f = floor;
    f.demo = demo;
    auto w = EnterFloor(f, {PLAY_MODE_REPLAY, chasers, 0});
    std::set<int> lifted;
    for (size_t i = 0; i < demo.size() + 10; ++i) {
        const bool done = StepWorld(*w);
        for (Actor* a = FirstActive(*w); a; a = NextActive(*w, *a))
            if (IsLBlockKind(a->kind) && a->update == LBlockLift) lifted.insert(w->IndexOf(*a));
        if (done) break;
    }
    return static_cast<int>(lifted.size());
}

Solution Solve(const Floor& floor, const SolveOptions& options) {
    const std::clock_t started = std::clock();
    Solution solution;
    auto root = EnterFloor(floor, {PLAY_MODE_NORMAL, options.chasers, 0});
    for (Actor* a = FirstActive(*root); a; a = NextActive(*root, *a))
        if (IsLBlockKind(a->kind)) ++solution.blockCount;
    if (root->playResult != PLAY_RESULT_PLAYING || !FindPlayer(*root)) {
        solution.exhausted = true;
        return solution;
    }

    WorldCoder coder(*root);
    const IdeaBans bans(options.forbid, *root);
    auto base = std::make_unique<World>(*root);
    auto scratch = std::make_unique<World>(*root);
    Search s;
    std::vector<uint8_t> baseCode;
    coder.Encode(*root, s.scratchCode);
    s.seen.Offer(WorldCoder::Key(s.scratchCode.data(), s.scratchCode.size()), 0);
    s.open.push(QueueKey(0, s.Add(kNoParent, 0, 0, s.scratchCode)));

    uint32_t goal = kNoParent;
    uint32_t goalCost = 0;
    bool cut = false;  // some way was cut short by the step or cost limit
    uint32_t layer = 0;
    while (!s.open.empty()) {
        const uint64_t key = s.open.top();
        s.open.pop();
        const uint32_t packed = static_cast<uint32_t>(key >> 32);
        const uint32_t node = static_cast<uint32_t>(key);
        const uint32_t cost = packed >> kStepBits;
        const uint32_t steps = packed & kMaxQueuedSteps;
        if (s.command[node] == kCommandCount) {  // the exit
            goal = node;
            goalCost = packed;
            break;
        }
        if (cost > layer) {
            s.peakBytes = std::max(s.peakBytes, s.Bytes());
            for (uint32_t c = layer; c < cost && c < s.arenas.size(); ++c) std::vector<uint8_t>().swap(s.arenas[c]);
            layer = cost;
        }
        size_t size = 0;
        const uint8_t* code = s.Code(node, cost, size);
        if (s.seen.Cost(WorldCoder::Key(code, size)) != packed) continue;  // reached more cheaply since
        if (++solution.statesSearched > options.maxStates) {
            cut = true;
            break;
        }
        baseCode.assign(code, code + size);
        const Start start{baseCode, *base, coder.Decode(code, size, *base)};
        Actor* p = FindPlayer(*base);
        if (!p) continue;
        for (uint8_t m = 0; m < kCommandCount; ++m) {
            const int command = kCommands[m];
            if (command == CMD_ACTION && !options.allowAction) continue;
            if (!bans.AllowsCommand(*base, command)) continue;
            const MoveResult r = PlayMove(*scratch, coder, start, command, bans, nullptr, solution.readMisses);
            if (r.outcome == Outcome::Failed || r.outcome == Outcome::Banned) continue;
            uint32_t childCost = cost;
            if (command == CMD_ACTION && r.acted) ++childCost;
            const uint32_t childSteps = steps + static_cast<uint32_t>(r.steps);
            if (childCost > kMaxCost || childSteps > static_cast<uint32_t>(options.maxSteps)) {
                cut = true;
                continue;
            }
            const uint32_t childPacked = PackCost(childCost, childSteps);
            if (r.outcome == Outcome::Cleared) {
                s.scratchCode.clear();
                const uint32_t id = s.Add(node, kCommandCount, childCost, s.scratchCode);
                s.command[id] = kCommandCount;
                s.command.back() = kCommandCount;
                // The exit node keeps the command that reached it in codeAt.
                s.codeAt[id] = m;
                s.open.push(QueueKey(childPacked, id));
                continue;
            }
            s.scratchCode.clear();
            coder.Encode(*scratch, s.scratchCode);
            if (bans.Any() && bans.WorldUsesBanned(coder.FreshView())) continue;
            if (!s.seen.Offer(WorldCoder::Key(s.scratchCode.data(), s.scratchCode.size()), childPacked)) continue;
            s.open.push(QueueKey(childPacked, s.Add(node, m, childCost, s.scratchCode)));
        }
    }
    s.peakBytes = std::max(s.peakBytes, s.Bytes());
    solution.worldsSeen = static_cast<int64_t>(s.seen.Count());
    solution.peakBytes = s.peakBytes;
    if (goal == kNoParent) {
        solution.exhausted = !cut && s.open.empty();
        solution.seconds = SecondsSince(started);
        return solution;
    }

    // The way, replayed from the first world by its commands.
    std::vector<uint8_t> chain;
    chain.push_back(static_cast<uint8_t>(s.codeAt[goal]));
    for (uint32_t n = s.parent[goal]; s.parent[n] != kNoParent; n = s.parent[n]) chain.push_back(s.command[n]);
    Recording rec;
    CopyLiveParts(*base, *root);
    int64_t misses = 0;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const int command = kCommands[*it];
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
    (void)goalCost;
    solution.blocksMoved = CountBlocksLifted(floor, solution.demo, options.chasers);
    solution.seconds = SecondsSince(started);
    return solution;
}

}  // namespace q::floors
