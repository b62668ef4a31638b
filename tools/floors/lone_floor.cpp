#include "floors/lone_floor.hpp"

namespace q::floors {

std::vector<uint8_t> LoneFloorDat(const Floor& floor) {
    return BuildFloorDat(std::vector<Floor>(static_cast<size_t>(kFloorCount), floor));
}

}  // namespace q::floors
