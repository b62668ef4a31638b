#include "floors/world_store.hpp"

#include <cstring>
#include <type_traits>

namespace q::floors {

namespace {
constexpr size_t kChunk = 64;
static_assert(std::is_trivially_copyable_v<World>, "worlds are stored as bytes");
}  // namespace

WorldStore::WorldStore(const World& root) : root_(root) {}

uint32_t WorldStore::Save(const World& w) {
    const auto* a = reinterpret_cast<const uint8_t*>(&w);
    const auto* b = reinterpret_cast<const uint8_t*>(&root_);
    Span span{chunkIds_.size(), 0};
    for (size_t at = 0; at < sizeof(World); at += kChunk) {
        const size_t n = std::min(kChunk, sizeof(World) - at);
        if (std::memcmp(a + at, b + at, n) == 0) continue;
        chunkIds_.push_back(static_cast<uint32_t>(at / kChunk));
        chunks_.insert(chunks_.end(), a + at, a + at + n);
        chunks_.resize(chunks_.size() + (kChunk - n));
        ++span.count;
    }
    index_.push_back(span);
    return static_cast<uint32_t>(index_.size() - 1);
}

void WorldStore::Load(uint32_t id, World& out) const {
    std::memcpy(static_cast<void*>(&out), &root_, sizeof(World));
    auto* o = reinterpret_cast<uint8_t*>(&out);
    const Span& span = index_[id];
    for (uint32_t i = 0; i < span.count; ++i) {
        const size_t at = static_cast<size_t>(chunkIds_[span.first + i]) * kChunk;
        const size_t n = std::min(kChunk, sizeof(World) - at);
        std::memcpy(o + at, &chunks_[(span.first + i) * kChunk], n);
    }
}

}  // namespace q::floors
