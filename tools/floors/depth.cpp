#include "floors/depth.hpp"

#include "floors/floor_world.hpp"
#include "floors/ideas.hpp"
#include "floors/moves.hpp"
#include "floors/seen_worlds.hpp"
#include "floors/world_code.hpp"
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/world_step.hpp"

namespace q::floors {

namespace {

constexpr uint32_t kExit = UINT32_MAX;
constexpr uint32_t kNotFound = UINT32_MAX;

// No block falling, hanging or being lifted or put down (see Depth::settled).
bool Settled(World& w) {
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a)) {
        if (!IsLBlockKind(a->kind) || a->update == LBlockCarried) continue;
        if (a->update != LBlockRest || a->timer != kLBlockRestSteps) return false;
    }
    return true;
}

// Every explored world: its code, the worlds its moves lead to (kExit for a
// move that clears the floor), and what the measures ask of it.
struct Space {
    // SeenWorlds keeps the least cost offered for a fingerprint; offering
    // each new world its index, which only grows, makes it an index.
    SeenWorlds index;
    std::vector<uint8_t> codes;
    std::vector<uint64_t> codeAt;  // codeAt[n]..codeAt[n + 1] in codes
    std::vector<uint64_t> childAt;  // childAt[n]..childAt[n + 1] in children, for explored worlds
    std::vector<uint32_t> children;
    std::vector<uint8_t> settled;

    size_t Count() const { return codeAt.size() - 1; }
    // The world's index; adds it when new, unless the space is full.
    uint32_t Find(const std::vector<uint8_t>& code, bool add, int64_t limit) {
        const uint64_t key = WorldCoder::Key(code.data(), code.size());
        const uint32_t at = index.Cost(key);
        if (at != UINT32_MAX || !add || static_cast<int64_t>(Count()) >= limit) return at;
        index.Offer(key, static_cast<uint32_t>(Count()));
        codes.insert(codes.end(), code.begin(), code.end());
        codeAt.push_back(codes.size());
        return static_cast<uint32_t>(Count() - 1);
    }
};

// Which explored worlds can still reach the exit: backwards from the worlds
// with a move that clears the floor, along every move reversed.
std::vector<uint8_t> ReachesExit(const Space& s) {
    const size_t n = s.childAt.size() - 1;
    std::vector<uint32_t> inAt(n + 1, 0), in;
    for (uint32_t c : s.children)
        if (c != kExit && c < n) ++inAt[c + 1];
    for (size_t i = 0; i < n; ++i) inAt[i + 1] += inAt[i];
    in.resize(inAt[n]);
    std::vector<uint32_t> fill(inAt.begin(), inAt.end() - 1);
    std::vector<uint8_t> alive(n, 0);
    std::vector<uint32_t> queue;
    for (uint32_t from = 0; from < n; ++from)
        for (uint64_t k = s.childAt[from]; k < s.childAt[from + 1]; ++k) {
            const uint32_t c = s.children[k];
            if (c == kExit) {
                if (!alive[from]) queue.push_back(from);
                alive[from] = 1;
            } else if (c < n) {
                in[fill[c]++] = from;
            }
        }
    for (size_t q = 0; q < queue.size(); ++q)
        for (uint32_t k = inAt[queue[q]]; k < inAt[queue[q] + 1]; ++k)
            if (!alive[in[k]]) {
                alive[in[k]] = 1;
                queue.push_back(in[k]);
            }
    return alive;
}

// The explored worlds the demo passes through, in order, each once.
std::vector<uint32_t> WayWorlds(const Floor& floor, const std::vector<uint8_t>& way, Space& s, WorldCoder& coder) {
    std::vector<uint32_t> out;
    auto w = EnterFloor(floor, {PLAY_MODE_NORMAL, false, 0});
    std::vector<uint8_t> code;
    for (size_t i = 0; i <= way.size(); ++i) {
        code.clear();
        coder.Encode(*w, code);
        const uint32_t n = s.Find(code, false, 0);
        if (n != kNotFound && (out.empty() || out.back() != n)) out.push_back(n);
        if (i == way.size() || StepWorld(*w, way[i])) break;
    }
    return out;
}

}  // namespace

Depth MeasureDepth(const Floor& floor, const std::vector<uint8_t>& way, int64_t maxWorlds) {
    Depth depth;
    auto root = EnterFloor(floor, {PLAY_MODE_NORMAL, false, 0});
    if (root->playResult != PLAY_RESULT_PLAYING || !FindPlayer(*root)) {
        depth.complete = true;
        return depth;
    }
    WorldCoder coder(*root);
    const IdeaBans none(0, *root);
    auto base = std::make_unique<World>(*root);
    auto scratch = std::make_unique<World>(*root);
    Space s;
    s.codeAt.push_back(0);
    std::vector<uint8_t> code, baseCode;
    coder.Encode(*root, code);
    s.Find(code, true, maxWorlds);

    depth.complete = true;
    int64_t misses = 0;
    for (uint32_t n = 0; n < s.Count(); ++n) {
        s.childAt.push_back(s.children.size());
        baseCode.assign(s.codes.begin() + static_cast<std::ptrdiff_t>(s.codeAt[n]),
                        s.codes.begin() + static_cast<std::ptrdiff_t>(s.codeAt[n + 1]));
        const Start start{baseCode, *base, coder.Decode(baseCode.data(), baseCode.size(), *base)};
        s.settled.push_back(Settled(*base) ? 1 : 0);
        for (int command : kCommands) {
            const MoveResult r = PlayMove(*scratch, coder, start, command, none, nullptr, misses);
            if (r.outcome == Outcome::Cleared) s.children.push_back(kExit);
            if (r.outcome != Outcome::Moved) continue;
            code.clear();
            coder.Encode(*scratch, code);
            const uint32_t child = s.Find(code, true, maxWorlds);
            if (child == kNotFound) {
                depth.complete = false;
                break;
            }
            s.children.push_back(child);
        }
        if (!depth.complete) break;
    }
    s.childAt.push_back(s.children.size());
    depth.worlds = static_cast<int64_t>(s.Count());
    if (!depth.complete) return depth;

    const std::vector<uint8_t> alive = ReachesExit(s);
    for (size_t n = 0; n < alive.size(); ++n) {
        if (!s.settled[n]) continue;
        ++depth.settled;
        if (!alive[n]) ++depth.settledDead;
    }
    for (uint32_t n : WayWorlds(floor, way, s, coder)) {
        ++depth.wayPoints;
        if (!alive[n]) continue;
        for (uint64_t k = s.childAt[n]; k < s.childAt[n + 1]; ++k)
            if (s.children[k] != kExit && !alive[s.children[k]]) {
                ++depth.commitments;
                break;
            }
    }
    return depth;
}

}  // namespace q::floors
