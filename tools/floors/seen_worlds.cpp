#include "floors/seen_worlds.hpp"

#include <cstring>

namespace q::floors {

namespace {
constexpr size_t kFirstSize = 1 << 16;
uint64_t Mix(uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}
}  // namespace

uint64_t Fingerprint(const uint8_t* bytes, size_t size) {
    uint64_t h = 0x9E3779B97F4A7C15ull ^ size;
    size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t v;
        std::memcpy(&v, bytes + i, 8);
        h = Mix(h ^ v) + i;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, bytes + i, size - i);
    h = Mix(h ^ tail ^ (static_cast<uint64_t>(size - i) << 56));
    return h ? h : 1;  // 0 marks an empty slot
}

SeenWorlds::SeenWorlds() : slots_(kFirstSize) {}

size_t SeenWorlds::Find(uint64_t key) const {
    const size_t mask = slots_.size() - 1;
    size_t i = static_cast<size_t>(key) & mask;
    for (uint64_t k; (k = slots_[i].Key()) != 0 && k != key;) i = (i + 1) & mask;
    return i;
}

void SeenWorlds::Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.Key()) slots_[Find(slot.Key())] = slot;
}

bool SeenWorlds::Offer(uint64_t fingerprint, uint32_t cost) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Grow();
    Slot& slot = slots_[Find(fingerprint)];
    if (slot.Key() == 0) {
        slot = {static_cast<uint32_t>(fingerprint), static_cast<uint32_t>(fingerprint >> 32), cost};
        ++count_;
        return true;
    }
    if (slot.cost <= cost) return false;
    slot.cost = cost;
    return true;
}

uint32_t SeenWorlds::Cost(uint64_t fingerprint) const {
    const Slot& slot = slots_[Find(fingerprint)];
    return slot.Key() ? slot.cost : UINT32_MAX;
}

}  // namespace q::floors
