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
bool SoundRequested(int n);

// Whether slot 0..11 is sounding now (the headless back end: started and
// not stopped since).
bool VoicePlaying(int slot);

// Takes the audio device away as if it had been unplugged; the next play
// notices and opens it again (SDL back end).
void SimulateAudioDeviceLoss();

}  // namespace q
