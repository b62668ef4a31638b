#pragma once
#include <cstdint>

#include "platform/core/sound_effects.hpp"

namespace q {

// The options' two sound switches, on at start-up: effects play only while
// effects are on, music starts only while music is on.
void SetEffectsEnabled(bool on);
bool EffectsEnabled();
void SetMusicEnabled(bool on);
bool MusicEnabled();

bool InitSound();
void ReleaseSound();
void RequestSe(SoundEffect n);
void PlaySe(int n);
void StopAllSe();
void StartBgm();
void StopBgm();

// Frame-loop helpers: clear every request before the update, then play the
// requested slots in ascending order after it.
void ClearSoundRequests();
void PlayRequestedSounds();

}  // namespace q
