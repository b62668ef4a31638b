#include <gtest/gtest.h>

#include <vector>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/settings.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"

namespace q {
namespace {

std::vector<DrawCall> Recorded() {
    int n = 0;
    const DrawCall* d = RecordedDraws(&n);
    return std::vector<DrawCall>(d, d + n);
}

class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = settings;
        StartDrawRecording();
    }
    void TearDown() override {
        StopDrawRecording();
        ClearRecordedDraws();
        settings = saved;
    }
    GameSettings saved;
};

TEST_F(SpriteTest, DrawSpriteAtEnlargesByTheScale) {
    DrawSpriteAt(30, 40, 3, 0xFFFFFFFFu, Rect{5, 6, 15, 10});
    const auto d = Recorded();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].dest, (Rect{30, 40, 60, 52}));
    EXPECT_EQ(d[0].src, (Rect{5, 6, 15, 10}));
}

TEST_F(SpriteTest, ACentredHundredPixelPictureAtScaleTwoLandsAt220) {
    DrawSpriteCentered(50, 2, Rect{0, 0, 100, 20}, 0x32FFFFFFu);
    const auto d = Recorded();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].dest, (Rect{220, 50, 420, 90}));
    EXPECT_EQ(d[0].colour, 0x32FFFFFFu);
}

TEST_F(SpriteTest, APictureWiderThanTheScreenIsCentredRoundingDown) {
    DrawSpriteCentered(0, 1, Rect{0, 0, 641, 1}, 0xFFFFFFFFu);
    DrawSpriteCentered(0, 1, Rect{0, 0, 700, 1}, 0xFFFFFFFFu);
    const auto d = Recorded();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].dest.left, -1);
    EXPECT_EQ(d[1].dest.left, -30);
}

TEST_F(SpriteTest, BoxesAreDrawnUntinted) {
    DrawSpriteBox(-8, 100, 32, 32, Rect{64, 0, 96, 32});
    const auto d = Recorded();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].dest, (Rect{-8, 100, 24, 132}));
    EXPECT_EQ(d[0].colour, 0xFFFFFFFFu);
}

TEST_F(SpriteTest, ScreenPicturesFillTheScreenAndTheBackdropIsTheDimmedTitle) {
    DrawScreenImage(Rect{0, 0, 320, 240}, 0xFFFFFFFFu);
    DrawDimBackdrop();
    const auto d = Recorded();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].dest, (Rect{0, 0, 640, 480}));
    EXPECT_EQ(d[0].src, (Rect{0, 0, 320, 240}));
    EXPECT_EQ(d[1].dest, (Rect{0, 0, 640, 480}));
    EXPECT_EQ(d[1].src, Rect(atlas::kTitle));
    EXPECT_EQ(d[1].colour, 0xFF323232u);
}

TEST_F(SpriteTest, RecordingStopsAndStartsAfresh) {
    DrawSpriteBox(0, 0, 1, 1, Rect{0, 0, 1, 1});
    StopDrawRecording();
    DrawSpriteBox(0, 0, 1, 1, Rect{0, 0, 1, 1});
    EXPECT_EQ(Recorded().size(), 1u);
    StartDrawRecording();
    EXPECT_EQ(Recorded().size(), 0u);
}

}  // namespace
}  // namespace q
