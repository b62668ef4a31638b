// The headless back end's sound: no device and no samples; voices are only
// marked playing, and every effect played is kept in a log for the caller.
#include "platform/headless/headless.hpp"
#include "platform/headless/stand_ins.hpp"

namespace q::headless {

bool OpenAudio(int* rate) {
    *rate = 0;
    return true;
}

void CloseAudio() { Machine().voicePlaying.fill(false); }

bool PrepareWave(const WaveData&, int, std::vector<int16_t>* samples) {
    samples->clear();
    return true;
}

void StartVoice(int slot, const std::vector<int16_t>&, bool) { Machine().voicePlaying[size_t(slot)] = true; }
void StopVoice(int slot) { Machine().voicePlaying[size_t(slot)] = false; }
bool VoicePlaying(int slot) { return Machine().voicePlaying[size_t(slot)]; }
void EffectPlayed(int effect) { Machine().playedLog.push_back(effect); }

std::vector<int> TakePlayedSounds() {
    std::vector<int> out;
    out.swap(Machine().playedLog);
    return out;
}

}  // namespace q::headless
