#include <gtest/gtest.h>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
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

TEST(CharacterSets, EachSetShowsItsOwnCharacterFacingItsRowsWay) {
    for (int s = 0; s < 3; ++s)
        for (int d = 0; d < 4; ++d) {
            EXPECT_EQ(CharacterSets[s].frames[d][0], Rect(atlas::Pose(s, d, 0))) << "standing first";
            for (int f = 0; f < 8; ++f) {
                const Rect r = CharacterSets[s].frames[d][f];
                EXPECT_TRUE(r == atlas::Pose(s, d, 0) || r == atlas::Pose(s, d, 1) || r == atlas::Pose(s, d, 2))
                    << s << " " << d << " " << f;
            }
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
    EXPECT_EQ(calls[0].src, Rect(atlas::Pose(1, 3, 1)));
    EXPECT_EQ(calls[0].colour, 0xFFFFFFFFu);
    StopDrawRecording();
    ClearRecordedDraws();
}

}  // namespace
}  // namespace q
