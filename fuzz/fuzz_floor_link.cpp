// A floor link as the editor page reads it from an address: any text is
// refused or gives a floor; a floor given is linted as the page does, and its
// own link gives the same source back.
#include <cstdlib>
#include <string>

#include "floors/floor_link.hpp"
#include "floors/lint.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q::floors;
    const std::string link(reinterpret_cast<const char*>(data), size);
    Floor floor;
    std::string source, error;
    if (!DecodeFloorLink(link, floor, source, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    LintFloor(floor, 1);
    const std::string written = WriteFloorSource(floor, 1);
    Floor again;
    std::string againSource;
    if (!DecodeFloorLink(EncodeFloorLink(floor, 1), again, againSource, error)) std::abort();
    if (againSource != written) std::abort();
    return 0;
}
