// Tests never open a real window or sound device: unless the caller chose
// drivers, SDL gets its dummy ones before any test runs.
#include <cstdlib>

namespace {
const bool dummyDrivers = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();
}  // namespace
