#pragma once
#include <cstdint>

namespace q {

// Milliseconds from an unsigned 32-bit clock; differences wrap harmlessly.
uint32_t NowMs();

// Waits until at least 16.666666 ms (so 17 whole ms) have passed since t0:
// sleeps to the deadline where the system can sleep until a given instant;
// elsewhere sleeps until about 1 ms before it and spins the rest. A late frame
// returns at once.
void WaitForFrameEnd(uint32_t t0);

}  // namespace q
