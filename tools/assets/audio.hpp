#pragma once
#include <cstdint>
#include <vector>

namespace q::assets {

constexpr int kEffectCount = 11;

// RIFF WAVE files (16-bit PCM), synthesised from the scores in assets/.
std::vector<uint8_t> BuildEffectWave(int effect);  // 0..10
std::vector<uint8_t> BuildMusicWave();

}  // namespace q::assets
