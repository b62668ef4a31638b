#pragma once
// Building files byte by byte, and writing them where tests keep their files.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace q::test {

using Bytes = std::vector<uint8_t>;

// Little-endian, as every file the game reads stores its numbers.
inline void Put16(Bytes& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}
inline void PatchInt32(Bytes& b, size_t at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(u >> (8 * i));
}
// A four-character chunk or file tag.
inline void PutTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(tag[i]));
}

inline bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// A path for a file of this test process, in a folder of its own.
inline std::string ScratchPath(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("quorrel-tests-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

// Writes the bytes to ScratchPath(name) and returns that path.
inline std::string WriteTemp(const std::string& name, const Bytes& bytes) {
    const std::string path = ScratchPath(name);
    WriteFile(path, bytes);
    return path;
}

}  // namespace q::test
