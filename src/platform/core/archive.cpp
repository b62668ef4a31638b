#include "platform/core/archive.hpp"

#include <cstring>

#include "platform/core/files.hpp"
#include "platform/core/little_endian.hpp"
#include "platform/core/memory.hpp"

namespace q {

namespace {

// The table of 13 little-endian offsets; offsets count from its end.
constexpr uint32_t kTableBytes = 4 * kArchiveEntries;

// The process loads one data.dat and every asset reads from it.
uint8_t* block = nullptr;
uint32_t blockSize = 0;

}  // namespace

bool LoadArchive(const char* path) {
    FreeArchive();
    InputFile file(path);
    if (!file.IsOpen()) return false;
    // Only the low 32 bits of the size count, as the file format has no room
    // for anything larger.
    const uint32_t size = static_cast<uint32_t>(file.Size());
    // A file that cannot even hold its table has nothing to offer.
    if (size < kTableBytes) return false;
    auto* p = static_cast<uint8_t*>(AllocZeroed(size));
    if (!p) return false;
    // A short read leaves the rest zero-filled; entries there read as empty.
    file.Read(p, size);
    block = p;
    blockSize = size;
    return true;
}

const uint8_t* ArchiveEntry(int index, uint32_t* size) {
    if (size) *size = 0;
    if (!block || index < 0 || index >= kArchiveEntries) return nullptr;
    // Offsets are signed; check everything in 64 bits so that no sum wraps.
    const int64_t offset = static_cast<int32_t>(ReadLe32(block + 4 * index));
    const int64_t sizeField = int64_t(kTableBytes) + offset;
    if (sizeField < 0 || sizeField + 4 > int64_t(blockSize)) return nullptr;
    const uint32_t n = ReadLe32(block + sizeField);
    const int64_t payload = sizeField + 4;
    if (payload + int64_t(n) > int64_t(blockSize)) return nullptr;
    if (size) *size = n;
    return block + payload;
}

void FreeArchive() {
    FreeCounted(block);
    block = nullptr;
    blockSize = 0;
}

bool ArchiveLoaded() { return block != nullptr; }

}  // namespace q
