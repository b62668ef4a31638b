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

SeenWorlds::SeenWorlds() : keys_(kFirstSize, 0), costs_(kFirstSize, 0) {}

size_t SeenWorlds::Slot(uint64_t key) const {
    const size_t mask = keys_.size() - 1;
    size_t i = static_cast<size_t>(key) & mask;
    while (keys_[i] != 0 && keys_[i] != key) i = (i + 1) & mask;
    return i;
}

void SeenWorlds::Grow() {
    std::vector<uint64_t> keys(keys_.size() * 2, 0);
    std::vector<uint32_t> costs(costs_.size() * 2, 0);
    keys.swap(keys_);
    costs.swap(costs_);
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i]) {
            const size_t s = Slot(keys[i]);
            keys_[s] = keys[i];
            costs_[s] = costs[i];
        }
}

bool SeenWorlds::Offer(uint64_t fingerprint, uint32_t cost) {
    if ((count_ + 1) * 4 > keys_.size() * 3) Grow();
    const size_t s = Slot(fingerprint);
    if (keys_[s] == 0) {
        keys_[s] = fingerprint;
        costs_[s] = cost;
        ++count_;
        return true;
    }
    if (costs_[s] <= cost) return false;
    costs_[s] = cost;
    return true;
}

uint32_t SeenWorlds::Cost(uint64_t fingerprint) const {
    const size_t s = Slot(fingerprint);
    return keys_[s] ? costs_[s] : UINT32_MAX;
}

}  // namespace q::floors
