#include "platform/core/sound_convert.hpp"

#include "platform/core/little_endian.hpp"

namespace q {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint32_t kMinRate = 1000;
constexpr uint32_t kMaxRate = 384000;
// A damaged header must not make us allocate without bound.
constexpr uint64_t kMaxSeconds = 600;

int FrameBytes(const WaveData& w) { return w.channels * (w.bitsPerSample / 8); }

// One channel's sample as a signed 16-bit value.
int32_t SampleAt(const WaveData& w, uint64_t frame, int channel) {
    const uint8_t* p = w.data + frame * uint64_t(FrameBytes(w)) + uint64_t(channel) * (w.bitsPerSample / 8);
    if (w.bitsPerSample == 8) return (int32_t(p[0]) - 128) * 256;  // 8-bit WAVE samples are unsigned
    return int16_t(ReadLe16(p));
}

// Frames at `rate`; a trailing partial frame of the source is dropped.
uint64_t ConvertedFrames(const WaveData& w, int rate) {
    const uint64_t frames = w.dataBytes / uint32_t(FrameBytes(w));
    return (frames * uint64_t(rate) + w.sampleRate - 1) / w.sampleRate;
}

}  // namespace

bool WaveSupported(const WaveData& w) {
    return w.formatTag == kFormatPcm && (w.channels == 1 || w.channels == 2) &&
           (w.bitsPerSample == 8 || w.bitsPerSample == 16) && w.sampleRate >= kMinRate && w.sampleRate <= kMaxRate &&
           w.data != nullptr;
}

bool WaveConvertible(const WaveData& w, int rate) {
    return WaveSupported(w) && rate > 0 && ConvertedFrames(w, rate) <= kMaxSeconds * uint64_t(rate);
}

bool ConvertWave(const WaveData& w, int rate, std::vector<int16_t>* stereo) {
    stereo->clear();
    if (!WaveConvertible(w, rate)) return false;
    const uint64_t frames = w.dataBytes / uint32_t(FrameBytes(w));
    const uint64_t outFrames = ConvertedFrames(w, rate);
    stereo->resize(outFrames * 2);
    const int right = w.channels == 2 ? 1 : 0;
    // Source position in 32.32 fixed point; linear interpolation between
    // neighbouring frames, the last frame held.
    const uint64_t step = (uint64_t(w.sampleRate) << 32) / uint64_t(rate);
    uint64_t pos = 0;
    for (uint64_t i = 0; i < outFrames; ++i, pos += step) {
        const uint64_t a = pos >> 32;
        const uint64_t b = a + 1 < frames ? a + 1 : a;
        const int64_t frac = int64_t((pos & 0xFFFFFFFFu) >> 16);  // 0..65535
        for (int c = 0; c < 2; ++c) {
            const int channel = c == 0 ? 0 : right;
            // A mono source gives the right channel what it gave the left.
            if (c == 1 && right == 0) {
                (*stereo)[i * 2 + 1] = (*stereo)[i * 2];
                break;
            }
            const int64_t s0 = SampleAt(w, a, channel);
            const int64_t s1 = SampleAt(w, b, channel);
            (*stereo)[i * 2 + c] = int16_t(s0 + (((s1 - s0) * frac) >> 16));
        }
    }
    return true;
}

}  // namespace q
