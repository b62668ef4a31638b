#pragma once
// Many forks of one floor kept at once: each world is stored as the 64-byte
// chunks in which it differs from the floor's first world, so a search can
// hold thousands of them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/world.hpp"

namespace q::floors {

// Copies what can change while a floor is played (object layer, the used
// rows of the occupancy map, actors and the play state) from src, a fork of
// the same floor; the terrain and the demo stay as dst has them.
void CopyLiveParts(World& dst, const World& src);

class WorldStore {
public:
    explicit WorldStore(const World& root);
    // Stores a world; returns its id.
    uint32_t Save(const World& w);
    void Load(uint32_t id, World& out) const;
    size_t Bytes() const { return chunks_.size() + index_.size() * sizeof(Span); }

private:
    struct Span {
        uint64_t first;  // index into chunkIds_/chunks_
        uint32_t count;
    };
    const World& root_;
    std::vector<Span> index_;
    std::vector<uint32_t> chunkIds_;
    std::vector<uint8_t> chunks_;
};

}  // namespace q::floors
