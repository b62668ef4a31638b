#pragma once
#include <cstdint>
#include <vector>

namespace q::assets {

// A RIFF WAVE file: one "fmt " chunk (PCM, 16 bits, mono) and one "data"
// chunk, little-endian, padded to an even size as RIFF requires.
std::vector<uint8_t> WriteWave16Mono(const std::vector<int16_t>& samples, uint32_t sampleRate);

}  // namespace q::assets
