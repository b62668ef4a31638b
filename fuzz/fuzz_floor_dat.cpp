// floor.dat as the floor toolchain reads it. The floors read must build a
// floor.dat that reads back to the same floors.
#include <cstdlib>
#include <string>
#include <vector>

#include "floors/floor_source.hpp"

namespace {
bool Same(const q::floors::Floor& a, const q::floors::Floor& b) {
    return a.rows == b.rows && a.startRow == b.startRow && a.tiles == b.tiles && a.objects == b.objects &&
           a.demo == b.demo;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q::floors;
    std::vector<Floor> floors;
    std::string error;
    if (!ReadFloorDat(std::vector<uint8_t>(data, data + size), floors, error)) return 0;
    std::vector<Floor> again;
    if (!ReadFloorDat(BuildFloorDat(floors), again, error) || again.size() != floors.size()) std::abort();
    for (size_t i = 0; i < floors.size(); ++i)
        if (!Same(floors[i], again[i])) std::abort();
    return 0;
}
