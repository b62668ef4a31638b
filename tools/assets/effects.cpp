#include <cmath>

#include "assets/audio.hpp"
#include "assets/score.hpp"
#include "assets/synth.hpp"
#include "assets/wave_writer.hpp"

namespace q::assets {
namespace {

// Every effect is brought to the same loudness at its loudest 50 ms, so a
// short tick and a long jingle sit at one level; a score may ask for less.
constexpr double kEffectLevelDb = -14.0;
constexpr double kEffectWindowMs = 50.0;
// With the music's own peak limit this leaves one effect over the music
// without clipping in the mixer.
constexpr double kEffectPeakLimit = 0.63;

}  // namespace

std::vector<uint8_t> BuildEffectWave(int effect) {
    Score score = LoadScore(EffectScorePath(effect));
    std::vector<double> signal = RenderScore(score);
    double db = score.hasLevel ? score.levelDb : kEffectLevelDb;
    auto window = static_cast<int64_t>(kEffectWindowMs * score.sampleRate / 1000.0);
    NormaliseLevel(signal, window, std::pow(10.0, db / 20.0), kEffectPeakLimit);
    return WriteWave16Mono(ToPcm16(signal), static_cast<uint32_t>(score.sampleRate));
}

}  // namespace q::assets
