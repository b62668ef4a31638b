#include "floors/naive.hpp"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "floors/floor_world.hpp"
#include "floors/ideas.hpp"
#include "floors/moves.hpp"
#include "floors/seen_worlds.hpp"
#include "floors/world_code.hpp"
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/player.hpp"

namespace q::floors {

namespace {

// Moves a walk may take before the player is taken to be wandering.
constexpr int kMaxMoves = 300;
// Worlds the walk to the exit may search: a floor's worlds without the
// action key, its blocks standing still, are a few thousand.
constexpr size_t kWalkWorlds = 200000;
// Turning on the spot takes kTurnSteps commands; the next one walks.
constexpr int kTurnMoves = kTurnSteps + 1;

struct Place {
    int x = 0, y = 0;  // world pixels
    bool operator<(const Place& o) const { return x != o.x ? x < o.x : y < o.y; }
    bool operator==(const Place& o) const { return x == o.x && y == o.y; }
};

class NaivePlayer {
public:
    explicit NaivePlayer(const Floor& floor)
        : root_(EnterFloor(floor, {PLAY_MODE_NORMAL, false, 0})),
          w_(std::make_unique<World>(*root_)),
          fork_(std::make_unique<World>(*root_)),
          coder_(*root_),
          none_(0, *root_) {
        // The exit: the first exit cell or lock from the top.
        for (int row = 0; row < floor.rows && !hasExit_; ++row)
            for (int column = 0; column < kColumns && !hasExit_; ++column) {
                const int8_t cell = floor.Object(column, row);
                if (cell != EXIT_CELL && cell != KIND_EXIT_LOCK) continue;
                exit_ = {column * kTileSize + kTileSize / 2, row * kTileSize + kTileSize / 2};
                hasExit_ = true;
            }
    }

    NaiveRun Play() {
        NaiveRun run;
        if (!hasExit_ || !FindPlayer(*w_) || w_->playResult != PLAY_RESULT_PLAYING) return run;
        for (int round = 0; !WalkToExit() && round < kNaiveBlocks && LiftNearestBlock() && CarryToWall(); ++round)
            ++run.blocksCarried;
        run.cleared = cleared_;
        return run;
    }

private:
    Actor& Player(World& w) { return *FindPlayer(w); }
    // The middle of the player's upper half, where the exit test looks.
    Place Head(World& w) {
        const Actor& p = Player(w);
        return {p.x + p.width / 2, p.y + w.scrollY + kTileSize / 2};
    }

    // Plays one move of the world into fork_.
    Outcome Move(int command) {
        code_.clear();
        coder_.Encode(*w_, code_);
        const MoveResult r = PlayMove(*fork_, coder_, Start{code_, *w_, false}, command, none_, nullptr, misses_);
        if (r.outcome == Outcome::Cleared) cleared_ = true;
        return r.outcome;
    }
    void Take() { std::swap(w_, fork_); }

    // Gives the command until the player gets somewhere new (through a turn
    // on the spot if need be); false, with the world as it was, otherwise.
    bool Go(int command, const std::set<Place>& seen) {
        auto saved = std::make_unique<World>(*w_);
        const Place from = Head(*w_);
        for (int i = 0; i < kTurnMoves; ++i) {
            const Outcome o = Move(command);
            if (cleared_) return true;
            if (o != Outcome::Moved) break;
            Take();
            const Place now = Head(*w_);
            if (now == from) continue;
            if (seen.count(now)) break;
            return true;
        }
        *w_ = *saved;
        return false;
    }

    // Walks and climbs toward the target, the way up first, then sideways,
    // then down, never back to a place already stood on. true once the floor
    // is cleared or `arrived` holds; false when no way on is left.
    template <class Arrived>
    bool Walk(Place target, Arrived arrived) {
        std::set<Place> seen{Head(*w_)};
        for (int moves = 0; moves < kMaxMoves && !cleared_; ++moves) {
            if (arrived()) return true;
            const Place at = Head(*w_);
            std::vector<int> tries;
            if (target.y < at.y - kTileSize / 2) tries.push_back(CMD_UP);
            if (std::abs(target.x - at.x) >= kTileSize / 2) tries.push_back(target.x < at.x ? CMD_LEFT : CMD_RIGHT);
            if (target.y > at.y + kTileSize / 2) tries.push_back(CMD_DOWN);
            bool went = false;
            for (int command : tries)
                if (Go(command, seen)) {
                    went = true;
                    break;
                }
            if (!went) return false;
            seen.insert(Head(*w_));
        }
        return cleared_;
    }

