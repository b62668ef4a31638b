#pragma once
#include <ostream>
#include <vector>

#include "world/actor_pool.hpp"
#include "world_builder.hpp"

namespace q::test {

// Where a block is and what state it is in after a step.
struct BlockAt {
    int x, y;
    ActorHandler update;
    friend bool operator==(const BlockAt&, const BlockAt&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const BlockAt& b) {
    const char* name = HandlerName(b.update);
    return os << "(" << b.x << ", " << b.y << ", " << (name ? name : "null") << ")";
}

// Steps the world and records where the block is after each step.
inline std::vector<BlockAt> Trace(World& w, const Actor& block, int steps) {
    std::vector<BlockAt> out;
    for (int i = 0; i < steps; ++i) {
        Steps(w);
        out.push_back({block.x, block.y, block.update});
    }
    return out;
}

}  // namespace q::test
