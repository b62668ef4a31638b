#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/core/archive.hpp"
#include "platform/backend.hpp"
#include "platform/platform_helpers.hpp"
#include "platform/sound.hpp"
#include "platform/sdl/sound_mixer.hpp"
#include "platform/test_hooks.hpp"

namespace q {
namespace {

using namespace testdata;

std::vector<Bytes> SoundEntries() {
    std::vector<Bytes> entries{EncodePng(PatternPicture(4, 4))};
    for (int i = 0; i < 12; ++i) entries.push_back(SimpleWave(22050, 40 + i));
    return entries;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        SelectBackend(BackendKind::Headless);
        SetEffectsEnabled(true);
        SetMusicEnabled(true);
        FailAudioDevice(false);
        headless::TakePlayedSounds();
    }
    void TearDown() override {
        ReleaseSound();
        FreeArchive();
        FailAudioDevice(false);
        ClearSoundRequests();
        SetEffectsEnabled(true);
        SetMusicEnabled(true);
        SelectBackend(BackendKind::Sdl);
        std::remove(path.c_str());
    }
    bool LoadEntries(const std::vector<Bytes>& entries) {
        path = WriteTemp("sound.dat", DataDat(entries));
        return LoadArchive(path.c_str());
    }
    // One frame's update: requests cleared, the scene asks, requests played.
    template <typename Update>
    std::vector<int> Frame(Update update) {
        ClearSoundRequests();
        update();
        PlayRequestedSounds();
        return headless::TakePlayedSounds();
    }
    std::string path;
};

TEST_F(SoundTest, ASoundRequestedTwiceInAFramePlaysOnce) {
    ASSERT_TRUE(LoadEntries(SoundEntries()));
    ASSERT_TRUE(InitSound());
    EXPECT_EQ(Frame([] {
                  RequestSe(SE_SQUASHED);
                  RequestSe(SE_SQUASHED);
              }),
              std::vector<int>{3});
}

TEST_F(SoundTest, RequestedSoundsPlayInAscendingOrderAndOnlyInTheirFrame) {
    ASSERT_TRUE(LoadEntries(SoundEntries()));
    ASSERT_TRUE(InitSound());
    EXPECT_EQ(Frame([] {
                  RequestSe(SE_ASLEEP);
                  RequestSe(SE_CURSOR);
                  RequestSe(SE_PAUSE);
              }),
              (std::vector<int>{0, 7, 10}));
    EXPECT_EQ(Frame([] {}), std::vector<int>{});
    // A request raised before the update (in the draw) is cleared unheard.
    RequestSe(SE_CLEAR_FIRST);
    EXPECT_EQ(Frame([] {}), std::vector<int>{});
}

TEST_F(SoundTest, EffectsSwitchedOffPlayNothingAndStopAllLeavesRequests) {
    ASSERT_TRUE(LoadEntries(SoundEntries()));
    ASSERT_TRUE(InitSound());
    SetEffectsEnabled(false);
    EXPECT_EQ(Frame([] {
                  RequestSe(SE_FLOOR_FAILED);
                  StopAllSe();
                  EXPECT_TRUE(SoundRequested(2));
              }),
              std::vector<int>{});
    SetEffectsEnabled(true);
    EXPECT_EQ(Frame([] {
                  RequestSe(SE_FLOOR_FAILED);
                  StopAllSe();
                  EXPECT_FALSE(SoundRequested(2));
              }),
              std::vector<int>{});
}

TEST_F(SoundTest, StopAllSilencesEffectsButLeavesTheMusic) {
    ASSERT_TRUE(LoadEntries(SoundEntries()));
    ASSERT_TRUE(InitSound());
    StartBgm();
    PlaySe(1);
    PlaySe(5);
    EXPECT_TRUE(VoicePlaying(5));
    StopAllSe();
    EXPECT_FALSE(VoicePlaying(1));
    EXPECT_FALSE(VoicePlaying(5));
    EXPECT_TRUE(VoicePlaying(kMusicSlot));
}

TEST_F(SoundTest, MusicSwitchedOffDoesNotStartButStopBgmStillStops) {
    ASSERT_TRUE(LoadEntries(SoundEntries()));
    ASSERT_TRUE(InitSound());
    StartBgm();
    ASSERT_TRUE(VoicePlaying(kMusicSlot));
    SetMusicEnabled(false);
    StopBgm();
    EXPECT_FALSE(VoicePlaying(kMusicSlot));
    StartBgm();
    EXPECT_FALSE(VoicePlaying(kMusicSlot));
    // Playing music is not played through the effect log.
    EXPECT_EQ(headless::TakePlayedSounds(), std::vector<int>{});
}

TEST_F(SoundTest, ABrokenSoundEntryMeansNoSoundAndEveryOperationIsHarmless) {
    std::vector<Bytes> entries = SoundEntries();
    entries[6] = Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0};
    ASSERT_TRUE(LoadEntries(entries));
    EXPECT_FALSE(InitSound());
    EXPECT_EQ(Frame([] {
                  RequestSe(SE_CURSOR);
                  RequestSe(SE_LIFT);
                  StartBgm();
                  StopBgm();
                  StopAllSe();
              }),
              std::vector<int>{});
    EXPECT_FALSE(VoicePlaying(kMusicSlot));
    ReleaseSound();
    ReleaseSound();
}

