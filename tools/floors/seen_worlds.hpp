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
    size_t Bytes() const { return slots_.capacity() * sizeof(Slot); }

private:
    // A fingerprint and its cost side by side, so a probe reads one place;
    // the fingerprint in two halves keeps a slot at twelve bytes.
    struct Slot {
        uint32_t low = 0, high = 0;  // both 0: empty
        uint32_t cost = 0;
        uint64_t Key() const { return static_cast<uint64_t>(high) << 32 | low; }
    };
    size_t Find(uint64_t key) const;
    void Grow();
    std::vector<Slot> slots_;
    size_t count_ = 0;
};

}  // namespace q::floors
