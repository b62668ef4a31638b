// Sound effects and music: requests raised during a frame's update, played
// once each at its end. The SDL back end mixes twelve voices on an audio
// device; the headless one keeps a log of what was played.
#include "platform/sound.hpp"

#include <vector>

#include "platform/archive.hpp"
#include "platform/backend.hpp"
#include "platform/settings.hpp"
#include "platform/sound_convert.hpp"
#include "platform/sound_mixer.hpp"
#include "platform/wave.hpp"

namespace q {

namespace {

// Slot n holds archive entry n + 1.
constexpr int kFirstSoundEntry = 1;

bool ready = false;       // InitSound succeeded; until then every operation is harmless
bool headlessSound = false;
bool failDevice = false;
int deviceRate = 0;
int32_t requests[kSoundSlots] = {};
bool loaded[kSoundSlots] = {};
std::vector<int16_t> buffers[kSoundSlots];  // stereo at deviceRate (SDL back end only)
bool headlessPlaying[kSoundSlots] = {};
std::vector<int> playedLog;

bool ValidSlot(int n) { return n >= 0 && n < kSoundSlots; }

// Parses one WAVE held in the archive into `slot`; the slot is empty on failure.
bool LoadWave(const uint8_t* image, uint32_t size, int slot) {
    loaded[slot] = false;
    buffers[slot].clear();
    WaveData wave;
    if (!ParseWave(image, size, &wave) || !WaveSupported(wave)) return false;
    if (!headlessSound && !ConvertWave(wave, deviceRate, &buffers[slot])) return false;
    loaded[slot] = true;
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

void StartVoice(int slot, bool looping) {
    if (headlessSound) {
        headlessPlaying[slot] = true;
        return;
    }
    mixer::Lock();
    mixer::Voice& v = mixer::Voices()[slot];
    v.samples = buffers[slot].data();
    v.frames = uint32_t(buffers[slot].size() / 2);
    v.position = 0;
    v.looping = looping;
    v.playing = true;
    mixer::Unlock();
}

void StopVoice(int slot) {
    if (headlessSound) {
        headlessPlaying[slot] = false;
        return;
    }
    mixer::Lock();
    mixer::Voices()[slot].playing = false;
    mixer::Voices()[slot].position = 0;
    mixer::Unlock();
}

// A device that went away is opened again and every buffer made anew for
// its rate; slots that cannot be rebuilt stay silent. Nothing is left playing.
void ReopenLostDevice() {
    mixer::Close();
    if (failDevice || !mixer::Open(&deviceRate)) return;
    for (int slot = 0; slot < kSoundSlots; ++slot)
        if (loaded[slot]) LoadSlotFromArchive(slot);
    mixer::Start();
}

}  // namespace

bool InitSound() {
    ReleaseSound();
    headlessSound = ActiveBackend() == BackendKind::Headless;
    if (failDevice) return false;
    if (!headlessSound && !mixer::Open(&deviceRate)) return false;
    ready = true;
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        if (!LoadSlotFromArchive(slot)) {
            // Nothing half-made survives: the game goes on silently.
            ReleaseSound();
            return false;
        }
    }
    if (!headlessSound) mixer::Start();
    return true;
}

void ReleaseSound() {
    mixer::Close();
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        loaded[slot] = false;
        headlessPlaying[slot] = false;
        std::vector<int16_t>().swap(buffers[slot]);
    }
    ready = false;
}

void RequestSe(int n) {
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
    if (!ValidSlot(n) || SeEnabled == 0 || !ready || !loaded[n]) return;
    if (headlessSound) {
        playedLog.push_back(n);
        StartVoice(n, false);
        return;
    }
    // The request that finds the device gone only brings it back.
    if (mixer::Lost()) {
        ReopenLostDevice();
        return;
    }
    StartVoice(n, false);
}

void StopAllSe() {
    // With effects switched off the requests stay; nothing plays them anyway.
    if (SeEnabled == 0) return;
    ClearSoundRequests();
    if (!ready) return;
    for (int n = 0; n < kMusicSlot; ++n)
        if (loaded[n]) StopVoice(n);
}

void StartBgm() {
    if (BgmEnabled == 0) return;
    StopBgm();
    if (!ready || !loaded[kMusicSlot]) return;
    if (!headlessSound && mixer::Lost()) {
        ReopenLostDevice();
        if (!mixer::IsOpen() || !loaded[kMusicSlot]) return;
    }
    StartVoice(kMusicSlot, true);
}

void StopBgm() {
    // Deliberately ignores BgmEnabled: switching music off must still stop it.
    if (!ready || !loaded[kMusicSlot]) return;
    StopVoice(kMusicSlot);
}

bool VoicePlaying(int slot) {
    if (!ValidSlot(slot) || !ready) return false;
    if (headlessSound) return headlessPlaying[slot];
    mixer::Lock();
    const bool playing = mixer::Voices()[slot].playing;
    mixer::Unlock();
    return playing;
}

void SimulateAudioDeviceLoss() {
    if (ready && !headlessSound) mixer::Close();
}

namespace headless {

std::vector<int> TakePlayedSounds() {
    std::vector<int> out;
    out.swap(playedLog);
    return out;
}

void FailAudioDevice(bool fail) { failDevice = fail; }

}  // namespace headless

}  // namespace q