TEST_F(SoundTest, AFormatNoPlayerTakesIsASoundError) {
    std::vector<Bytes> entries = SoundEntries();
    entries[12] = Riff({Chunk("fmt ", FormatBody(1, 22050, 24)), Chunk("data", Bytes(6, 0))});
    ASSERT_TRUE(LoadEntries(entries));
    EXPECT_FALSE(InitSound());
}

TEST_F(SoundTest, NoAudioDeviceIsASoundError) {
    ASSERT_TRUE(LoadEntries(SoundEntries()));
    FailAudioDevice(true);
    EXPECT_FALSE(InitSound());
    EXPECT_EQ(Frame([] { RequestSe(SE_PICKUP); }), std::vector<int>{});
    FailAudioDevice(false);
    EXPECT_TRUE(InitSound());
}

TEST_F(SoundTest, EightBitAndStereoSoundsLoad) {
    std::vector<Bytes> entries = SoundEntries();
    entries[1] = Riff({Chunk("fmt ", FormatBody(1, 11025, 8)), Chunk("data", Bytes{1, 2, 3})});
    entries[2] = Riff({Chunk("fmt ", FormatBody(2, 48000, 16)), Chunk("data", Samples16({1, 2, 3, 4}))});
    ASSERT_TRUE(LoadEntries(entries));
    EXPECT_TRUE(InitSound());
}

// The mixer itself, fed by hand.
TEST(SoundMixerTest, VoicesAreSummedClippedAndStopAtTheirEnd) {
    const std::vector<int16_t> a{1000, -1000, 30000, -30000, 5, 6};
    const std::vector<int16_t> b{500, 500, 10000, -10000};
    mixer::Voice voices[2];
    voices[0] = {a.data(), 3, 0, true, false};
    voices[1] = {b.data(), 2, 0, true, false};
    std::vector<int16_t> out(8, 77);
    mixer::Mix(voices, 2, out.data(), 4);
    EXPECT_EQ(out, (std::vector<int16_t>{1500, -500, 32767, -32768, 5, 6, 0, 0}));
    EXPECT_FALSE(voices[0].playing);
    EXPECT_FALSE(voices[1].playing);
}

TEST(SoundMixerTest, ALoopingVoiceStartsOverAndARestartedVoicePlaysFromTheStart) {
    const std::vector<int16_t> s{1, 1, 2, 2, 3, 3};
    mixer::Voice v{s.data(), 3, 0, true, true};
    std::vector<int16_t> out(14);
    mixer::Mix(&v, 1, out.data(), 7);
    EXPECT_EQ(out, (std::vector<int16_t>{1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3, 1, 1}));
    EXPECT_TRUE(v.playing);

    mixer::Voice once{s.data(), 3, 0, true, false};
    std::vector<int16_t> two(4);
    mixer::Mix(&once, 1, two.data(), 2);
    once.position = 0;  // what playing it again does
    mixer::Mix(&once, 1, two.data(), 2);
    EXPECT_EQ(two, (std::vector<int16_t>{1, 1, 2, 2}));
}

TEST(SoundMixerTest, LongStretchesAreMixedInFull) {
    std::vector<int16_t> s(2 * 1000);
    for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(i);
    mixer::Voice v{s.data(), 1000, 0, true, false};
    std::vector<int16_t> out(2 * 1200, -1);
    mixer::Mix(&v, 1, out.data(), 1200);
    for (size_t i = 0; i < s.size(); ++i) ASSERT_EQ(out[i], s[i]) << i;
    for (size_t i = s.size(); i < out.size(); ++i) ASSERT_EQ(out[i], 0) << i;
}

// The real device path, on SDL's silent "dummy" audio driver.
TEST_F(SoundTest, TheSdlDeviceOpensMixesAndReleases) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SelectBackend(BackendKind::Sdl);
    ASSERT_TRUE(LoadEntries(SoundEntries()));
    ASSERT_TRUE(InitSound());
    StartBgm();
    EXPECT_TRUE(VoicePlaying(kMusicSlot));
    SetMusicEnabled(false);
    StopBgm();
    EXPECT_FALSE(VoicePlaying(kMusicSlot));
    PlaySe(4);
    StopAllSe();
    EXPECT_FALSE(VoicePlaying(4));
    ReleaseSound();
    EXPECT_FALSE(VoicePlaying(4));
    FailAudioDevice(true);
    EXPECT_FALSE(InitSound());
}

TEST_F(SoundTest, ALostSdlDeviceIsReopenedByTheNextPlayWhichItselfStaysSilent) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SelectBackend(BackendKind::Sdl);
    std::vector<Bytes> entries = SoundEntries();
    entries[4] = SimpleWave(22050, 22050 * 4);  // long enough to be still sounding when asked
    ASSERT_TRUE(LoadEntries(entries));
    ASSERT_TRUE(InitSound());
    StartBgm();
    SimulateAudioDeviceLoss();
    EXPECT_FALSE(VoicePlaying(kMusicSlot));
    PlaySe(3);
    EXPECT_FALSE(VoicePlaying(3));
    PlaySe(3);
    EXPECT_TRUE(VoicePlaying(3));
    // Music started after a loss brings the device back and plays at once.
    SimulateAudioDeviceLoss();
    StartBgm();
    EXPECT_TRUE(VoicePlaying(kMusicSlot));
}

}  // namespace
}  // namespace q
