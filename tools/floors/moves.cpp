#include "floors/moves.hpp"

#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"
#include "world/world_step.hpp"

namespace q::floors {

namespace {

// A fall from the top of the tallest floor to its bottom takes 480 steps.
constexpr int kMaxMoveSteps = 600;

}  // namespace

// On a grid column when it climbs, or when it walks or carries on firm ground.
bool WillRead(World& w) {
    Actor* p = FindPlayer(w);
    if (!p || !OnColumn(*p)) return false;
    if (p->update == PlayerClimb) return true;
    if (p->update != PlayerWalk && p->update != PlayerCarry) return false;
    const int fallStep = p->fallStep < 0 ? 0 : (p->fallStep > kLastFallStep ? kLastFallStep : p->fallStep);
    Actor probe = *p;
    probe.vy = VerticalSpeedTable[fallStep];
    if (probe.vy <= 0) return false;  // rising in a hop
    probe.oldX = probe.x;
    probe.oldY = probe.y;
    probe.y += probe.vy;
    const int threshold = p->update == PlayerCarry ? TILE_FOOTING : TILE_LADDER;
    return (TileFloorBelow(w, probe, threshold) | BlockFloorBelow(w, probe)) != 0;
}

void Start::Into(World& w, const WorldCoder& coder) const {
    if (asStamped)
        CopyLiveParts(w, world, true);
    else
        coder.Decode(code.data(), code.size(), w);
}

MoveResult PlayMove(World& w, const WorldCoder& coder, const Start& from, int command, const IdeaBans& bans,
                    Recording* rec, int64_t& misses) {
    MoveResult result;
    from.Into(w, coder);
    auto step = [&](int give) {
        const int readsBefore = w.commandsRead;
        const bool done = StepWorld(w, give);
        ++result.steps;
        if (rec) {
            rec->bytes.push_back(static_cast<uint8_t>(give));
            rec->reads.push_back(w.commandsRead > readsBefore ? 1 : 0);
        }
        Actor* p = FindPlayer(w);
        if (p && p->update == PlayerFrozen) result.acted = true;
        if (bans.Any() && bans.StepUsesBanned(w)) result.outcome = Outcome::Banned;
        if (done) result.outcome = w.playResult == PLAY_RESULT_CLEARED ? Outcome::Cleared : Outcome::Failed;
        return w.commandsRead > readsBefore;
    };
    step(command);
    while (result.outcome == Outcome::Moved) {
        if (WillRead(w)) break;
        if (result.steps >= kMaxMoveSteps) {
            result.outcome = Outcome::Failed;
            break;
        }
        if (!step(CMD_NONE)) continue;
        // The player took a command where none was expected: the world before
        // that step is where this move ends. Play it again up to there.
        ++misses;
        const int keep = result.steps - 1;
        from.Into(w, coder);
        StepWorld(w, command);
        for (int i = 1; i < keep; ++i) StepWorld(w, CMD_NONE);
        result.steps = keep;
        if (rec) {
            rec->bytes.pop_back();
            rec->reads.pop_back();
        }
        break;
    }
    return result;
}

std::vector<uint8_t> Smooth(const Recording& rec) {
    std::vector<uint8_t> out(rec.bytes);
    uint8_t held = CMD_NONE;
    for (size_t i = 0; i < out.size(); ++i) {
        if (rec.reads[i]) held = out[i] == CMD_ACTION ? uint8_t{CMD_NONE} : out[i];
        else out[i] = held;
    }
    return out;
}

}  // namespace q::floors
