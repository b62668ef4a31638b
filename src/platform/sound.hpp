#pragma once
#include <cstdint>

namespace q {

constexpr int kSoundSlots = 12;  // 0..10 effects, 11 the music
constexpr int kMusicSlot = 11;

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
