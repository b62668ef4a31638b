#pragma once
// The worlds a search has reached, each as a 64-bit fingerprint of its code
// with the cheapest cost found to it, in one open-addressed table: twelve
// bytes a world at most, and no allocation per world.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace q::floors {

uint64_t Fingerprint(const uint8_t* bytes, size_t size);

class SeenWorlds {
public:
    SeenWorlds();
    // Records cost for the world unless it was reached at least as cheaply
    // before; true when recorded (the world is new or now cheaper).
    bool Offer(uint64_t fingerprint, uint32_t cost);
    // The cheapest cost recorded for a world reached before.
    uint32_t Cost(uint64_t fingerprint) const;
    size_t Count() const { return count_; }
    size_t Bytes() const { return keys_.capacity() * sizeof(uint64_t) + costs_.capacity() * sizeof(uint32_t); }

private:
    size_t Slot(uint64_t key) const;
    void Grow();
    std::vector<uint64_t> keys_;  // 0: empty
    std::vector<uint32_t> costs_;
    size_t count_ = 0;
};

}  // namespace q::floors
