// The headless back end's sound: no device and no samples; voices are only
// marked playing, and every effect played is kept in a log for the caller.
#include <vector>

#include "platform/backend.hpp"
#include "platform/backend_table.hpp"
#include "platform/sound.hpp"

namespace q::headless {

namespace {
bool playing[kSoundSlots] = {};
std::vector<int> playedLog;
}  // namespace

bool OpenAudio(int* rate) {
    *rate = 0;
    return true;
}

void CloseAudio() {
    for (bool& p : playing) p = false;
}

bool PrepareWave(const WaveData&, int, std::vector<int16_t>* samples) {
    samples->clear();
    return true;
}

void StartVoice(int slot, const std::vector<int16_t>&, bool) { playing[slot] = true; }
void StopVoice(int slot) { playing[slot] = false; }
bool VoicePlaying(int slot) { return playing[slot]; }
void EffectPlayed(int effect) { playedLog.push_back(effect); }

std::vector<int> TakePlayedSounds() {
    std::vector<int> out;
    out.swap(playedLog);
    return out;
}

}  // namespace q::headless
