#pragma once
#include <cstddef>

namespace q {

// Counting allocator for the long-lived blocks made at start-up.
void* AllocZeroed(std::size_t size);   // zero-filled block or nullptr; counts up
int FreeCounted(void* p);              // nullptr is ignored (returns 0); counts down
extern int liveAllocations;
// For tests: the n-th AllocZeroed from now on (1-based) fails; 0 disables.
void FailAllocationAfter(int n);

}  // namespace q
