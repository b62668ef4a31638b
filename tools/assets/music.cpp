#include <cmath>

#include "assets/audio.hpp"
#include "assets/score.hpp"
#include "assets/synth.hpp"
#include "assets/wave_writer.hpp"

namespace q::assets {
namespace {

// The music sits below the effects so they read clearly over it, and its
// peaks leave room for one effect on top.
constexpr double kMusicLevelDb = -18.0;
constexpr double kMusicWindowMs = 50.0;
constexpr double kMusicPeakLimit = 0.36;

}  // namespace

std::vector<uint8_t> BuildMusicWave() {
    Score score = LoadScore(MusicScorePath());
    if (score.loopSamples <= 0) throw ScoreError(MusicScorePath() + ": the music must declare its loop");
    std::vector<double> signal = RenderScore(score);
    // The loop has no start or end: the mean is the only offset to remove,
    // and removing a constant keeps the seam continuous.
    RemoveDc(signal);
    double db = score.hasLevel ? score.levelDb : kMusicLevelDb;
    auto window = static_cast<int64_t>(kMusicWindowMs * score.sampleRate / 1000.0);
    NormaliseLevel(signal, window, std::pow(10.0, db / 20.0), kMusicPeakLimit);
    return WriteWave16Mono(ToPcm16(signal), static_cast<uint32_t>(score.sampleRate));
}

}  // namespace q::assets