    // Whether the player can get to the exit from here without the action
    // key: every such move from every world, breadth first.
    bool WalkToExit() {
        SeenWorlds seen;
        std::vector<std::vector<uint8_t>> queue(1);
        coder_.Encode(*w_, queue[0]);
        seen.Offer(WorldCoder::Key(queue[0].data(), queue[0].size()), 0);
        for (size_t i = 0; i < queue.size() && i < kWalkWorlds; ++i) {
            for (int command : {CMD_NONE, CMD_RIGHT, CMD_LEFT, CMD_UP, CMD_DOWN}) {
                const Start from{queue[i], *w_, false};
                const MoveResult r = PlayMove(*fork_, coder_, from, command, none_, nullptr, misses_);
                if (r.outcome == Outcome::Cleared) return cleared_ = true;
                if (r.outcome != Outcome::Moved) continue;
                code_.clear();
                coder_.Encode(*fork_, code_);
                if (seen.Offer(WorldCoder::Key(code_.data(), code_.size()), 0)) queue.push_back(code_);
            }
        }
        return false;
    }

    // Walks to the nearest block not yet moved, trying the action key at
    // every stop until it lifts one.
    bool LiftNearestBlock() {
        const Place at = Head(*w_);
        Actor* nearest = nullptr;
        int best = 0;
        for (Actor* a = FirstActive(*w_); a; a = NextActive(*w_, *a)) {
            if (!IsLBlockKind(a->kind) || moved_.count(w_->IndexOf(*a))) continue;
            const int d = std::abs(a->x + kLBlockSize / 2 - at.x) + std::abs(a->y + w_->scrollY + kLBlockSize / 2 - at.y);
            if (!nearest || d < best) {
                nearest = a;
                best = d;
            }
        }
        if (!nearest) return false;
        const int index = w_->IndexOf(*nearest);
        const Place block{nearest->x + kLBlockSize / 2, nearest->y + w_->scrollY + kLBlockSize / 2};
        auto lifted = [&] {
            if (Move(CMD_ACTION) != Outcome::Moved || Player(*fork_).update != PlayerCarry) return false;
            Take();
            moved_.insert(w_->heldActor >= 0 ? w_->heldActor : index);
            return true;
        };
        return Walk(block, lifted) && !cleared_;
    }

    // Carries the block on until it stops, and puts it down as near there
    // as a put-down goes (the block needs room in front of the player).
    bool CarryToWall() {
        const int ahead = Player(*w_).dir == FACING_LEFT ? CMD_LEFT : CMD_RIGHT;
        std::unique_ptr<World> putDown;
        for (int moves = 0; moves < kMaxMoves; ++moves) {
            if (Move(CMD_ACTION) == Outcome::Moved && Player(*fork_).update == PlayerWalk) {
                if (!putDown) putDown = std::make_unique<World>(*fork_);
                *putDown = *fork_;
            }
            const Place from = Head(*w_);
            if (Move(ahead) != Outcome::Moved || Player(*fork_).update != PlayerCarry || Head(*fork_) == from) break;
            Take();
        }
        if (!putDown) return false;
        *w_ = *putDown;
        return true;
    }

    // The coder reads the first world for as long as it lives: it stays apart
    // from the two that take turns being played.
    std::unique_ptr<World> root_, w_, fork_;
    WorldCoder coder_;
    IdeaBans none_;
    std::vector<uint8_t> code_;
    int64_t misses_ = 0;
    Place exit_;
    bool hasExit_ = false;
    bool cleared_ = false;
    std::set<int> moved_;
};

}  // namespace

NaiveRun PlayNaive(const Floor& floor) { return NaivePlayer(floor).Play(); }

}  // namespace q::floors
