#include "assets/archive_writer.hpp"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace q::assets {
namespace {

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

std::vector<uint8_t> PackArchive(const std::vector<std::vector<uint8_t>>& entries) {
    const size_t table = entries.size() * 4;
    size_t total = table;
    for (const auto& e : entries) total += 4 + e.size();
    // Offsets are signed 32-bit in the file; refuse anything they cannot reach.
    if (total > 0x7FFFFFFFu) throw std::length_error("archive larger than 2 GiB");
    std::vector<uint8_t> out(total);
    size_t at = table;
    for (size_t i = 0; i < entries.size(); ++i) {
        Put32(out, i * 4, static_cast<uint32_t>(at - table));
        Put32(out, at, static_cast<uint32_t>(entries[i].size()));
        std::copy(entries[i].begin(), entries[i].end(), out.begin() + static_cast<std::ptrdiff_t>(at + 4));
        at += 4 + entries[i].size();
    }
    return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace q::assets
