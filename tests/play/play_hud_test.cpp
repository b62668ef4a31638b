// The floor indicator drawn over the play field, seen through the draw recorder.
#include <gtest/gtest.h>

#include <vector>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_field.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

class PlayHud : public ::testing::Test {
protected:
    void SetUp() override { StartDrawRecording(); }
    void TearDown() override {
        StopDrawRecording();
        ClearRecordedDraws();
    }
    static std::vector<DrawCall> Recorded() {
        int n = 0;
        const DrawCall* d = RecordedDraws(&n);
        return std::vector<DrawCall>(d, d + n);
    }
};

// The floor indicator over the play field.
TEST_F(PlayHud, HudInPlayShowsThePlayLabelTheFloorLabelAndTheFloorNumber) {
    DrawPlayHud(SCENE_PLAY, 12);
    const auto d = Recorded();
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(d[0].dest, (Rect{500, 1, 620, 23}));
    EXPECT_EQ(d[0].src, Rect(atlas::kPlayKeysLabel));
    EXPECT_EQ(d[1].dest, (Rect{2, 2, 55, 12}));
    EXPECT_EQ(d[1].src, Rect(atlas::kFloorLabel));
    EXPECT_EQ(d[2].src, Rect(atlas::kSmallDigits[1]));  // 1
    EXPECT_EQ(d[2].dest.left, 72);
    EXPECT_EQ(d[3].src, Rect(atlas::kSmallDigits[2]));  // 2
    EXPECT_EQ(d[3].dest.left, 72 + 9);
}

TEST_F(PlayHud, HudInOtherScenesHasNoPlayLabelAndTheEndingShowsNothing) {
    DrawPlayHud(SCENE_RESULT, 3);
    auto d = Recorded();
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].src, Rect(atlas::kFloorLabel));
    EXPECT_EQ(d[1].dest.left, 72 + 9);  // a single digit sits in the second position
    StartDrawRecording();
    DrawPlayHud(SCENE_ENDING, 57);
    EXPECT_EQ(Recorded().size(), 0u);
}

}  // namespace
}  // namespace q
