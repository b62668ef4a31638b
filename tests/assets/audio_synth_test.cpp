#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "assets/score.hpp"
#include "assets/synth.hpp"
#include "assets/wave_writer.hpp"
#include "platform/core/wave.hpp"

namespace q::assets {
namespace {

std::vector<double> Render(const std::string& text) {
    return RenderScore(ParseScore(text, "test"));
}

int ZeroCrossings(const std::vector<double>& s, size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < to; ++i) n += (s[i - 1] < 0) != (s[i] < 0);
    return n;
}

TEST(AudioSynth, ANoteRisesFromSilenceAndFallsBackToIt) {
    for (const char* wave : {"sine", "triangle", "square", "saw", "noise"}) {
        auto s = Render(std::string("tempo 120\ninstrument x wave=") + wave + " a=0 r=0 s=100\nx: C5/4\n");
        ASSERT_GT(s.size(), 11025u) << wave;
        EXPECT_EQ(s.front(), 0.0) << wave;
        EXPECT_EQ(s.back(), 0.0) << wave;
        EXPECT_GT(PeakOf(s), 0.5) << wave;
        // Even with no attack or release asked for, no step jumps from or to silence.
        EXPECT_LT(std::fabs(s[1]), 0.1) << wave;
        EXPECT_LT(std::fabs(s[s.size() - 2]), 0.1) << wave;
    }
}

TEST(AudioSynth, PitchIsHeardAtItsFrequency) {
    // One second of A4: 440 cycles, two zero crossings each.
    auto s = Render("tempo 60\ninstrument x wave=sine a=5 s=100\nx: A4/4\n");
    EXPECT_NEAR(ZeroCrossings(s, 0, 22050), 880, 4);
    auto low = Render("tempo 60\ninstrument x wave=square a=5 s=100\nx: A3/4\n");
    EXPECT_NEAR(ZeroCrossings(low, 0, 22050), 440, 4);
}

TEST(AudioSynth, AGlideEndsAtItsLastPitch) {
    auto s = Render("tempo 60\ninstrument x wave=sine a=5 s=100\nx: A5>A4/1\n");
    // The last half second lies close to A4 (at 3.5 .. 4 s the glide is within a semitone).
    int crossings = ZeroCrossings(s, 22050 * 7 / 2, 22050 * 4);
    EXPECT_NEAR(crossings, 440, 30);
    int early = ZeroCrossings(s, 0, 11025);
    EXPECT_GT(early, 700);  // near A5 at the start
}

TEST(AudioSynth, ALoopFoldsRingingTailsOntoItsStart) {
    // One bar; the last note rings for 400 ms past the bar line.
    auto s = Render("tempo 120\nloop 1\ninstrument x wave=sine s=100 r=400\nx: r/2 r/4 A4/4 |\n");
    ASSERT_EQ(s.size(), 44100u);
    EXPECT_GT(PeakOf(std::vector<double>(s.begin(), s.begin() + 2000)), 0.3);
    // Across the seam the signal moves as little as anywhere else.
    double step = std::fabs(s.front() - s.back());
    EXPECT_LT(step, 2 * 3.1416 * 440 / 22050 * 1.05);
}

TEST(AudioSynth, NoiseIsTheSameEveryTime) {
    const std::string score = "instrument x wave=noise\nx: C6/8 C6\n";
    auto a = Render(score);
    auto b = Render(score);
    EXPECT_EQ(a, b);
    EXPECT_GT(ZeroCrossings(a, 0, a.size()), 200);
}

TEST(AudioSynth, LevelsMeetTheTargetUnlessThePeakWouldClip) {
    std::vector<double> quiet(4000, 0.0);
    for (size_t i = 0; i < quiet.size(); ++i) quiet[i] = 0.01 * std::sin(static_cast<double>(i) * 0.2);
    NormaliseLevel(quiet, 1000, 0.2, 0.9);
    EXPECT_NEAR(WindowedRms(quiet, 1000), 0.2, 0.005);

    std::vector<double> spiky(4000, 0.0);
    spiky[100] = 0.5;
    NormaliseLevel(spiky, 1000, 0.2, 0.9);
    EXPECT_NEAR(PeakOf(spiky), 0.9, 1e-9);
}

TEST(AudioSynth, PcmConversionRoundsAndClamps) {
    auto pcm = ToPcm16({0.0, 0.5, -0.5, 1.5, -1.5, 1e-6});
    EXPECT_EQ(pcm, (std::vector<int16_t>{0, 16384, -16384, 32767, -32768, 0}));
}

TEST(AudioSynth, WaveFilesReadBackThroughTheGamesParser) {
    std::vector<int16_t> samples = {0, 1000, -1000, 32767, -32768};
    auto file = WriteWave16Mono(samples, 22050);
    ASSERT_EQ(file.size(), 44u + 10u);
    WaveData w;
    ASSERT_TRUE(ParseWave(file.data(), static_cast<uint32_t>(file.size()), &w));
    EXPECT_EQ(w.formatTag, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.sampleRate, 22050u);
    EXPECT_EQ(w.bitsPerSample, 16);
    ASSERT_EQ(w.dataBytes, 10u);
    EXPECT_EQ(static_cast<int16_t>(w.data[6] | w.data[7] << 8), 32767);
    // The RIFF length counts everything after its own field.
    EXPECT_EQ(file[4] | file[5] << 8 | file[6] << 16 | file[7] << 24, static_cast<int>(file.size()) - 8);
}

}  // namespace
}  // namespace q::assets
