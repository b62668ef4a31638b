#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "assets/score.hpp"

namespace q::assets {
namespace {

Score Parse(const std::string& text) {
    return ParseScore(text, "test");
}

std::string ErrorOf(const std::string& text) {
    try {
        Parse(text);
    } catch (const ScoreError& e) {
        return e.what();
    }
    return "";
}

const std::string kHeader = "rate 22050\ntempo 120\ninstrument x\n";

TEST(AudioScore, DurationsFollowTheTempoAndStayInForce) {
    // At 120 quarters a minute a whole note lasts two seconds.
    Score s = Parse(kHeader + "x: C4/8. D4/16 E4 F4/2\n");
    ASSERT_EQ(s.notes.size(), 4u);
    EXPECT_EQ(s.notes[0].start, 0);
    EXPECT_EQ(s.notes[0].length, std::lround(0.375 * 22050));  // a dotted eighth
    EXPECT_EQ(s.notes[1].start, s.notes[0].length);
    EXPECT_EQ(s.notes[2].length, s.notes[1].length);  // the sixteenth carries on to E4
    EXPECT_EQ(s.notes[3].start, std::lround(0.625 * 22050));
    EXPECT_EQ(s.notes[3].length, 22050);
}

TEST(AudioScore, RestsTakeTimeAndMultipliersLengthenNotes) {
    Score s = Parse(kHeader + "x: r/4 C4/16*3 r/1*2 D4\n");
    ASSERT_EQ(s.notes.size(), 2u);
    EXPECT_EQ(s.notes[0].start, std::lround(0.5 * 22050));
    EXPECT_EQ(s.notes[0].length, std::lround(0.375 * 22050));
    EXPECT_EQ(s.notes[1].start, std::lround((0.5 + 0.375 + 4.0) * 22050));
}

TEST(AudioScore, PitchesChordsAndGlides) {
    Score s = Parse(kHeader + "x: A4 C4+E4+G4 F#4>Bb3>C5 c5\n");
    ASSERT_EQ(s.notes.size(), 6u);
    EXPECT_EQ(s.notes[0].path, std::vector<double>{69});
    // The three notes of a chord start together.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(s.notes[static_cast<size_t>(i)].start, s.notes[1].start);
    EXPECT_EQ(s.notes[1].path[0], 60);
    EXPECT_EQ(s.notes[2].path[0], 64);
    EXPECT_EQ(s.notes[3].path[0], 67);
    EXPECT_EQ(s.notes[4].path, (std::vector<double>{66, 58, 72}));
    EXPECT_EQ(s.notes[5].path[0], 72);
}

TEST(AudioScore, PatternsPlayTransposedAndRepeated) {
    Score s = Parse(kHeader + "pattern riff: C4/8 E4\npattern riff: G4\nx: @riff^5*2 v50 @riff\n");
    ASSERT_EQ(s.notes.size(), 9u);
    EXPECT_EQ(s.notes[0].path[0], 65);
    EXPECT_EQ(s.notes[2].path[0], 72);
    EXPECT_EQ(s.notes[3].path[0], 65);
    EXPECT_EQ(s.notes[6].path[0], 60);
    EXPECT_DOUBLE_EQ(s.notes[5].velocity, 1.0);
    EXPECT_DOUBLE_EQ(s.notes[6].velocity, 0.5);
    EXPECT_EQ(s.notes[8].start, 2 * 22050);  // eight eighths: two seconds
}

TEST(AudioScore, SharpsAreNotCommentsButSpacedHashesAre) {
    Score s = Parse("# a comment line\n" + kHeader + "x: F#4 G#4 # two notes, no more\n");
    ASSERT_EQ(s.notes.size(), 2u);
    EXPECT_EQ(s.notes[1].path[0], 68);
}

TEST(AudioScore, LoopMeasuresBarsInSamples) {
    Score s = Parse("rate 22050\ntempo 126\nmeter 4\nloop 2\ninstrument x\nx: C4/1 | D4/1 |\n");
    // 126 quarters a minute: 10500 samples a quarter, 42000 a bar.
    EXPECT_EQ(s.loopSamples, 84000);
    EXPECT_EQ(s.notes[1].start, 42000);
}

TEST(AudioScore, MistakesAreReportedWithTheirLine) {
    EXPECT_NE(ErrorOf(kHeader + "x: C4/4 |\n").find("test:4:"), std::string::npos) << "a bar line inside a bar";
    EXPECT_NE(ErrorOf(kHeader + "y: C4\n").find("unknown instrument"), std::string::npos);
    EXPECT_NE(ErrorOf(kHeader + "x: @nothing\n").find("unknown pattern"), std::string::npos);
    EXPECT_NE(ErrorOf(kHeader + "pattern p: @p\nx: @p\n").find("nested too deeply"), std::string::npos);
    EXPECT_NE(ErrorOf(kHeader + "x: H4\n").find("bad pitch"), std::string::npos);
    EXPECT_NE(ErrorOf(kHeader + "x: C\n").find("no octave"), std::string::npos);
    EXPECT_NE(ErrorOf(kHeader + "x: C4/7\n").find("tick grid"), std::string::npos);
    EXPECT_NE(ErrorOf(kHeader + "x: C4>\n").find("no end"), std::string::npos);
    EXPECT_NE(ErrorOf("instrument x wave=organ\nx: C4\n").find("unknown wave"), std::string::npos);
    EXPECT_NE(ErrorOf("instrument x\n").find("no notes"), std::string::npos);
    EXPECT_NE(ErrorOf("loop 2\ninstrument x\nx: C4/1 |\n").find("lasts"), std::string::npos)
        << "a track shorter than its loop";
    EXPECT_NE(ErrorOf("tempo 20\ninstrument x\nx: C4/1*64 C4/1*64 C4/1*64 C4/1*64\n").find("ten minutes"),
              std::string::npos);
}

}  // namespace
}  // namespace q::assets
