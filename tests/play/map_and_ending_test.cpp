// The map view, its return, and the ending floor's scroll to the top.
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_helpers.hpp"
#include "play/shutter.hpp"

#include "platform/core/sprite.hpp"

namespace q::test {
namespace {

class PlayMapView : public PlayFlowFixture {
protected:
    // A 40-row floor in play with its player standing still, then Ctrl.
    void OpenMapView() {
        FloorDat dat;
        dat.Set(1, StandingFloor(40, 0));
        WriteFloors(dat);
        ASSERT_EQ(StartPlay(), 1);
        ASSERT_TRUE(RunUntilScene(SCENE_PLAY));
        for (int i = 0; i < 4; ++i) Frame();
        ASSERT_EQ(Session().logicPhase, 0);
        Key(KEY_CTRL, true);
        Frame();
        Key(KEY_CTRL, false);
        ASSERT_EQ(CurrentScene(), SCENE_MAP_VIEW);
    }
    // The player's place on the floor, which no view change may move.
    int PlayerWorldY() { return Player()->y + W().scrollY; }
};

TEST_F(PlayMapView, DownScrollsFourPixelsAFrameToTheLowestViewAndActorsKeepTheirPlaces) {
    OpenMapView();
    const int worldY = PlayerWorldY();
    Key(KEY_DOWN, true);
    Frame();
    EXPECT_EQ(W().scrollY, 4);
    EXPECT_EQ(PlayerWorldY(), worldY);
    for (int i = 0; i < 50; ++i) Frame();
    EXPECT_EQ(W().scrollY, 40 * 16 - 496);
    EXPECT_EQ(PlayerWorldY(), worldY);
}

TEST_F(PlayMapView, DownHeldAtTheBottomBlocksUpUntilReleased) {
    OpenMapView();
    Key(KEY_DOWN, true);
    for (int i = 0; i < 40; ++i) Frame();
    ASSERT_EQ(W().scrollY, 144);
    Key(KEY_UP, true);
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(W().scrollY, 144) << "Down wins while both are held";
    Key(KEY_DOWN, false);
    Frame();
    EXPECT_EQ(W().scrollY, 140);
}

TEST_F(PlayMapView, UpStopsAtTheTop) {
    OpenMapView();
    Key(KEY_UP, true);
    for (int i = 0; i < 3; ++i) Frame();
    EXPECT_EQ(W().scrollY, 0);
}

TEST_F(PlayMapView, LeavingRestoresTheViewExactlyFourPixelsAFrameThenPlays) {
    OpenMapView();
    const int savedY = W().scrollY;
    const int playerY = Player()->y;
    Key(KEY_DOWN, true);
    for (int i = 0; i < 9; ++i) Frame();
    Key(KEY_DOWN, false);
    ASSERT_EQ(W().scrollY, savedY + 36);
    Key(KEY_CTRL, true);
    const std::set<int> sounds = Frame();
    EXPECT_TRUE(sounds.count(10));
    EXPECT_EQ(CurrentScene(), SCENE_MAP_RETURN);
    std::vector<int> views;
    while (CurrentScene() == SCENE_MAP_RETURN && views.size() < 20) {
        Frame();
        views.push_back(W().scrollY - savedY);
    }
    EXPECT_EQ(views, (std::vector<int>{32, 28, 24, 20, 16, 12, 8, 4, 0}));
    EXPECT_EQ(CurrentScene(), SCENE_PLAY);
    EXPECT_EQ(Player()->y, playerY);
}

class PlayEnding : public PlayFlowFixture {
protected:
    // Loads the ending floor (start row `startRow`) as clearing floor 56 does.
    void StartTheEnding(int startRow) {
        FloorDat dat;
        dat.Set(56, WalkRightFloor());
        dat.Set(57, StandingFloor(40, startRow));
        WriteFloors(dat);
        Session().floorNumber = 56;
        Session().playMode = PLAY_MODE_NORMAL;
        ASSERT_EQ(StartPlay(), 1);
        W().playResult = PLAY_RESULT_CLEARED;
        NextFloor();
        ASSERT_EQ(CurrentScene(), SCENE_ENDING_INTRO);
        ASSERT_TRUE(ShutterClosed());
        ASSERT_EQ(FramesUntilSceneLeaves(), 33);
        ASSERT_EQ(CurrentScene(), SCENE_ENDING);
    }

    bool EndingPicturesDrawn() {
        StartDrawRecording();
        ClearRecordedDraws();
        GameScenes.draw[CurrentScene()]();
        int count = 0;
        const DrawCall* calls = RecordedDraws(&count);
        bool top = false, bottom = false;
        for (int i = 0; i < count; ++i) {
            if (calls[i].src == Rect(atlas::kEndingTop)) top = true;
            if (calls[i].src == Rect(atlas::kEndingBottom)) bottom = true;
        }
        StopDrawRecording();
        ClearRecordedDraws();
        return top && bottom;
    }
};

TEST_F(PlayEnding, TheViewRisesAPixelAFrameAndEscWaitsForTheTop) {
    StartTheEnding(2);
    ASSERT_EQ(W().scrollY, 32);
    const int playerY = Player()->y;
    EXPECT_FALSE(EndingPicturesDrawn());
    Key(KEY_ESCAPE, true);
    Frame();
    Key(KEY_ESCAPE, false);
    EXPECT_EQ(W().scrollY, 31);
    EXPECT_EQ(Player()->y, playerY + 1);
    EXPECT_EQ(CurrentScene(), SCENE_ENDING) << "Esc before the top does nothing";
    for (int i = 0; i < 40; ++i) Frame();
    EXPECT_EQ(W().scrollY, 0);
    EXPECT_EQ(Player()->y, playerY + 32);
    EXPECT_TRUE(EndingPicturesDrawn());
    Key(KEY_ESCAPE, true);
    Frame();
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(ActiveCount(W()), 0);
}

TEST_F(PlayEnding, AnEndingThatStartsAtTheTopShowsItsPicturesAtOnce) {
    StartTheEnding(0);
    EXPECT_TRUE(EndingPicturesDrawn());
    Key(KEY_ESCAPE, true);
    Frame();
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
}

TEST_F(PlayEnding, AnEndingFloorStartingAboveTheTopStillLetsEscLeave) {
    FloorDat dat;
    dat.Set(56, WalkRightFloor());
    dat.Set(57, StandingFloor(40, -3));
    WriteFloors(dat);
    Session().floorNumber = 56;
    ASSERT_EQ(StartPlay(), 1);
    W().playResult = PLAY_RESULT_CLEARED;
    NextFloor();
    if (CurrentScene() == SCENE_TITLE) GTEST_SKIP() << "the floor reader refuses a negative start row";
    ASSERT_TRUE(RunUntilScene(SCENE_ENDING));
    Frame();
    Key(KEY_ESCAPE, true);
    Frame();
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
}

}  // namespace
}  // namespace q::test
