#include <gtest/gtest.h>

#include "frontend/frontend.hpp"
#include "frontend/frontend_helpers.hpp"
#include "frontend/help.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"
#include "scene/scene.hpp"

namespace q {
namespace {

using namespace frontend_test;

class HelpTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        InitHelpPages();
        SetScene(SCENE_HELP);
    }
    static void Tap(int32_t key) {
        Frame(HelpUpdate, {key});
        Frame(HelpUpdate);
    }
};

TEST_F(HelpTest, FirstPageSlidesInOverTwentyEightFrames) {
    Idle(HelpUpdate, 27);
    EXPECT_EQ(HelpState().pages[0].pictureY, 88);
    EXPECT_EQ(HelpState().pages[0].captionY, 264);
    Frame(HelpUpdate);
    EXPECT_EQ(HelpState().pages[0].pictureY, 90);
    EXPECT_EQ(HelpState().pages[0].captionY, 262);
    for (int i = 1; i < kHelpPageCount; ++i) {
        EXPECT_EQ(HelpState().pages[i].pictureY, -128);
        EXPECT_EQ(HelpState().pages[i].captionY, 480);
    }
}

TEST_F(HelpTest, PagesWrapBothWays) {
    Tap(KEY_LEFT);
    EXPECT_EQ(HelpState().cursor, 14);
    Tap(KEY_RIGHT);
    EXPECT_EQ(HelpState().cursor, 0);
    Frame(HelpUpdate, {KEY_RIGHT});
    EXPECT_EQ(HelpState().cursor, 1);
    EXPECT_TRUE(SoundRequested(0));
}

TEST_F(HelpTest, LeavingPageSlidesOutWhileTheNewOneComesIn) {
    Idle(HelpUpdate, 30);
    Frame(HelpUpdate, {KEY_RIGHT});
    EXPECT_EQ(HelpState().pages[0].pictureY, 82);
    EXPECT_EQ(HelpState().pages[0].captionY, 270);
    EXPECT_EQ(HelpState().pages[1].pictureY, -120);
    EXPECT_EQ(HelpState().pages[1].captionY, 472);
    Idle(HelpUpdate, 30);
    EXPECT_EQ(HelpState().pages[0].pictureY, -128);
    EXPECT_EQ(HelpState().pages[0].captionY, 480);
    EXPECT_EQ(HelpState().pages[1].pictureY, 90);
}

TEST_F(HelpTest, ConfirmGoesBackAndTheNextVisitStartsOnPageZero) {
    Tap(KEY_RIGHT);
    Tap(KEY_RIGHT);
    Idle(HelpUpdate, 30);
    Frame(HelpUpdate, {KEY_ENTER});
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_EQ(HelpState().cursor, 0);
    EXPECT_EQ(HelpState().pages[2].pictureY, 90) << "pages keep their place between visits";
    Frame(HelpUpdate);
    EXPECT_EQ(HelpState().pages[2].pictureY, 82);
    EXPECT_EQ(HelpState().pages[0].pictureY, -120);
}

TEST_F(HelpTest, EscapeDoesNothing) {
    Frame(HelpUpdate, {KEY_ESCAPE});
    EXPECT_EQ(CurrentScene(), SCENE_HELP);
}

TEST_F(HelpTest, ShownPageIsDrawnLastOverTheOthers) {
    Tap(KEY_RIGHT);
    auto draws = Draws(HelpDraw);
    ASSERT_EQ(draws.size(), 1u + 2u * kHelpPageCount + 1u);
    const DrawCall& picture = draws[draws.size() - 3];
    const DrawCall& caption = draws[draws.size() - 2];
    EXPECT_EQ(picture.src, Rect(atlas::kHelpPictures[1]));
    EXPECT_EQ(picture.dest, (Rect{256, -112, 384, 16})) << "centred, coming down";
    EXPECT_EQ(caption.src, Rect(atlas::kHelpCaptions[1]));
    EXPECT_EQ(draws.back().dest.top, 459);
}

}  // namespace
}  // namespace q
