// Sound effects and music: requests raised during a frame's update, played
// once each at its end, on the voices of the selected back end.
#include "platform/sound.hpp"

#include <vector>

#include "platform/core/archive.hpp"
#include "platform/backend_table.hpp"
#include "platform/core/sound_convert.hpp"
#include "platform/test_hooks.hpp"
#include "platform/core/wave.hpp"

namespace q {

namespace {

// Slot n holds archive entry n + 1.
constexpr int kFirstSoundEntry = 1;

// The sound service's state, one per process as there is one sound device.
struct SoundState {
    // The back end the sound was started on; it keeps it until released.
    const BackendTable* audio = nullptr;
    bool effectsEnabled = true;
    bool musicEnabled = true;
    bool ready = false;  // InitSound succeeded; until then every operation is harmless
    bool failDevice = false;
    int deviceRate = 0;
    int32_t requests[kSoundSlots] = {};
    bool loaded[kSoundSlots] = {};
    std::vector<int16_t> buffers[kSoundSlots];  // what each voice plays
    // The music is the one long sound and is first wanted when a floor starts,
    // so it is converted then rather than on the way to the first frame.
    bool musicPending = false;
};
SoundState state;

bool ValidSlot(int n) { return n >= 0 && n < kSoundSlots; }

// Parses one WAVE held in the archive into `slot`; the slot is empty on
// failure. The music is only checked, and converted later, unless `now`.
bool LoadWave(const uint8_t* image, uint32_t size, int slot, bool now = false) {
    state.loaded[slot] = false;
    state.buffers[slot].clear();
    WaveData wave;
    if (!ParseWave(image, size, &wave) || !WaveSupported(wave)) return false;
    if (slot == kMusicSlot && !now) {
        if (!state.audio->canPrepareWave(wave, state.deviceRate)) return false;
        state.musicPending = true;
        state.loaded[slot] = true;
        return true;
    }
    if (!state.audio->prepareWave(wave, state.deviceRate, &state.buffers[slot])) return false;
    state.loaded[slot] = true;
    return true;
}

// The music's samples, made now if they were put off; false when they
// cannot be (the archive entry gone or changed since), leaving it silent.
bool MusicConverted() {
    if (!state.musicPending) return state.loaded[kMusicSlot];
    state.musicPending = false;
    uint32_t size = 0;
    const uint8_t* image = ArchiveEntry(kMusicSlot + kFirstSoundEntry, &size);
    if (!image || !LoadWave(image, size, kMusicSlot, true)) {
        state.loaded[kMusicSlot] = false;
        return false;
    }
    return true;
}

bool LoadSlotFromArchive(int slot) {
    uint32_t size = 0;
    const uint8_t* image = ArchiveEntry(slot + kFirstSoundEntry, &size);
    if (!image) {
        state.loaded[slot] = false;
        state.buffers[slot].clear();
        return false;
    }
    return LoadWave(image, size, slot);
}

// A device that went away is opened again and every buffer made anew for
// its rate; slots that cannot be rebuilt stay silent. Nothing is left playing.
void ReopenLostDevice() {
    state.audio->closeAudio();
    if (state.failDevice || !state.audio->openAudio(&state.deviceRate)) return;
    for (int slot = 0; slot < kSoundSlots; ++slot)
        if (state.loaded[slot]) LoadSlotFromArchive(slot);
    state.audio->startAudio();
}

}  // namespace

void SetEffectsEnabled(bool on) { state.effectsEnabled = on; }
bool EffectsEnabled() { return state.effectsEnabled; }
void SetMusicEnabled(bool on) { state.musicEnabled = on; }
bool MusicEnabled() { return state.musicEnabled; }

bool InitSound() {
    ReleaseSound();
    state.audio = &Backend();
    if (state.failDevice) return false;
    if (!state.audio->openAudio(&state.deviceRate)) return false;
    state.ready = true;
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        if (!LoadSlotFromArchive(slot)) {
            // Nothing half-made survives: the game goes on silently.
            ReleaseSound();
            return false;
        }
    }
    state.audio->startAudio();
    return true;
}

void ReleaseSound() {
    if (state.audio) state.audio->closeAudio();
    state.musicPending = false;
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        state.loaded[slot] = false;
        std::vector<int16_t>().swap(state.buffers[slot]);
    }
    state.ready = false;
}

void RequestSe(SoundEffect n) {
    if (ValidSlot(n)) state.requests[n] = 1;
}

bool SoundRequested(int n) { return ValidSlot(n) && state.requests[n] == 1; }

void ClearSoundRequests() {
    for (int32_t& r : state.requests) r = 0;
}

void PlayRequestedSounds() {
    for (int n = 0; n < kSoundSlots; ++n)
        if (state.requests[n] == 1) PlaySe(n);
}

void PlaySe(int n) {
    if (!ValidSlot(n) || !state.effectsEnabled || !state.ready || !state.loaded[n]) return;
    // The request that finds the device gone only brings it back.
    if (state.audio->audioLost()) {
        ReopenLostDevice();
        return;
    }
    state.audio->effectPlayed(n);
    state.audio->startVoice(n, state.buffers[n], false);
}

void StopAllSe() {
    // With effects switched off the requests stay; nothing plays them anyway.
    if (!state.effectsEnabled) return;
    ClearSoundRequests();
    if (!state.ready) return;
    for (int n = 0; n < kMusicSlot; ++n)
        if (state.loaded[n]) state.audio->stopVoice(n);
}

void StartBgm() {
    if (!state.musicEnabled) return;
    StopBgm();
    if (!state.ready || !state.loaded[kMusicSlot]) return;
    if (state.audio->audioLost()) {
        ReopenLostDevice();
        if (state.audio->audioLost() || !state.loaded[kMusicSlot]) return;
    }
    if (!MusicConverted()) return;
    state.audio->startVoice(kMusicSlot, state.buffers[kMusicSlot], true);
}

void StopBgm() {
    // Deliberately ignores the music switch: switching music off must still stop it.
    if (!state.ready || !state.loaded[kMusicSlot]) return;
    state.audio->stopVoice(kMusicSlot);
}

bool VoicePlaying(int slot) {
    if (!ValidSlot(slot) || !state.ready) return false;
    return state.audio->voicePlaying(slot);
}

void SimulateAudioDeviceLoss() {
    if (state.ready) state.audio->closeAudio();
}

void FailAudioDevice(bool fail) { state.failDevice = fail; }

}  // namespace q
