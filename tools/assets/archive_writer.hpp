#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace q::assets {

// data.dat: a table of one 32-bit offset per entry, counted from the end of
// the table, then each entry as its 32-bit size followed by its bytes, in
// entry order. All integers little-endian.
std::vector<uint8_t> PackArchive(const std::vector<std::vector<uint8_t>>& entries);

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace q::assets
