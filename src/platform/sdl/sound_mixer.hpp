#pragma once
// Internal to the platform layer: the SDL back end's sound, twelve voices
// mixed into one SDL audio device.
#include <cstdint>
#include <vector>

namespace q::mixer {

constexpr int kVoices = 12;

struct Voice {
    const int16_t* samples = nullptr;  // interleaved stereo
    uint32_t frames = 0;
    uint32_t position = 0;  // next frame to play
    bool playing = false;
    bool looping = false;
};

// Adds every playing voice into `out` (stereo, `frames` frames), clipping to
// 16 bits, and advances the voices: a finished voice stops, a looping one
// starts over.
void Mix(Voice* voices, int count, int16_t* out, int frames);

// Opens the default device, paused; gives its rate. Starts SDL's audio
// subsystem when needed.
bool Open(int* rate);
void Start();
// Closes the device and stops the audio subsystem; safe when closed.
void Close();
// The device has gone away (unplugged, taken over) or was never opened.
bool Lost();
// Voice `slot` plays these interleaved stereo samples from their start.
void StartVoice(int slot, const std::vector<int16_t>& samples, bool looping);
void StopVoice(int slot);
bool VoicePlaying(int slot);

}  // namespace q::mixer
