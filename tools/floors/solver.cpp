#include "floors/solver.hpp"

#include <queue>
#include <set>
#include <tuple>
#include <unordered_map>

#include "floors/floor_world.hpp"
#include "floors/world_store.hpp"
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"
#include "world/world_step.hpp"

namespace q::floors {

namespace {

// Walks go on through a turn until the player has moved a tile; a face move
// is the one step that turns the player (and a carried block) on the spot.
enum Move { kRight, kLeft, kFaceRight, kFaceLeft, kUp, kDown, kAction, kWait, kMoveCount };
constexpr int kMoveCommand[kMoveCount] = {CMD_RIGHT, CMD_LEFT, CMD_RIGHT, CMD_LEFT, CMD_UP, CMD_DOWN, CMD_ACTION, CMD_NONE};

// A fall from the top of the tallest floor to its bottom takes 480 steps.
constexpr int kMaxMoveSteps = 600;
// Waiting lets wobbling blocks fall and creatures walk on.
constexpr int kWaitSteps = 8;
constexpr int kMaxWaySteps = 2500;
constexpr int kLadderLow = 24;
constexpr int kLadderHigh = 29;
constexpr int kRestTimer = 40;

bool IsLadder(int tile) { return tile >= kLadderLow && tile <= kLadderHigh; }

// Whether the player will take a command in the coming step: it does on a
// grid column when it climbs, or when it walks or carries on firm ground.
bool WillRead(World& w) {
    Actor* p = FindPlayer(w);
    if (!p || !OnColumn(*p)) return false;
    if (p->update == PlayerClimb) return true;
    if (p->update != PlayerWalk && p->update != PlayerCarry) return false;
    const int fallStep = p->fallStep < 0 ? 0 : (p->fallStep > 11 ? 11 : p->fallStep);
    Actor probe = *p;
    probe.vy = VerticalSpeedTable[fallStep];
    if (probe.vy <= 0) return false;  // rising in a hop
    probe.oldX = probe.x;
    probe.oldY = probe.y;
    probe.y += probe.vy;
    const int threshold = p->update == PlayerCarry ? 28 : 24;
    return (TileFloorBelow(w, probe, threshold) | BlockFloorBelow(w, probe)) != 0;
}

struct PlayerKey {
    int x, worldY, dir, rightHold, leftHold;
    ActorHandler update;
    bool operator==(const PlayerKey&) const = default;
};

PlayerKey KeyOf(World& w) {
    Actor* p = FindPlayer(w);
    if (!p) return {};
    return {p->x, p->y + w.scrollY, p->dir, w.rightHold, w.leftHold, p->update};
}

uint64_t Mix(uint64_t h, uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h * 0xBF58476D1CE4E5B9ull;
}

// What decides the floor's future: every actor but its animation frame, in
// floor coordinates (the world moves the same whatever the view shows). The
// turn counters are left out: they only delay a walk, and walks finish turns.
uint64_t HashWorld(World& w) {
    uint64_t h = 1469598103934665603ull;
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a)) {
        const int32_t worldY = a->y + w.scrollY;
        h = Mix(h, static_cast<uint64_t>(w.IndexOf(*a)));
        h = Mix(h, static_cast<uint64_t>(a->kind) | static_cast<uint64_t>(a->alive) << 8 |
                       static_cast<uint64_t>(static_cast<uint32_t>(a->dir)) << 16);
        h = Mix(h, reinterpret_cast<uintptr_t>(a->update));
        if (a->kind == KIND_BUILDER || a->kind == KIND_CHASER || a->kind == KIND_CHASER_SPAWNER) {
            // Creatures by the tile they are on: worlds that differ only by a
            // few pixels of a creature's walk count as one, which keeps a
            // floor with creatures searchable (the way found is still played
            // exactly).
            h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(a->x >> 4)) |
                           static_cast<uint64_t>(static_cast<uint32_t>(worldY >> 4)) << 32);
            continue;
        }
        h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(a->x)) |
                       static_cast<uint64_t>(static_cast<uint32_t>(worldY)) << 32);
        h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(a->vx)) |
                       static_cast<uint64_t>(static_cast<uint32_t>(a->vy)) << 32);
        h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(a->fallStep)) |
                       static_cast<uint64_t>(static_cast<uint32_t>(a->timer)) << 32);
        h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(a->width)) |
                       static_cast<uint64_t>(static_cast<uint32_t>(a->height)) << 32);
        h = Mix(h, static_cast<uint64_t>(static_cast<uint32_t>(a->substep)));
    }
    Actor* p = FindPlayer(w);
    if (p && p->update == PlayerCarry) h = Mix(h, static_cast<uint64_t>(w.heldActor) + 1);
    return h;
}

