#pragma once
// Internal to the platform layer: the headless back end's entries in the
// table of operations, and the frame the graphics device hands it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/sound_effects.hpp"
#include "platform/core/wave.hpp"

namespace q::headless {

constexpr int kKeyCodes = 256;

// Everything the headless back end pretends, in one place: one machine per
// process, as there is one real window and sound device.
struct StandIns {
    bool windowOpen = false;
    bool failNextWindow = false;
    bool closeRequested = false;
    int desktopWidth = 1920;
    int desktopHeight = 1080;
    std::array<bool, kKeyCodes> keysDown{};
    std::vector<std::string> messageBoxes;
    std::array<bool, kSoundSlots> voicePlaying{};
    std::vector<int> playedLog;
    std::vector<uint32_t> lastFrame;  // empty until a frame has been presented
};
StandIns& Machine();

bool CreateWindow();
void DestroyWindow();
bool HasWindow();
bool DesktopBounds(int* x, int* y, int* width, int* height);
void ShowErrorBox(const char* text);
void PumpEvents(void (*onClose)());
bool KeyDown(int32_t key);
bool OpenAudio(int* rate);
void CloseAudio();
bool PrepareWave(const WaveData& wave, int rate, std::vector<int16_t>* samples);
void StartVoice(int slot, const std::vector<int16_t>& samples, bool looping);
void StopVoice(int slot);
bool VoicePlaying(int slot);
void EffectPlayed(int effect);

// Copies a 640 x 480 ARGB8888 picture, rows `pitch` bytes apart.
void StoreFrame(const uint8_t* pixels, int pitch);
void ForgetFrame();

}  // namespace q::headless
