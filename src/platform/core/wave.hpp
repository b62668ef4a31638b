#pragma once
#include <cstdint>

namespace q {

// The parts of a RIFF WAVE file the sound service needs, found by walking its
// chunks within the given bytes only.
struct WaveData {
    uint16_t formatTag = 0;  // 1 = PCM
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint16_t bitsPerSample = 0;
    const uint8_t* data = nullptr;  // points into the image
    uint32_t dataBytes = 0;
};

bool ParseWave(const uint8_t* image, uint32_t size, WaveData* out);

}  // namespace q
