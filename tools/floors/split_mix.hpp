#pragma once
// A small random source of our own (splitmix64): the same seed gives the same
// numbers on every machine and compiler, which the standard distributions do
// not promise.
#include <cstdint>

namespace q::floors {

class SplitMix {
public:
    explicit SplitMix(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A whole number from lo to hi, both included (lo when hi < lo).
    int Between(int lo, int hi) {
        if (hi <= lo) return lo;
        return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
    }
    bool Chance(int percent) { return Between(0, 99) < percent; }

private:
    uint64_t state_;
};

}  // namespace q::floors
