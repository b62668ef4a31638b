#include "floors/ideas.hpp"

#include <sstream>

#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/tiles.hpp"

namespace q::floors {

namespace {

constexpr const char* kNames[kIdeaCount] = {"turn",    "hold",    "wobble", "drop", "stack", "ladder-lift",
                                            "builder", "squash",  "push",   "heavy", "pickup"};

bool IsCreature(int kind) { return kind == KIND_BUILDER || kind == KIND_CHASER; }

bool Wobbling(const Actor& a) {
    return IsLBlockKind(a.kind) && a.update == LBlockRest && a.timer < kLBlockRestSteps;
}

std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    const size_t b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

}  // namespace

const char* IdeaName(Idea idea) { return kNames[static_cast<int>(idea)]; }

bool IsPressure(Idea idea) { return idea == Idea::Heavy || idea == Idea::Pickup; }

bool ParseIdeas(const std::string& list, IdeaSet& out, std::string& unknown) {
    out = 0;
    std::istringstream in(list);
    for (std::string word; std::getline(in, word, ',');) {
        word = Trim(word);
        if (word.empty()) continue;
        bool known = false;
        for (int i = 0; i < kIdeaCount; ++i)
            if (word == kNames[i]) {
                out |= IdeaSet{1} << i;
                known = true;
            }
        if (!known) {
            unknown = word;
            return false;
        }
    }
    return true;
}

std::string IdeaList(IdeaSet ideas) {
    std::string out;
    for (int i = 0; i < kIdeaCount; ++i)
        if (ideas & (IdeaSet{1} << i)) out += (out.empty() ? "" : ", ") + std::string(kNames[i]);
    return out;
}

bool FloorHasPieceFor(const Floor& floor, Idea idea) {
    auto has = [&](int kind) {
        for (int8_t cell : floor.objects)
            if (cell == kind) return true;
        return false;
    };
    switch (idea) {
        case Idea::Builder: return has(KIND_BUILDER);
        case Idea::Squash: return has(KIND_BUILDER) || has(KIND_CHASER);
        case Idea::Heavy: return has(KIND_HEAVY_LBLOCK_0) || has(KIND_HEAVY_LBLOCK_1);
        case Idea::Pickup: return has(KIND_PICKUP) || has(KIND_EXIT_LOCK);
        default: return has(KIND_LBLOCK_0) || has(KIND_LBLOCK_1) || has(KIND_HEAVY_LBLOCK_0) ||
                        has(KIND_HEAVY_LBLOCK_1) || has(KIND_BUILDER);
    }
}

Floor WithoutPressure(const Floor& floor, Idea idea) {
    Floor out = floor;
    for (size_t i = 0; i < out.objects.size(); ++i) {
        int8_t& cell = out.objects[i];
        if (idea == Idea::Heavy) {
            if (cell == KIND_HEAVY_LBLOCK_0) cell = KIND_LBLOCK_0;
            if (cell == KIND_HEAVY_LBLOCK_1) cell = KIND_LBLOCK_1;
        } else if (idea == Idea::Pickup) {
            if (cell == KIND_PICKUP) cell = 0;
            // An opened lock is two exit cells, its own and the one to its right.
            if (cell == KIND_EXIT_LOCK) {
                cell = EXIT_CELL;
                if ((i + 1) % kFloorColumns != 0) out.objects[i + 1] = EXIT_CELL;
            }
        }
    }
    return out;
}

IdeaBans::IdeaBans(IdeaSet forbidden, const World& root) : forbidden_(forbidden) {
    World& w = const_cast<World&>(root);
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (IsLBlockKind(a->kind)) rootBlocks_.push_back({w.IndexOf(*a), a->x, a->y + w.scrollY, a->dir});
}

bool IdeaBans::RootBlock(int index) const {
    for (const Place& p : rootBlocks_)
        if (p.index == index) return true;
    return false;
}

bool IdeaBans::AtRootPlace(const World& w, const Actor& block) const {
    const int index = w.IndexOf(block);
    for (const Place& p : rootBlocks_)
        if (p.index == index) return p.x == block.x && p.worldY == block.y + w.scrollY && p.dir == block.dir;
    return false;
}

bool IdeaBans::Settling(const World& w, const Actor& block) const {
    // A block spawns half its height above its cell and settles onto it.
    const int index = w.IndexOf(block);
    for (const Place& p : rootBlocks_)
        if (p.index == index)
            return p.x == block.x && p.dir == block.dir && block.y + w.scrollY <= p.worldY + kLBlockSize / 2;
    return false;
}

bool IdeaBans::AllowsCommand(World& w, int command) const {
    if (!forbidden_) return true;
    Actor* p = FindPlayer(w);
    if (!p) return true;
    if (Has(forbidden_, Idea::Turn) && p->update == PlayerCarry &&
        ((command == CMD_RIGHT && p->dir == FACING_LEFT) || (command == CMD_LEFT && p->dir == FACING_RIGHT)))
        return false;
    if (Has(forbidden_, Idea::LadderLift) && command == CMD_ACTION && p->update == PlayerClimb) return false;
    if (Has(forbidden_, Idea::Wobble) && command != CMD_NONE)
        for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
            if (Wobbling(*a)) return false;
    return true;
}

namespace {

// A put-down lowers the block half a tile above the ground the player stands
// on and lets it fall that last tile; every other tile a block falls is a drop.
bool PutDownsLastFall(const Actor& block, const Actor* player) {
    if (!player) return false;
    const int feet = player->y + player->height;
    const int middle = block.x + kLBlockSize / 2 - (player->x + player->width / 2);
    return block.oldY + kLBlockSize == feet - kLBlockFallSpeed && block.y + kLBlockSize == feet && middle > -kLBlockSize * 2 &&
           middle < kLBlockSize * 2;
}

}  // namespace

bool IdeaBans::StepUsesBanned(World& w) const {
    if (!forbidden_) return false;
    const Actor* player = FindPlayer(w);
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a)) {
        if (IsLBlockKind(a->kind)) {
            if (Has(forbidden_, Idea::Drop) && a->update == LBlockFall && a->y - a->oldY >= kLBlockFallSpeed &&
                !PutDownsLastFall(*a, player) && !Settling(w, *a))
                return true;
            if (Has(forbidden_, Idea::Builder) && a->update == LBlockLift && !RootBlock(w.IndexOf(*a))) return true;
        } else if (a->kind == KIND_PLAYER) {
            if (Has(forbidden_, Idea::Push) && a->vy == kPushSpeed) return true;
        } else if (IsCreature(a->kind)) {
            if (Has(forbidden_, Idea::Squash) && a->update == Squashed) return true;
        }
    }
    return false;
}

bool IdeaBans::WorldUsesBanned(World& fresh) const {
    if (!Has(forbidden_, Idea::Hold) && !Has(forbidden_, Idea::Stack)) return false;
    for (Actor* a = FirstActive(fresh); a; a = NextActive(fresh, *a)) {
        if (!IsLBlockKind(a->kind) || a->update != LBlockRest || Wobbling(*a) || AtRootPlace(fresh, *a)) continue;
        const int below = a->y + kLBlockSize;
        const int right = a->x + kLBlockSize - 1;
        if ((TileAt(fresh, a->x, below) | TileAt(fresh, right, below)) >= TILE_FOOTING) continue;
        const bool onBlock = (OccupiedAt(fresh, a->x, below) | OccupiedAt(fresh, right, below)) == 1;
        if (onBlock) {
            if (Has(forbidden_, Idea::Stack)) return true;
            continue;
        }
        Actor probe = *a;
        probe.oldY = probe.y;
        if (Has(forbidden_, Idea::Hold) && LBlockNeighbourBelow(fresh, probe, -kLBlockSize)) return true;
    }
    return false;
}

}  // namespace q::floors
