#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace q {

// A file name as the game builds it: long enough for any path it meets.
struct GamePath {
    char text[4096];
};

// A read-only file from the working folder. Closes itself.
class InputFile {
public:
    InputFile() = default;
    explicit InputFile(const char* path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    int64_t Size() const { return size_; }
    // Reads up to n bytes at the current position; returns the count read.
    std::size_t Read(void* dst, std::size_t n);
    bool Seek(int64_t position);
    int64_t Tell() const;

private:
    std::FILE* file_ = nullptr;
    int64_t size_ = 0;
};

}  // namespace q
