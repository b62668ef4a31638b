#include <gtest/gtest.h>

#include "platform/platform_helpers.hpp"
#include "platform/core/sound_convert.hpp"
#include "platform/core/wave.hpp"

namespace q {
namespace {

using namespace testdata;

// Parses from a buffer of exactly the file's size, so that any read past the
// end is caught by the address sanitizer.
bool Parse(const Bytes& file, WaveData* out) {
    std::vector<uint8_t> exact(file.begin(), file.end());
    const bool ok = ParseWave(exact.data(), uint32_t(exact.size()), out);
    if (ok) out->data = file.data() + (out->data - exact.data());  // keep pointing at live bytes
    return ok;
}

const Bytes kFourSamples = Samples16({100, -200, 300, -400});

TEST(WaveTest, APlainPcmFileGivesItsFormatAndData) {
    const Bytes file = Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", kFourSamples)});
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    EXPECT_EQ(w.formatTag, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.sampleRate, 22050u);
    EXPECT_EQ(w.bitsPerSample, 16);
    EXPECT_EQ(w.dataBytes, 8u);
    EXPECT_EQ(w.data, file.data() + 12 + 24 + 8);
}

TEST(WaveTest, AListChunkBetweenFormatAndDataIsSkipped) {
    const Bytes file = Riff({Chunk("fmt ", FormatBody(2, 44100, 16)), Chunk("LIST", Bytes(26, 'x')),
                             Chunk("data", kFourSamples)});
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    EXPECT_EQ(w.channels, 2);
    EXPECT_EQ(w.dataBytes, 8u);
    EXPECT_EQ(Bytes(w.data, w.data + 8), kFourSamples);
}

TEST(WaveTest, AnOddLengthChunkIsFollowedByItsPadByte) {
    const Bytes file = Riff({Chunk("fmt ", FormatBody(1, 8000, 8)), Chunk("note", Bytes(5, 'n')),
                             Chunk("data", Bytes{1, 2, 3})});
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    EXPECT_EQ(w.bitsPerSample, 8);
    EXPECT_EQ(Bytes(w.data, w.data + w.dataBytes), (Bytes{1, 2, 3}));
}

TEST(WaveTest, AnEmptyFirstDataChunkGivesWayToTheNextOne) {
    const Bytes file = Riff({Chunk("fmt ", FormatBody(1, 11025, 16)), Chunk("data", Bytes{}),
                             Chunk("data", kFourSamples), Chunk("data", Samples16({7}))});
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    EXPECT_EQ(Bytes(w.data, w.data + w.dataBytes), kFourSamples);
}

TEST(WaveTest, TheFormatMayFollowTheDataAndOnlyTheFirstFormatCounts) {
    const Bytes file = Riff({Chunk("data", kFourSamples), Chunk("fmt ", FormatBody(2, 32000, 16)),
                             Chunk("fmt ", FormatBody(1, 8000, 8))});
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    EXPECT_EQ(w.sampleRate, 32000u);
    EXPECT_EQ(w.channels, 2);
}

TEST(WaveTest, AFormatChunkShorterThanFourteenBytesFails) {
    Bytes shortFormat = FormatBody(1, 22050, 16);
    shortFormat.resize(12);
    WaveData w;
    EXPECT_FALSE(Parse(Riff({Chunk("fmt ", shortFormat), Chunk("data", kFourSamples)}), &w));
    // Fourteen bytes are accepted by the walk, but without bits per sample no
    // player can use the sound.
    shortFormat = FormatBody(1, 22050, 16);
    shortFormat.resize(14);
    ASSERT_TRUE(Parse(Riff({Chunk("fmt ", shortFormat), Chunk("data", kFourSamples)}), &w));
    EXPECT_FALSE(WaveSupported(w));
}

TEST(WaveTest, FilesWithoutBothChunksOrWithoutTheRiffHeaderFail) {
    WaveData w;
    EXPECT_FALSE(Parse(Riff({Chunk("fmt ", FormatBody(1, 22050, 16))}), &w));
    EXPECT_FALSE(Parse(Riff({Chunk("data", kFourSamples)}), &w));
    EXPECT_FALSE(Parse(Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", Bytes{})}), &w));
    Bytes notRiff = Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", kFourSamples)});
    notRiff[0] = 'X';
    EXPECT_FALSE(Parse(notRiff, &w));
    Bytes notWave = Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", kFourSamples)});
    notWave[8] = 'X';
    EXPECT_FALSE(Parse(notWave, &w));
    EXPECT_FALSE(Parse(Bytes{'R', 'I', 'F', 'F'}, &w));
    EXPECT_FALSE(ParseWave(nullptr, 0, &w));
}

TEST(WaveTest, ARiffLengthPastTheEntryIsReadOnlyAsFarAsTheBytesGo) {
    const std::vector<Bytes> chunks{Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", kFourSamples)};
    WaveData w;
    ASSERT_TRUE(Parse(Riff(chunks, 100000), &w));
    EXPECT_EQ(w.dataBytes, 8u);
    // Without a data chunk the walk reaches the end of the bytes and fails.
    EXPECT_FALSE(Parse(Riff({chunks[0], Chunk("LIST", Bytes(6, 0))}, 100000), &w));
}

TEST(WaveTest, ChunksThatClaimMoreThanTheFileHoldsAreCutToTheBytesPresent) {
    // A data chunk claiming 1000 bytes with only 8 present keeps the 8.
    Bytes file = Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", kFourSamples)});
    file[12 + 24 + 4] = 0xE8;
    file[12 + 24 + 5] = 0x03;
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    EXPECT_EQ(w.dataBytes, 8u);
    // A format chunk cut off inside its fields fails rather than reading on.
    Bytes cut = Riff({Chunk("fmt ", FormatBody(1, 22050, 16))});
    cut.resize(12 + 8 + 10);
    EXPECT_FALSE(Parse(cut, &w));
    // A chunk length near 4 GB must not wrap the walk back into the file.
    Bytes huge = Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("junk", Bytes(4, 0)),
                       Chunk("data", kFourSamples)});
    for (int i = 0; i < 4; ++i) huge[12 + 24 + 4 + i] = 0xFF;
    EXPECT_FALSE(Parse(huge, &w));
}

TEST(WaveTest, EightBitSamplesAreUnsignedAndBecomeSixteenBitStereo) {
    const Bytes file = Riff({Chunk("fmt ", FormatBody(1, 44100, 8)), Chunk("data", Bytes{0, 128, 255})});
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    std::vector<int16_t> out;
    ASSERT_TRUE(ConvertWave(w, 44100, &out));
    EXPECT_EQ(out, (std::vector<int16_t>{-32768, -32768, 0, 0, 32512, 32512}));
}

TEST(WaveTest, StereoKeepsItsChannelsAndMonoIsHeardOnBoth) {
    const Bytes stereo = Riff({Chunk("fmt ", FormatBody(2, 22050, 16)), Chunk("data", Samples16({1000, -1000, 2000, -2000}))});
    WaveData w;
    ASSERT_TRUE(Parse(stereo, &w));
    std::vector<int16_t> out;
    ASSERT_TRUE(ConvertWave(w, 22050, &out));
    EXPECT_EQ(out, (std::vector<int16_t>{1000, -1000, 2000, -2000}));

    const Bytes mono = Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", Samples16({1000, 2000, 3000}))});
    ASSERT_TRUE(Parse(mono, &w));
    ASSERT_TRUE(ConvertWave(w, 22050, &out));
    EXPECT_EQ(out, (std::vector<int16_t>{1000, 1000, 2000, 2000, 3000, 3000}));
}

TEST(WaveTest, AnyRateIsResampledToTheDeviceRateInterpolatingBetweenSamples) {
    const Bytes file = Riff({Chunk("fmt ", FormatBody(1, 22050, 16)), Chunk("data", Samples16({0, 1000, 2000, 3000}))});
    WaveData w;
    ASSERT_TRUE(Parse(file, &w));
    std::vector<int16_t> out;
    ASSERT_TRUE(ConvertWave(w, 44100, &out));
    ASSERT_EQ(out.size(), 16u);  // twice the frames, two channels each
    const int16_t expected[8] = {0, 500, 1000, 1500, 2000, 2500, 3000, 3000};
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(out[i * 2], expected[i], 1) << "frame " << i;

    ASSERT_TRUE(ConvertWave(w, 11025, &out));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[2], 2000);
}

TEST(WaveTest, FormatsNoPlayerTakesAreRefused) {
    WaveData w;
    std::vector<int16_t> out;
    ASSERT_TRUE(Parse(Riff({Chunk("fmt ", FormatBody(1, 22050, 24)), Chunk("data", Bytes(6, 0))}), &w));
    EXPECT_FALSE(ConvertWave(w, 44100, &out));
    ASSERT_TRUE(Parse(Riff({Chunk("fmt ", FormatBody(3, 22050, 16)), Chunk("data", Bytes(6, 0))}), &w));
    EXPECT_FALSE(ConvertWave(w, 44100, &out));
    ASSERT_TRUE(Parse(Riff({Chunk("fmt ", FormatBody(1, 22050, 16, 2)), Chunk("data", Bytes(6, 0))}), &w));
    EXPECT_FALSE(WaveSupported(w));
    ASSERT_TRUE(Parse(Riff({Chunk("fmt ", FormatBody(1, 0, 16)), Chunk("data", Bytes(6, 0))}), &w));
    EXPECT_FALSE(ConvertWave(w, 44100, &out));
}

}  // namespace
}  // namespace q
