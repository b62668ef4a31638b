// What the play scenes draw over the floor, seen through the draw recorder.
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_helpers.hpp"

#include "platform/core/sprite.hpp"

namespace q::test {
namespace {

class PlayPictures : public PlayFlowFixture {
protected:
    std::vector<DrawCall> Record(int scene) {
        StartDrawRecording();
        ClearRecordedDraws();
        GameScenes.draw[scene]();
        int count = 0;
        const DrawCall* calls = RecordedDraws(&count);
        std::vector<DrawCall> out(calls, calls + count);
        StopDrawRecording();
        ClearRecordedDraws();
        return out;
    }
    static int Find(const std::vector<DrawCall>& calls, const Rect& src) {
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].src == src) return static_cast<int>(i);
        }
        return -1;
    }
    void StartFloor() {
        FloorDat dat;
        dat.Set(1, WalkRightFloor());
        WriteFloors(dat);
        ASSERT_EQ(StartPlay(), 1);
    }
};

constexpr Rect kReadyLabel = atlas::kReadyLabel;

TEST_F(PlayPictures, TheCountdownLabelIsDrawnAtTwiceItsSizeCentredAt150) {
    StartFloor();
    const std::vector<DrawCall> calls = Record(SCENE_READY);
    const int label = Find(calls, kReadyLabel);
    ASSERT_GE(label, 0);
    EXPECT_EQ(calls[label].dest, (Rect{276, 150, 364, 170}));
    EXPECT_EQ(calls[label].colour, 0xFFFFFFFFu);
}

TEST_F(PlayPictures, TheIntroDrawsTheCountdownUnderTheShutter) {
    StartFloor();
    for (int i = 0; i < 16; ++i) Frame();
    const std::vector<DrawCall> calls = Record(SCENE_FLOOR_INTRO);
    ASSERT_GE(calls.size(), 11u);
    const int label = Find(calls, kReadyLabel);
    ASSERT_GE(label, 0);
    // The ten bands come last, over everything.
    for (std::size_t i = calls.size() - 10; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].src, (Rect{512, 0, 544, 480}));
    }
    EXPECT_LT(label, static_cast<int>(calls.size()) - 10);
}

TEST_F(PlayPictures, TheMapViewShowsItsLabelHalfTransparentAndItsHintAtTheTopRight) {
    StartFloor();
    const std::vector<DrawCall> calls = Record(SCENE_MAP_VIEW);
    const int label = Find(calls, Rect(atlas::kMapLabel));
    const int hint = Find(calls, Rect(atlas::kMapKeysLabel));
    ASSERT_GE(label, 0);
    ASSERT_GE(hint, 0);
    EXPECT_EQ(calls[label].colour, 0x80FFFFFFu);
    EXPECT_EQ(calls[label].dest, (Rect{277, 150, 363, 170}));
    EXPECT_EQ(calls[hint].dest, (Rect{480, 2, 624, 26}));
    EXPECT_EQ(Find(Record(SCENE_MAP_RETURN), Rect(atlas::kMapKeysLabel)), -1) << "nothing over the floor on the way back";
}

TEST_F(PlayPictures, ThePlayScenesRunWithoutAWorldAndDrawNoFloor) {
    World* w = &W();
    SetGameWorld(nullptr);
    EXPECT_TRUE(Record(SCENE_PLAY).empty());
    EXPECT_TRUE(Record(SCENE_RESULT).empty());
    for (int scene : {SCENE_FLOOR_INTRO, SCENE_READY, SCENE_PLAY, SCENE_RESULT, SCENE_FLOOR_OUTRO, SCENE_MAP_VIEW,
                      SCENE_MAP_RETURN, SCENE_ENDING_INTRO, SCENE_ENDING}) {
        Record(scene);
        GameScenes.update[scene]();
    }
    EXPECT_EQ(StartPlay(), 0);
    SetGameWorld(w);
}

}  // namespace
}  // namespace q::test
