#include "platform/files.hpp"

#include <sys/stat.h>

namespace q {

InputFile::InputFile(const char* path) {
    file_ = std::fopen(path, "rb");
    if (!file_) return;
    // A folder or a device opens like a file but has no size to trust: to
    // the game it is not there at all.
    struct stat info;
    if (fstat(fileno(file_), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    size_ = static_cast<int64_t>(info.st_size);
}

InputFile::~InputFile() {
    if (file_) std::fclose(file_);
}

std::size_t InputFile::Read(void* dst, std::size_t n) {
    if (!file_ || n == 0) return 0;
    return std::fread(dst, 1, n, file_);
}

bool InputFile::Seek(int64_t position) {
    if (!file_ || position < 0) return false;
    return std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
}

int64_t InputFile::Tell() const { return file_ ? std::ftell(file_) : -1; }

}  // namespace q
