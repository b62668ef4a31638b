#pragma once
// Storage the search appends millions of entries to: it grows a chunk at a
// time, so nothing is ever copied on growth and at most one chunk stands
// unused (a vector that doubles can hold twice what it stores).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace q::floors {

// A chunk left unwritten until used (std::make_unique_for_overwrite, which
// the web build's standard library lacks).
template <class T>
std::unique_ptr<T[]> Uninitialised(size_t n) {
    return std::unique_ptr<T[]>(new T[n]);
}

template <class T, size_t kChunkBits = 16>
class ChunkedArray {
public:
    static constexpr size_t kChunk = size_t{1} << kChunkBits;
    void push_back(const T& v) {
        if (size_ == chunks_.size() * kChunk) chunks_.push_back(Uninitialised<T>(kChunk));
        chunks_[size_ >> kChunkBits][size_ & (kChunk - 1)] = v;
        ++size_;
    }
    T& operator[](size_t i) { return chunks_[i >> kChunkBits][i & (kChunk - 1)]; }
    const T& operator[](size_t i) const { return chunks_[i >> kChunkBits][i & (kChunk - 1)]; }
    size_t size() const { return size_; }
    size_t Bytes() const { return chunks_.size() * kChunk * sizeof(T) + chunks_.capacity() * sizeof(void*); }

private:
    std::vector<std::unique_ptr<T[]>> chunks_;
    size_t size_ = 0;
};

// Byte strings appended one after another, each found again by the 32-bit
// place Append gave it; a string never straddles two chunks.
class ChunkedBytes {
public:
    static constexpr size_t kChunkBits = 20;
    static constexpr size_t kChunk = size_t{1} << kChunkBits;
    static constexpr uint32_t kFull = UINT32_MAX;
    // The place of the copy, or kFull when 4 GiB are stored or the string is
    // longer than a chunk.
    uint32_t Append(const uint8_t* head, size_t headSize, const uint8_t* bytes, size_t n) {
        const size_t total = headSize + n;
        if (total > kChunk) return kFull;
        if (chunks_.empty() || used_ + total > kChunk) {
            // The last chunk is never taken, so no place equals kFull.
            if (chunks_.size() + 1 >= (size_t{1} << (32 - kChunkBits))) return kFull;
            chunks_.push_back(Uninitialised<uint8_t>(kChunk));
            used_ = 0;
        }
        const uint32_t at = static_cast<uint32_t>(((chunks_.size() - 1) << kChunkBits) | used_);
        uint8_t* to = chunks_.back().get() + used_;
        if (headSize) std::memcpy(to, head, headSize);
        if (n) std::memcpy(to + headSize, bytes, n);
        used_ += total;
        return at;
    }
    const uint8_t* At(uint32_t at) const { return chunks_[at >> kChunkBits].get() + (at & (kChunk - 1)); }
    size_t Bytes() const { return chunks_.size() * kChunk + chunks_.capacity() * sizeof(void*); }
    void Release() {
        std::vector<std::unique_ptr<uint8_t[]>>().swap(chunks_);
        used_ = 0;
    }

private:
    std::vector<std::unique_ptr<uint8_t[]>> chunks_;
    size_t used_ = 0;
};

}  // namespace q::floors