bool HasCreatures(World& w) {
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (a->kind == KIND_BUILDER || a->kind == KIND_CHASER || a->kind == KIND_CHASER_SPAWNER) return true;
    return false;
}

// Every block standing still on its support.
bool BlocksSettled(World& w) {
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (IsLBlockKind(a->kind) && (a->update != LBlockRest || a->timer != kRestTimer)) return false;
    return true;
}

// Anything on the floor that moves without the player.
bool FloorMovesByItself(World& w) { return HasCreatures(w) || !BlocksSettled(w); }

enum class Outcome { Noop, Moved, Cleared, Failed };

struct MoveResult {
    Outcome outcome = Outcome::Noop;
    bool acted = false;  // a lift or put-down started
};

// Plays one move from a point where the player takes a command, to the next
// such point; appends the step's commands and whether the player read each.
MoveResult PlayMove(World& w, Move move, std::vector<uint8_t>& bytes, std::vector<uint8_t>& reads) {
    MoveResult result;
    Actor* p = FindPlayer(w);
    if (!p) return result;
    const PlayerKey start = KeyOf(w);
    const ActorHandler startHandler = p->update;
    const bool vertical = move == kUp || move == kDown;
    // A wait lasts until falling or wobbling blocks have settled, or a while
    // when only creatures move.
    const bool settleFirst = move == kWait && !BlocksSettled(w);
    int waitLeft = move == kWait ? kWaitSteps : 0;
    bool arrived = move == kWait;
    for (int steps = 0;; ++steps) {
        const bool waited = waitLeft <= 0 || (settleFirst && BlocksSettled(w));
        if (steps > 0 && arrived && waited && WillRead(w)) break;
        if (steps >= kMaxMoveSteps) return {Outcome::Failed, false};
        const int give = arrived ? CMD_NONE : kMoveCommand[move];
        const int readsBefore = w.commandsRead;
        const int xBefore = p->x, yBefore = p->y + w.scrollY;
        const bool done = StepWorld(w, give);
        bytes.push_back(static_cast<uint8_t>(give));
        const bool read = w.commandsRead > readsBefore;
        reads.push_back(read ? 1 : 0);
        if (waitLeft > 0) --waitLeft;
        p = FindPlayer(w);
        if (p->update == PlayerFrozen) result.acted = true;
        if (done) {
            result.outcome = w.playResult == PLAY_RESULT_CLEARED ? Outcome::Cleared : Outcome::Failed;
            return result;
        }
        if (!read || arrived) continue;
        if (move == kRight || move == kLeft) {
            // Through a turn on the spot, until the player has left its column
            // or cannot.
            const bool turning = (move == kRight ? w.rightHold : w.leftHold) < 4 && p->x == xBefore;
            if (!turning) arrived = true;
        } else if (!vertical) {
            arrived = true;
        } else {
            // A climb goes on to the next whole tile, until the player stops or
            // leaves the ladder.
            const int worldY = p->y + w.scrollY;
            if (startHandler == PlayerClimb && p->update != PlayerClimb) arrived = true;
            else if (p->x == xBefore && worldY == yBefore) arrived = true;
            else if ((worldY & 15) == 0 && worldY != start.worldY) arrived = true;
        }
    }
    if (move == kAction) result.outcome = result.acted ? Outcome::Moved : Outcome::Noop;
    else if (move == kWait || !(KeyOf(w) == start)) result.outcome = Outcome::Moved;
    return result;
}

struct Node {
    uint32_t world;
    int32_t parent;
    uint32_t bytesAt;
    uint32_t bytesCount;
    int32_t lifts;
    int32_t putDowns;
    int32_t steps;
    uint64_t hash;
};

// Steps that were not read carry on the command read before them, so a demo
// reads as held keys (R12) rather than taps; replay never reads them.
std::vector<uint8_t> Smooth(const std::vector<uint8_t>& bytes, const std::vector<uint8_t>& reads) {
    std::vector<uint8_t> out(bytes);
    uint8_t held = CMD_NONE;
    for (size_t i = 0; i < out.size(); ++i) {
        if (reads[i]) held = out[i] == CMD_ACTION ? uint8_t{CMD_NONE} : out[i];
        else out[i] = held;
    }
    return out;
}

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

