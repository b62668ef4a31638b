#pragma once
#include <cstdint>
#include <vector>

namespace q {

enum class BoundedRead { Ok, Missing, TooLarge };

// Reads a whole regular file of at most maxBytes into *out. The size is
// checked before anything is read, so a huge file or a device costs nothing;
// anything but a regular file counts as missing.
BoundedRead ReadBoundedFile(const char* path, int64_t maxBytes, std::vector<uint8_t>* out);

}  // namespace q
