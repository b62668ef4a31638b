#include <gtest/gtest.h>

#include "platform/sprite.hpp"
#include "world/character_sets.hpp"

namespace q {
namespace {

TEST(CharacterSets, EachRowCyclesStandingAndTwoStridesHeldForTwoFrames) {
    for (int s = 0; s < 3; ++s) {
        for (int d = 0; d < 4; ++d) {
            const Rect* row = CharacterSets[s].frames[d];
            const Rect a = row[0], b = row[2], c = row[6];
            EXPECT_NE(a, b);
            EXPECT_NE(a, c);
            EXPECT_NE(b, c);
            const Rect expected[8] = {a, a, b, b, a, a, c, c};
            for (int f = 0; f < 8; ++f) EXPECT_EQ(row[f], expected[f]) << s << " " << d << " " << f;
        }
    }
}

TEST(CharacterSets, PicturesComeFromTheirOwnAtlasColumns) {
    EXPECT_EQ(CharacterSets[0].frames[0][0], (Rect{29, 41, 42, 63}));
    EXPECT_EQ(CharacterSets[0].frames[3][7], (Rect{51, 8, 69, 30}));
    EXPECT_EQ(CharacterSets[1].frames[2][3], (Rect{77, 68, 91, 94}));
    EXPECT_EQ(CharacterSets[2].frames[1][2], (Rect{150, 103, 161, 127}));
    // Set 0 lies left of set 1, which lies left of set 2.
    for (int d = 0; d < 4; ++d)
        for (int f = 0; f < 8; ++f) {
            EXPECT_LT(CharacterSets[0].frames[d][f].right, CharacterSets[1].frames[d][f].left + 60);
            EXPECT_LT(CharacterSets[1].frames[d][f].right, CharacterSets[2].frames[d][f].left);
        }
}

TEST(CharacterSets, ACharacterIsStretchedIntoItsBoxEvenWhenFlattened) {
    Actor a{};
    a.x = 40;
    a.y = 50;
    a.width = 48;
    a.height = 8;
    a.dir = 3;
    a.frame = 2;
    StartDrawRecording();
    DrawCharacter(a, CharacterSets[1]);
    a.dir = 4;  // no such row: nothing is drawn
    DrawCharacter(a, CharacterSets[1]);
    int n = 0;
    const DrawCall* calls = RecordedDraws(&n);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(calls[0].dest, (Rect{40, 50, 88, 58}));
    EXPECT_EQ(calls[0].src, (Rect{77, 4, 91, 30}));
    EXPECT_EQ(calls[0].colour, 0xFFFFFFFFu);
    StopDrawRecording();
    ClearRecordedDraws();
}

}  // namespace
}  // namespace q