namespace {

constexpr uint32_t kGoal = UINT32_MAX;
// A climb of this much counts as a landing: from there on the search forgets
// the floor below.
constexpr int kLandingRise = 6 * 16;
constexpr int kLandingDrop = 4 * 16;

// The player stands still, nothing falls, and no pickup is left below it
// (the floor below is about to be forgotten).
bool Landed(World& w) {
    Actor* p = FindPlayer(w);
    if (!p || p->update != PlayerWalk || !WillRead(w) || !BlocksSettled(w)) return false;
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (a->kind == KIND_PICKUP && a->alive && a->y > p->y) return false;
    return true;
}

// One search from a world where the player takes a command, to the exit or,
// when landingY is given, to the first world where the player stands at or
// above it with everything settled.
struct Phase {
    bool found = false;    // the exit
    bool landed = false;   // a landing
    bool exhausted = false;
    std::vector<uint8_t> bytes, reads;
    int lifts = 0, putDowns = 0;
    int64_t searched = 0;
    std::unique_ptr<World> end;
};

Phase SearchPhase(const World& start, int stepsBefore, const SolveOptions& options, int64_t budget, bool useLanding,
                  int landingY) {
    Phase phase;
    WorldStore store(start);
    std::vector<uint8_t> bytes, reads;
    std::vector<Node> nodes;
    auto base = std::make_unique<World>(start);
    auto scratch = std::make_unique<World>(start);
    const uint64_t rootHash = HashWorld(*base);
    nodes.push_back({store.Save(start), -1, 0, 0, 0, 0, 0, rootHash});
    using Entry = std::tuple<int, int, int>;  // lifts + put-downs, steps, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    open.emplace(0, 0, 0);
    // The cheapest way to each world found so far; a cheaper one found later
    // takes its place.
    std::unordered_map<uint64_t, std::pair<int, int>> best{{rootHash, {0, 0}}};
    std::vector<char> landing{0};

    while (!open.empty()) {
        const auto [cost, steps, id] = open.top();
        open.pop();
        const Node node = nodes[static_cast<size_t>(id)];
        if (node.world == kGoal || landing[static_cast<size_t>(id)]) {
            std::vector<int> chain;
            for (int n = id; n >= 0; n = nodes[static_cast<size_t>(n)].parent) chain.push_back(n);
            for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
                const Node& c = nodes[static_cast<size_t>(*it)];
                phase.bytes.insert(phase.bytes.end(), bytes.begin() + c.bytesAt, bytes.begin() + c.bytesAt + c.bytesCount);
                phase.reads.insert(phase.reads.end(), reads.begin() + c.bytesAt, reads.begin() + c.bytesAt + c.bytesCount);
            }
            phase.lifts = node.lifts;
            phase.putDowns = node.putDowns;
            if (node.world == kGoal) {
                phase.found = true;
            } else {
                phase.landed = true;
                phase.end = std::make_unique<World>(start);
                store.Load(node.world, *phase.end);
            }
            return phase;
        }
        const auto known = best.find(node.hash);
        if (known != best.end() && known->second < std::make_pair(cost, steps)) continue;
        if (++phase.searched > budget) return phase;
        store.Load(node.world, *base);
        Actor* p = FindPlayer(*base);
        const bool moving = FloorMovesByItself(*base);
        for (int m = 0; m < kMoveCount; ++m) {
            const Move move = static_cast<Move>(m);
            if (move == kAction && !options.allowAction) continue;
            if (move == kFaceRight && (p->dir == 0 || p->update == PlayerClimb)) continue;
            if (move == kFaceLeft && (p->dir == 1 || p->update == PlayerClimb)) continue;
            if (move == kWait && !moving) continue;
            if (p->update == PlayerWalk) {
                if (move == kUp) continue;
                if (move == kDown && !IsLadder(TileAt(*base, p->x, p->y + p->height))) continue;
            } else if (p->update == PlayerCarry) {
                if (move == kUp || move == kDown) continue;
            }
            CopyLiveParts(*scratch, *base);
            const uint32_t at = static_cast<uint32_t>(bytes.size());
            const MoveResult r = PlayMove(*scratch, move, bytes, reads);
            const uint32_t count = static_cast<uint32_t>(bytes.size()) - at;
            auto drop = [&] {
                bytes.resize(at);
                reads.resize(at);
            };
            if (r.outcome == Outcome::Noop || r.outcome == Outcome::Failed) {
                drop();
                continue;
            }
            Node child{0, id, at, count, node.lifts, node.putDowns, node.steps + static_cast<int32_t>(count), 0};
            if (move == kAction) (p->update == PlayerCarry ? child.putDowns : child.lifts) += 1;
            // Creatures keep a floor changing for ever; a way longer than this
            // is no way a player would take.
            if (stepsBefore + child.steps > kMaxWaySteps && r.outcome != Outcome::Cleared) {
                drop();
                continue;
            }
            bool landed = false;
            if (r.outcome == Outcome::Cleared) {
                child.world = kGoal;
            } else {
                child.hash = HashWorld(*scratch);
                const std::pair<int, int> childCost{child.lifts + child.putDowns, child.steps};
                const auto [it, added] = best.emplace(child.hash, childCost);
                if (!added && it->second <= childCost) {
                    drop();
                    continue;
                }
                it->second = childCost;
                child.world = store.Save(*scratch);
                if (useLanding) {
                    Actor* cp = FindPlayer(*scratch);
                    const int y = cp->y + scratch->scrollY;
                    landed = y <= landingY && Landed(*scratch);
                    // Climbing is the point: going back down below the
                    // landing the search began on is not searched.
                    if (y > landingY + kLandingRise + kLandingDrop) {
                        drop();
                        continue;
                    }
                }
            }
            nodes.push_back(child);
            landing.push_back(landed ? 1 : 0);
            open.emplace(child.lifts + child.putDowns, child.steps, static_cast<int>(nodes.size() - 1));
        }
    }
    phase.exhausted = true;
    return phase;
}

}  // namespace

