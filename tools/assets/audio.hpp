#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/sound_effects.hpp"

namespace q::assets {

// RIFF WAVE files (16-bit PCM), synthesised from the scores in assets/.
// A missing or malformed score throws ScoreError naming the file and line.
std::vector<uint8_t> BuildEffectWave(int effect);  // 0..10
std::vector<uint8_t> BuildMusicWave();

// The folder holding sounds/ and music/; the repository's assets/ unless set.
void SetAudioSourceDir(const std::string& dir);
std::string EffectScorePath(int effect);
std::string MusicScorePath();

}  // namespace q::assets
