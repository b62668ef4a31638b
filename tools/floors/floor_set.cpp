#include "floors/floor_set.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace q::floors {

namespace {
// Floor sources are small; anything bigger is not one.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;
}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = path + ": not a file";
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes) {
        error = path + ": cannot be read or is too large";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.good() && !in.eof()) {
        error = path + ": read failed";
        return false;
    }
    return true;
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size, std::string& error) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = path + ": cannot be written";
            return false;
        }
        out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            error = path + ": write failed";
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        error = path + ": " + ec.message();
        return false;
    }
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& text, std::string& error) {
    return WriteWholeFile(path, text.data(), text.size(), error);
}

bool LoadFloorFile(const std::string& path, Floor& out, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, error)) return false;
    SourceError e;
    if (!ParseFloorSource(std::string(bytes.begin(), bytes.end()), out, e)) {
        error = path + ":" + std::to_string(e.line) + ": " + e.message;
        return false;
    }
    return true;
}

bool LoadFloorSet(const std::string& dir, FloorSet& out, std::string& error) {
    out = FloorSet{};
    for (int n = 1; n <= kFloorCount; ++n) {
        const std::string path = (std::filesystem::path(dir) / SourceFileName(n)).string();
        Floor f;
        if (!LoadFloorFile(path, f, error)) return false;
        out.floors.push_back(std::move(f));
        out.paths.push_back(path);
    }
    return true;
}

}  // namespace q::floors
