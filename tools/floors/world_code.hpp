#pragma once
// A world in play written as the few bytes in which it differs from its
// floor's first world: the solver keeps millions of them, and two worlds get
// the same code exactly when they will step on alike.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "world/world.hpp"

namespace q::floors {

struct CodeCursor;

// Makes dst, a fork of the same floor, step on exactly as src: copies what
// can change while a floor is played (object layer, actors, play state,
// occupancy map); the terrain and the demo stay as dst has them. When src's
// occupancy map is known to be the one its blocks stamp afresh, the map is
// rebuilt rather than copied.
void CopyLiveParts(World& dst, const World& src, bool srcMapFresh = false);

class WorldCoder {
public:
    // root: the floor's first world; it must outlive the coder, unchanged.
    explicit WorldCoder(const World& root);

    // Appends w's code to out. Fields that only draw (walk frames, the idle
    // counter) and the tools' own counters are left out, so worlds differing
    // only there share a code; the occupancy map is written only where it
    // differs from the one the blocks would stamp afresh.
    void Encode(const World& w, std::vector<uint8_t>& out);
    // The world a code stands for, into out (a fork of the same floor);
    // true when its occupancy map is the one its blocks stamp afresh.
    bool Decode(const uint8_t* code, size_t size, World& out) const;

    // The fingerprint of w's code with every creature filed by the tile it
    // stands on, its timers cleared: a coarser key than the code's own.
    uint64_t KeyByTile(const World& w);

    // The fingerprint under which the search files a code.
    static uint64_t Key(const uint8_t* code, size_t size);
    // Whether anything on the floor moves without the player: creatures, or
    // a block not resting on its support.
    static bool MovesByItself(World& w);

    // After Encode: the encoded world, or a copy of it, with the occupancy
    // map its blocks stamp afresh, for questions about what stands on what.
    World& FreshView() { return *view_; }

private:
    static void Canonical(World& w);
    // Writes w's code into buffer_; its length.
    size_t EncodeIntoBuffer(const World& w, bool byTile);
    void PutOccupancy(const World& w, CodeCursor& out);
    const World& root_;
    std::unique_ptr<World> canonicalRoot_;
    std::unique_ptr<World> fresh_;
    World* view_ = nullptr;
    std::unique_ptr<uint8_t[]> buffer_;  // long enough for any code
    std::vector<size_t> creatures_;      // records snapped by KeyByTile
};

}  // namespace q::floors
