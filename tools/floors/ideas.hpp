#pragma once
// The ideas a floor can ask of the player, and how a search goes without
// one: a tool idea is taken away by refusing the moves or the worlds that use
// it (the world itself is never changed); a pressure is taken away by
// changing a copy of the floor.
#include <cstdint>
#include <string>
#include <vector>

#include "floors/floor_source.hpp"
#include "world/world.hpp"

namespace q::floors {

enum class Idea : uint8_t {
    Turn,        // turning while carrying, so the block mirrors
    Hold,        // a block resting only on a same-direction neighbour's notch
    Wobble,      // moving while a block hangs unsupported
    Drop,        // a block falling a tile or more
    Stack,       // a block resting on another block, not on terrain
    LadderLift,  // lifting or putting down from a ladder
    Builder,     // lifting a block the builder made
    Squash,      // a block landing on a creature
    Push,        // a falling block pushing the player down
    Heavy,       // heavy blocks (pressure)
    Pickup,      // pickups and the lock (pressure)
    Count
};
constexpr int kIdeaCount = static_cast<int>(Idea::Count);
using IdeaSet = uint32_t;
constexpr IdeaSet Bit(Idea i) { return IdeaSet{1} << static_cast<int>(i); }
constexpr bool Has(IdeaSet s, Idea i) { return (s & Bit(i)) != 0; }

const char* IdeaName(Idea idea);
// Pressures are proved on a changed copy of the floor, tools by a ban.
bool IsPressure(Idea idea);
// "turn,hold" -> the set; false (with the unknown name) on a word that is no idea.
bool ParseIdeas(const std::string& list, IdeaSet& out, std::string& unknown);
std::string IdeaList(IdeaSet ideas);

// Whether the floor holds the piece an idea needs (a builder for builder and
// squash, heavy blocks for heavy, pickups for pickup).
bool FloorHasPieceFor(const Floor& floor, Idea idea);
// The floor with the pressure taken away: heavy blocks made light, or the
// pickups gone and the lock an open exit.
Floor WithoutPressure(const Floor& floor, Idea idea);

// The bans a search applies, given the floor's first world.
class IdeaBans {
public:
    IdeaBans(IdeaSet forbidden, const World& root);
    bool Any() const { return forbidden_ != 0; }
    // Whether the player may give this command in w.
    bool AllowsCommand(World& w, int command) const;
    // Whether the step just played used a banned idea.
    bool StepUsesBanned(World& w) const;
    // Whether a world where the player takes a command shows a banned idea;
    // fresh has the world's occupancy map rebuilt from its blocks.
    bool WorldUsesBanned(World& fresh) const;

private:
    IdeaSet forbidden_;
    struct Place {
        int32_t index, x, worldY, dir;
    };
    std::vector<Place> rootBlocks_;
    bool AtRootPlace(const World& w, const Actor& block) const;
    bool RootBlock(int index) const;
    bool Settling(const World& w, const Actor& block) const;
};

}  // namespace q::floors