Solution Solve(const Floor& floor, const SolveOptions& options) {
    Solution solution;
    auto root = EnterFloor(floor, {PLAY_MODE_NORMAL, options.chasers, 0});
    for (Actor* a = FirstActive(*root); a; a = NextActive(*root, *a))
        if (IsLBlockKind(a->kind)) ++solution.blockCount;

    // Up to the player's first command (it may start in the air).
    std::vector<uint8_t> prefix, prefixReads;
    for (int i = 0; i < kMaxMoveSteps && !WillRead(*root); ++i) {
        if (StepWorld(*root)) break;
        prefix.push_back(CMD_NONE);
        prefixReads.push_back(0);
    }
    if (root->playResult != PLAY_RESULT_PLAYING || !FindPlayer(*root)) {
        solution.exhausted = true;
        return solution;
    }

    // A tall floor is climbed landing by landing: once the player stands well
    // above where the search began, the floor below no longer matters, so a
    // new search starts there. If that leads nowhere, the floor is searched
    // whole.
    for (const bool byLandings : {true, false}) {
        if (byLandings && !options.allowAction) continue;  // without the key, one search says all
        std::vector<uint8_t> demo(prefix), reads(prefixReads);
        int lifts = 0, putDowns = 0;
        int64_t searched = 0;
        auto world = std::make_unique<World>(*root);
        for (;;) {
            Actor* p = FindPlayer(*world);
            const int landingY = p->y + world->scrollY - kLandingRise;
            Phase phase = SearchPhase(*world, static_cast<int>(demo.size()), options, options.maxStates - searched,
                                      byLandings, landingY);
            searched += phase.searched;
            demo.insert(demo.end(), phase.bytes.begin(), phase.bytes.end());
            reads.insert(reads.end(), phase.reads.begin(), phase.reads.end());
            lifts += phase.lifts;
            putDowns += phase.putDowns;
            if (phase.landed) {
                world = std::move(phase.end);
                continue;
            }
            solution.statesSearched += searched;
            if (phase.found) {
                solution.found = true;
                solution.demo = Smooth(demo, reads);
                solution.lifts = lifts;
                solution.putDowns = putDowns;
                solution.steps = static_cast<int>(demo.size());
                solution.blocksMoved = CountBlocksLifted(floor, solution.demo, options.chasers);
                return solution;
            }
            solution.exhausted = phase.exhausted && !byLandings;
            break;
        }
    }
    return solution;
}

}  // namespace q::floors
