#pragma once
// The whole set of floor sources in a folder, and writing files so that a
// failure never leaves half a file behind.
#include <string>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

struct FloorSet {
    std::vector<Floor> floors;       // floors[n - 1] is floor n
    std::vector<std::string> paths;  // the source each came from
};

// Reads floor-01.txt .. floor-57.txt from dir. On failure `error` reads
// "PATH:LINE: message".
bool LoadFloorSet(const std::string& dir, FloorSet& out, std::string& error);
bool LoadFloorFile(const std::string& path, Floor& out, std::string& error);

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error);
// Writes through a temporary file renamed into place.
bool WriteWholeFile(const std::string& path, const void* data, size_t size, std::string& error);
bool WriteWholeFile(const std::string& path, const std::string& text, std::string& error);

}  // namespace q::floors
