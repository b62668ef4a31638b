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

// The back end the sound was started on; it keeps it until released.
const BackendTable* audio = nullptr;
bool effectsEnabled = true;
bool musicEnabled = true;
bool ready = false;       // InitSound succeeded; until then every operation is harmless
bool failDevice = false;
int deviceRate = 0;
int32_t requests[kSoundSlots] = {};
bool loaded[kSoundSlots] = {};
std::vector<int16_t> buffers[kSoundSlots];  // what each voice plays
// The music is the one long sound and is first wanted when a floor starts,
// so it is converted then rather than on the way to the first frame.
bool musicPending = false;

bool ValidSlot(int n) { return n >= 0 && n < kSoundSlots; }

// Parses one WAVE held in the archive into `slot`; the slot is empty on
// failure. The music is only checked, and converted later, unless `now`.
bool LoadWave(const uint8_t* image, uint32_t size, int slot, bool now = false) {
    loaded[slot] = false;
    buffers[slot].clear();
    WaveData wave;
    if (!ParseWave(image, size, &wave) || !WaveSupported(wave)) return false;
    if (slot == kMusicSlot && !now) {
        if (!audio->canPrepareWave(wave, deviceRate)) return false;
        musicPending = true;
        loaded[slot] = true;
        return true;
    }
    if (!audio->prepareWave(wave, deviceRate, &buffers[slot])) return false;
    loaded[slot] = true;
    return true;
}

// The music's samples, made now if they were put off; false when they
// cannot be (the archive entry gone or changed since), leaving it silent.
bool MusicConverted() {
    if (!musicPending) return loaded[kMusicSlot];
    musicPending = false;
    uint32_t size = 0;
    const uint8_t* image = ArchiveEntry(kMusicSlot + kFirstSoundEntry, &size);
    if (!image || !LoadWave(image, size, kMusicSlot, true)) {
        loaded[kMusicSlot] = false;
        return false;
    }
    return true;
}

bool LoadSlotFromArchive(int slot) {
    uint32_t size = 0;
    const uint8_t* image = ArchiveEntry(slot + kFirstSoundEntry, &size);
    if (!image) {
        loaded[slot] = false;
        buffers[slot].clear();
        return false;
    }
    return LoadWave(image, size, slot);
}

// A device that went away is opened again and every buffer made anew for
// its rate; slots that cannot be rebuilt stay silent. Nothing is left playing.
void ReopenLostDevice() {
    audio->closeAudio();
    if (failDevice || !audio->openAudio(&deviceRate)) return;
    for (int slot = 0; slot < kSoundSlots; ++slot)
        if (loaded[slot]) LoadSlotFromArchive(slot);
    audio->startAudio();
}

}  // namespace

void SetEffectsEnabled(bool on) { effectsEnabled = on; }
bool EffectsEnabled() { return effectsEnabled; }
void SetMusicEnabled(bool on) { musicEnabled = on; }
bool MusicEnabled() { return musicEnabled; }

bool InitSound() {
    ReleaseSound();
    audio = &Backend();
    if (failDevice) return false;
    if (!audio->openAudio(&deviceRate)) return false;
    ready = true;
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        if (!LoadSlotFromArchive(slot)) {
            // Nothing half-made survives: the game goes on silently.
            ReleaseSound();
            return false;
        }
    }
    audio->startAudio();
    return true;
}

void ReleaseSound() {
    if (audio) audio->closeAudio();
    musicPending = false;
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        loaded[slot] = false;
        std::vector<int16_t>().swap(buffers[slot]);
    }
    ready = false;
}

void RequestSe(SoundEffect n) {
    if (ValidSlot(n)) requests[n] = 1;
}

bool SoundRequested(int n) { return ValidSlot(n) && requests[n] == 1; }

void ClearSoundRequests() {
    for (int32_t& r : requests) r = 0;
}

void PlayRequestedSounds() {
    for (int n = 0; n < kSoundSlots; ++n)
        if (requests[n] == 1) PlaySe(n);
}

void PlaySe(int n) {
    if (!ValidSlot(n) || !effectsEnabled || !ready || !loaded[n]) return;
    // The request that finds the device gone only brings it back.
    if (audio->audioLost()) {
        ReopenLostDevice();
        return;
    }
    audio->effectPlayed(n);
    audio->startVoice(n, buffers[n], false);
}

void StopAllSe() {
    // With effects switched off the requests stay; nothing plays them anyway.
    if (!effectsEnabled) return;
    ClearSoundRequests();
    if (!ready) return;
    for (int n = 0; n < kMusicSlot; ++n)
        if (loaded[n]) audio->stopVoice(n);
}

void StartBgm() {
    if (!musicEnabled) return;
    StopBgm();
    if (!ready || !loaded[kMusicSlot]) return;
    if (audio->audioLost()) {
        ReopenLostDevice();
        if (audio->audioLost() || !loaded[kMusicSlot]) return;
    }
    if (!MusicConverted()) return;
    audio->startVoice(kMusicSlot, buffers[kMusicSlot], true);
}

void StopBgm() {
    // Deliberately ignores the music switch: switching music off must still stop it.
    if (!ready || !loaded[kMusicSlot]) return;
    audio->stopVoice(kMusicSlot);
}

bool VoicePlaying(int slot) {
    if (!ValidSlot(slot) || !ready) return false;
    return audio->voicePlaying(slot);
}

void SimulateAudioDeviceLoss() {
    if (ready) audio->closeAudio();
}

void FailAudioDevice(bool fail) { failDevice = fail; }

}  // namespace q
