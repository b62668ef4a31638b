#include "platform/core/wave.hpp"

#include "platform/core/little_endian.hpp"

namespace q {

namespace {

// A "fmt " body shorter than this lacks even the fields of a WAVEFORMAT.
constexpr uint32_t kMinFormatBytes = 14;
// Bytes of a full PCM format record, up to and including bits per sample.
constexpr uint32_t kPcmFormatBytes = 16;

bool IsTag(const uint8_t* p, const char* tag) {
    return p[0] == uint8_t(tag[0]) && p[1] == uint8_t(tag[1]) && p[2] == uint8_t(tag[2]) &&
           p[3] == uint8_t(tag[3]);
}

}  // namespace

bool ParseWave(const uint8_t* image, uint32_t size, WaveData* out) {
    *out = WaveData{};
    if (!image || size < 12) return false;
    if (!IsTag(image, "RIFF") || !IsTag(image + 8, "WAVE")) return false;
    // The RIFF length marks the end of the file, but never beyond the bytes
    // we were given: a length that claims more is cut back to them.
    uint64_t end = 8 + uint64_t(ReadLe32(image + 4));
    if (end > size) end = size;

    bool haveFormat = false;
    bool haveData = false;
    uint64_t pos = 12;
    while (pos < end) {
        if (pos + 8 > end) break;  // a chunk header that does not fit ends the walk
        const uint8_t* header = image + pos;
        const uint32_t length = ReadLe32(header + 4);
        const uint64_t body = pos + 8;
        const uint64_t available = end - body;
        if (IsTag(header, "fmt ")) {
            if (!haveFormat) {
                if (length < kMinFormatBytes || available < kMinFormatBytes) return false;
                const uint8_t* f = image + body;
                out->formatTag = ReadLe16(f);
                out->channels = ReadLe16(f + 2);
                out->sampleRate = ReadLe32(f + 4);
                // Without the bits-per-sample field the format stays unknown (0),
                // which no player accepts.
                if (length >= kPcmFormatBytes && available >= kPcmFormatBytes) out->bitsPerSample = ReadLe16(f + 14);
                haveFormat = true;
            }
        } else if (IsTag(header, "data")) {
            if (!haveData || out->dataBytes == 0) {
                // A body that runs past the end keeps only the bytes that exist.
                const uint64_t n = length < available ? length : available;
                out->data = image + body;
                out->dataBytes = static_cast<uint32_t>(n);
                haveData = true;
            }
        }
        if (haveFormat && haveData && out->dataBytes != 0) return true;
        pos = body + uint64_t(length) + (length & 1u);
    }
    *out = WaveData{};
    return false;
}

}  // namespace q
