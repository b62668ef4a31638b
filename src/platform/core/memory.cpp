#include "platform/core/memory.hpp"

#include <cstdlib>

namespace q {

// Counts for the one allocator the whole process uses, read by the leak and out-of-memory tests.
int liveAllocations = 0;
static int failCountdown = 0;

void FailAllocationAfter(int n) { failCountdown = n; }

void* AllocZeroed(std::size_t size) {
    if (failCountdown > 0 && --failCountdown == 0) return nullptr;
    void* p = std::calloc(1, size == 0 ? 1 : size);
    if (p) ++liveAllocations;
    return p;
}

int FreeCounted(void* p) {
    if (!p) return 0;
    std::free(p);
    --liveAllocations;
    return 1;
}

}  // namespace q
