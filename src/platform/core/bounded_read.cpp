#include "platform/core/bounded_read.hpp"

#include "platform/core/files.hpp"

namespace q {

BoundedRead ReadBoundedFile(const char* path, int64_t maxBytes, std::vector<uint8_t>* out) {
    out->clear();
    InputFile file(path);
    if (!file.IsOpen()) return BoundedRead::Missing;
    if (file.Size() > maxBytes) return BoundedRead::TooLarge;
    out->resize(static_cast<size_t>(file.Size()));
    // A file that shrank while being read keeps what was there.
    out->resize(file.Read(out->data(), out->size()));
    return BoundedRead::Ok;
}

}  // namespace q
