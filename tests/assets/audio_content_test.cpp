#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "assets/audio.hpp"
#include "platform/core/wave.hpp"

namespace q::assets {
namespace {

struct Sound {
    WaveData format;
    std::vector<double> samples;  // full scale 1.0
    double Seconds() const { return static_cast<double>(samples.size()) / format.sampleRate; }
};

// Reads a built WAVE back the way the game does.
Sound Decode(const std::vector<uint8_t>& file) {
    Sound s;
    if (!ParseWave(file.data(), static_cast<uint32_t>(file.size()), &s.format)) return s;
    for (uint32_t i = 0; i + 1 < s.format.dataBytes; i += 2) {
        auto v = static_cast<int16_t>(s.format.data[i] | s.format.data[i + 1] << 8);
        s.samples.push_back(v / 32768.0);
    }
    return s;
}

// Loudness at the loudest 50 ms, in dB below full scale.
double LoudestDb(const Sound& s) {
    const size_t w = s.format.sampleRate / 20;
    double sum = 0, best = 0;
    for (size_t i = 0; i < s.samples.size(); ++i) {
        sum += s.samples[i] * s.samples[i];
        if (i >= w) sum -= s.samples[i - w] * s.samples[i - w];
        best = std::max(best, sum);
    }
    return 10.0 * std::log10(std::max(best, 1e-12) / static_cast<double>(w));
}

double Peak(const Sound& s) {
    double p = 0;
    for (double v : s.samples) p = std::max(p, std::fabs(v));
    return p;
}

const std::vector<Sound>& Effects() {
    static const std::vector<Sound> effects = [] {
        std::vector<Sound> out;
        for (int n = 0; n < kEffectCount; ++n) out.push_back(Decode(BuildEffectWave(n)));
        return out;
    }();
    return effects;
}

TEST(Audio, EveryEffectIsSixteenBitMonoPcmTheGameCanRead) {
    for (int n = 0; n < kEffectCount; ++n) {
        const Sound& s = Effects()[static_cast<size_t>(n)];
        EXPECT_EQ(s.format.formatTag, 1) << "effect " << n;
        EXPECT_EQ(s.format.channels, 1) << "effect " << n;
        EXPECT_EQ(s.format.bitsPerSample, 16) << "effect " << n;
        EXPECT_TRUE(s.format.sampleRate == 22050 || s.format.sampleRate == 44100) << "effect " << n;
        EXPECT_GT(s.samples.size(), 200u) << "effect " << n;
    }
}

TEST(Audio, EffectsAreShortAndBeginAndEndInSilence) {
    for (int n = 0; n < kEffectCount; ++n) {
        const Sound& s = Effects()[static_cast<size_t>(n)];
        ASSERT_FALSE(s.samples.empty()) << "effect " << n;
        EXPECT_LE(s.Seconds(), 2.5) << "effect " << n;
        EXPECT_LT(std::fabs(s.samples.front()), 0.002) << "effect " << n << " starts with a click";
        EXPECT_LT(std::fabs(s.samples.back()), 0.002) << "effect " << n << " ends with a click";
    }
    // The cursor tick answers every key press in the menus: it must be over quickly.
    EXPECT_LE(Effects()[0].Seconds(), 0.15);
    // The clear jingles double as a chaser's arrival, so they stay near a second.
    for (int n : {4, 8, 9}) {
        EXPECT_GE(Effects()[static_cast<size_t>(n)].Seconds(), 0.7) << "effect " << n;
        EXPECT_LE(Effects()[static_cast<size_t>(n)].Seconds(), 1.6) << "effect " << n;
    }
}

TEST(Audio, NoEffectIsStartlinglyLouderThanAnother) {
    double loudest = -100, softest = 0;
    EXPECT_LT(Peak(Effects()[0]), 0.95);
    for (int n = 1; n < kEffectCount; ++n) {
        const Sound& s = Effects()[static_cast<size_t>(n)];
        double db = LoudestDb(s);
        loudest = std::max(loudest, db);
        softest = std::min(softest, db);
        EXPECT_LT(Peak(s), 0.95) << "effect " << n << " nearly clips";
        EXPECT_GT(db, -20.0) << "effect " << n << " is too faint";
    }
    EXPECT_LE(loudest - softest, 4.0);
    // The cursor tick is heard more often than anything else, so it is the
    // softest by a clear step (about 6 dB under the rest, still heard), and
    // round rather than buzzing: a sample-to-sample step much smaller than a
    // square wave's.
    const Sound& cursor = Effects()[0];
    EXPECT_GT(LoudestDb(cursor), -30.0);
    for (int n = 1; n < kEffectCount; ++n)
        EXPECT_LE(LoudestDb(cursor), LoudestDb(Effects()[static_cast<size_t>(n)]) - 5.0) << "effect " << n;
    double largestStep = 0;
    for (size_t i = 1; i < cursor.samples.size(); ++i)
        largestStep = std::max(largestStep, std::fabs(cursor.samples[i] - cursor.samples[i - 1]));
    EXPECT_LT(largestStep, Peak(cursor) / 2) << "the tick jumps like a square wave";
}

TEST(Audio, EachEffectSoundsDifferent) {
    for (int a = 0; a < kEffectCount; ++a) {
        for (int b = a + 1; b < kEffectCount; ++b) {
            EXPECT_NE(Effects()[static_cast<size_t>(a)].samples, Effects()[static_cast<size_t>(b)].samples)
                << a << " and " << b;
        }
    }
}

TEST(Audio, MusicLoopsForAMinuteWithoutASeamOrOffset) {
    Sound m = Decode(BuildMusicWave());
    ASSERT_EQ(m.format.formatTag, 1);
    ASSERT_EQ(m.format.bitsPerSample, 16);
    ASSERT_EQ(m.format.channels, 1);
    EXPECT_GE(m.Seconds(), 60.0);
    EXPECT_LE(m.Seconds(), 120.0);

    double sum = 0;
    for (double v : m.samples) sum += v;
    EXPECT_LT(std::fabs(sum / static_cast<double>(m.samples.size())), 0.001) << "DC offset";

    // Going from the last sample back to the first must be no bigger a step
    // than the music takes from one sample to the next almost everywhere.
    std::vector<double> steps;
    for (size_t i = 1; i < m.samples.size(); ++i) steps.push_back(std::fabs(m.samples[i] - m.samples[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100), steps.end());
    double typicalLargeStep = steps[steps.size() * 99 / 100];
    EXPECT_LE(std::fabs(m.samples.front() - m.samples.back()), typicalLargeStep);

    // The music sits under the effects of play. The cursor tick is the one
    // sound kept softer still: over the music it is heard only in the pause
    // menu, where nothing moves.
    double softestEffect = 0;
    for (int n = 1; n < kEffectCount; ++n) softestEffect = std::min(softestEffect, LoudestDb(Effects()[static_cast<size_t>(n)]));
    EXPECT_LT(LoudestDb(m), softestEffect);
    // An effect playing over the music does not push the mix past full scale.
    for (int n = 0; n < kEffectCount; ++n) {
        EXPECT_LE(Peak(m) + Peak(Effects()[static_cast<size_t>(n)]), 1.0) << "effect " << n;
    }
}

TEST(Audio, BuildingTwiceGivesTheSameBytes) {
    EXPECT_EQ(BuildEffectWave(3), BuildEffectWave(3));
    EXPECT_EQ(BuildEffectWave(7), BuildEffectWave(7));
}

TEST(Audio, AMissingScoreIsAnErrorNotSilence) {
    SetAudioSourceDir("/nonexistent-quorrel-assets");
    EXPECT_ANY_THROW(BuildEffectWave(1));
    EXPECT_ANY_THROW(BuildMusicWave());
    SetAudioSourceDir(QUORREL_ASSET_DIR);
    EXPECT_ANY_THROW(BuildEffectWave(kEffectCount));
    EXPECT_ANY_THROW(BuildEffectWave(-1));
}

}  // namespace
}  // namespace q::assets
