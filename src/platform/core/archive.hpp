#pragma once
#include <cstdint>

namespace q {

constexpr int kArchiveEntries = 13;

bool LoadArchive(const char* path = "data.dat");
// Payload of entry 0..12 and its size; nullptr when the entry is absent or lies
// (even partly) outside the file.
const uint8_t* ArchiveEntry(int index, uint32_t* size);
void FreeArchive();
bool ArchiveLoaded();

}  // namespace q
