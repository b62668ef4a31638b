#pragma once
// Internal to the platform layer: turning a parsed WAVE into the mixer's
// format, 16-bit signed stereo at the device's rate.
#include <cstdint>
#include <vector>

#include "platform/core/wave.hpp"

namespace q {

// Uncompressed PCM, 8 or 16 bits, mono or stereo, at a rate we can resample.
bool WaveSupported(const WaveData& wave);

// Whether ConvertWave would succeed at `rate`.
bool WaveConvertible(const WaveData& wave, int rate);

// Interleaved left/right samples at `rate`; false when the wave is not
// supported or would convert to more than ten minutes of sound.
bool ConvertWave(const WaveData& wave, int rate, std::vector<int16_t>* stereo);

}  // namespace q
