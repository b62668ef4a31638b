#include "platform/sdl/sound_mixer.hpp"

#include <SDL.h>

#include <algorithm>

namespace q::mixer {

namespace {

constexpr int kRequestedRate = 44100;
constexpr int kChannels = 2;
// About 12 ms of sound per callback: short enough that effects start promptly.
constexpr Uint16 kCallbackFrames = 512;
constexpr int kChunkFrames = 256;

// One process has one audio device, and SDL's callback on its own thread can reach only what lives here.
Voice voices[kVoices];
SDL_AudioDeviceID deviceId = 0;
bool subsystemStarted = false;

void SDLCALL FillAudio(void*, Uint8* stream, int bytes) {
    Mix(voices, kVoices, reinterpret_cast<int16_t*>(stream), bytes / int(sizeof(int16_t) * kChannels));
}

}  // namespace

void Mix(Voice* vs, int count, int16_t* out, int frames) {
    int32_t acc[kChunkFrames * kChannels];
    for (int done = 0; done < frames; done += kChunkFrames) {
        const int n = std::min(kChunkFrames, frames - done);
        std::fill(acc, acc + n * kChannels, 0);
        for (int k = 0; k < count; ++k) {
            Voice& v = vs[k];
            int i = 0;
            while (v.playing && i < n) {
                if (v.position >= v.frames) {
                    if (v.looping && v.frames > 0) {
                        v.position = 0;
                    } else {
                        v.playing = false;
                        v.position = 0;
                        break;
                    }
                }
                const int take = int(std::min<uint32_t>(uint32_t(n - i), v.frames - v.position));
                const int16_t* src = v.samples + size_t(v.position) * kChannels;
                for (int s = 0; s < take * kChannels; ++s) acc[i * kChannels + s] += src[s];
                i += take;
                v.position += uint32_t(take);
            }
        }
        int16_t* dst = out + size_t(done) * kChannels;
        for (int s = 0; s < n * kChannels; ++s) dst[s] = int16_t(std::clamp<int32_t>(acc[s], -32768, 32767));
    }
}

bool Open(int* rate) {
    Close();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    subsystemStarted = true;
    SDL_AudioSpec want{};
    want.freq = kRequestedRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = kCallbackFrames;
    want.callback = FillAudio;
    SDL_AudioSpec have{};
    // SDL converts our 16-bit stereo to whatever the device wants; only the
    // rate is taken from the device, so that resampling happens once, here.
    deviceId = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (deviceId == 0) {
        Close();
        return false;
    }
    *rate = have.freq;
    return true;
}

void Start() {
    if (deviceId) SDL_PauseAudioDevice(deviceId, 0);
}

void Close() {
    if (deviceId) SDL_CloseAudioDevice(deviceId);
    deviceId = 0;
    for (Voice& v : voices) v = Voice{};
    if (subsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    subsystemStarted = false;
}

bool Lost() { return deviceId == 0 || SDL_GetAudioDeviceStatus(deviceId) == SDL_AUDIO_STOPPED; }

namespace {

// The device's thread reads the voices; the game changes them only while
// holding this.
class DeviceLock {
public:
    DeviceLock() {
        if (deviceId) SDL_LockAudioDevice(deviceId);
    }
    ~DeviceLock() {
        if (deviceId) SDL_UnlockAudioDevice(deviceId);
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;
};

}  // namespace

void StartVoice(int slot, const std::vector<int16_t>& samples, bool looping) {
    const DeviceLock lock;
    Voice& v = voices[slot];
    v.samples = samples.data();
    v.frames = uint32_t(samples.size() / 2);
    v.position = 0;
    v.looping = looping;
    v.playing = true;
}

void StopVoice(int slot) {
    const DeviceLock lock;
    voices[slot].playing = false;
    voices[slot].position = 0;
}

bool VoicePlaying(int slot) {
    const DeviceLock lock;
    return voices[slot].playing;
}

}  // namespace q::mixer
