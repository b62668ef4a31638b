#include "platform/files.hpp"

namespace q {

InputFile::InputFile(const char* path) {
    file_ = std::fopen(path, "rb");
    if (!file_) return;
    if (std::fseek(file_, 0, SEEK_END) == 0) size_ = std::ftell(file_);
    if (size_ < 0) size_ = 0;
    std::fseek(file_, 0, SEEK_SET);
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
