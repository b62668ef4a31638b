// The floor toolchain's text source of one floor. A source that parses must
// come back the same from the source written for it.
#include <cstdlib>
#include <string>

#include "floors/floor_source.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q::floors;
    Floor floor;
    SourceError error;
    if (!ParseFloorSource(std::string(reinterpret_cast<const char*>(data), size), floor, error)) return 0;
    const std::string written = WriteFloorSource(floor, 1);
    Floor again;
    if (!ParseFloorSource(written, again, error)) std::abort();
    if (WriteFloorSource(again, 1) != written) std::abort();
    return 0;
}
