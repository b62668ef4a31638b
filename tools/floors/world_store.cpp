#include "floors/world_store.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace q::floors {

namespace {
constexpr size_t kChunk = 64;
static_assert(std::is_trivially_copyable_v<World>, "worlds are stored as bytes");
struct Region {
    size_t at, size;
};

// The byte ranges of a world that play can change.
void LiveRegions(const World& w, Region out[3]) {
    const size_t used = static_cast<size_t>(std::clamp(w.floorRows, 0, kMaxFloorRows)) * kOccupancyColumns * 4;
    out[0] = {offsetof(World, objectMap), sizeof(w.objectMap)};
    out[1] = {offsetof(World, occupancyMap), used};
    out[2] = {offsetof(World, actors), sizeof(World) - offsetof(World, actors)};
}

}  // namespace

void CopyLiveParts(World& dst, const World& src) {
    Region regions[3];
    LiveRegions(src, regions);
    for (const Region& r : regions)
        std::memcpy(reinterpret_cast<uint8_t*>(&dst) + r.at, reinterpret_cast<const uint8_t*>(&src) + r.at, r.size);
}

WorldStore::WorldStore(const World& root) : root_(root) {}

uint32_t WorldStore::Save(const World& w) {
    const auto* a = reinterpret_cast<const uint8_t*>(&w);
    const auto* b = reinterpret_cast<const uint8_t*>(&root_);
    Span span{chunkIds_.size(), 0};
    Region regions[3];
    LiveRegions(root_, regions);
    for (const Region& r : regions)
    for (size_t at = r.at; at < r.at + r.size; at += kChunk) {
        const size_t n = std::min(kChunk, r.at + r.size - at);
        if (std::memcmp(a + at, b + at, n) == 0) continue;
        chunkIds_.push_back(static_cast<uint32_t>(at));
        chunks_.insert(chunks_.end(), a + at, a + at + n);
        chunks_.resize(chunks_.size() + (kChunk - n));
        ++span.count;
    }
    index_.push_back(span);
    return static_cast<uint32_t>(index_.size() - 1);
}

void WorldStore::Load(uint32_t id, World& out) const {
    CopyLiveParts(out, root_);
    auto* o = reinterpret_cast<uint8_t*>(&out);
    const Span& span = index_[id];
    for (uint32_t i = 0; i < span.count; ++i) {
        const size_t at = chunkIds_[span.first + i];
        const size_t n = std::min(kChunk, sizeof(World) - at);
        std::memcpy(o + at, &chunks_[(span.first + i) * kChunk], n);
    }
}

}  // namespace q::floors
