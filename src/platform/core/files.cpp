#include "platform/core/files.hpp"

#include <sys/stat.h>

namespace q {

InputFile::InputFile(const char* path) {
    file_ = std::fopen(path, "rb");
    if (!file_) return;
    // A folder or a device opens like a file but has no size to trust: to
    // the game it is not there at all.
#ifdef _WIN32
    // The 64-bit size: Windows's plain stat holds 32 bits, and a file of
    // 4 GB and a few bytes would pass for a small one.
    struct _stat64 info;
    const bool regular = _fstat64(_fileno(file_), &info) == 0 && (info.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat info;
    const bool regular = fstat(fileno(file_), &info) == 0 && S_ISREG(info.st_mode);
#endif
    if (!regular) {
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
#ifdef _WIN32
    // long is 32 bits on Windows.
    return _fseeki64(file_, position, SEEK_SET) == 0;
#else
    return std::fseek(file_, static_cast<long>(position), SEEK_SET) == 0;
#endif
}

int64_t InputFile::Tell() const {
    if (!file_) return -1;
#ifdef _WIN32
    return _ftelli64(file_);
#else
    return std::ftell(file_);
#endif
}

}  // namespace q
