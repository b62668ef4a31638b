#pragma once
#include <cstdint>

#include "platform/sound_effects.hpp"

namespace q {

// Slots 0..10 hold the effects, the last one the music.
constexpr int kMusicSlot = kEffectCount;
constexpr int kSoundSlots = kMusicSlot + 1;

bool InitSound();
void ReleaseSound();
void RequestSe(int n);
void PlaySe(int n);
void StopAllSe();
void StartBgm();
void StopBgm();

// Frame-loop helpers: clear every request before the update, then play the
// requested slots in ascending order after it.
void ClearSoundRequests();
void PlayRequestedSounds();

}  // namespace q
