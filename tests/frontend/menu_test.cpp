#include <gtest/gtest.h>

#include "frontend/frontend_helpers.hpp"
#include "frontend/menu.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/test_hooks.hpp"

namespace q {
namespace {

using namespace frontend_test;

int chosenCount[kMainMenuItems];
template <int N>
void CountChoice() {
    ++chosenCount[N];
}
constexpr MenuAction kCounters[kMainMenuItems] = {CountChoice<0>, CountChoice<1>, CountChoice<2>,
                                                  CountChoice<3>, CountChoice<4>, CountChoice<5>,
                                                  CountChoice<6>};

// A copy of the title menu whose entries only count how often they are chosen.
class MenuTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        InitMenuItems();
        InitMenus();
        for (int i = 0; i < kMainMenuItems; ++i) {
            items[i] = Menus().main.items[i];
            items[i].action = kCounters[i];
            chosenCount[i] = 0;
        }
        menu = {0, kMainMenuItems, items};
        current = this;
    }
    // What a menu scene's update does: poll, then the menu.
    static void Update() {
        PollKeys();
        UpdateMenu(current->menu);
    }

    MenuItem items[kMainMenuItems];
    Menu menu;
    static MenuTest* current;
};
MenuTest* MenuTest::current = nullptr;

TEST_F(MenuTest, EntriesAreStackedDownTheLeftEdgeAndStartInvisible) {
    for (int i = 0; i < kMainMenuItems; ++i) {
        EXPECT_EQ(items[i].x, 0);
        EXPECT_EQ(items[i].y, 250 + 25 * i);
        EXPECT_EQ(items[i].width, 150);
        EXPECT_EQ(items[i].height, 25);
        EXPECT_EQ(items[i].alpha, 0);
    }
    EXPECT_EQ(Menus().quit.itemCount, 2);
    EXPECT_EQ(Menus().pause.itemCount, 3);
    EXPECT_EQ(Menus().pause.items[2].y, 300);
}

TEST_F(MenuTest, SelectedEntrySlidesToTheMiddleInTwentyFiveFrames) {
    Idle(Update, 24);
    EXPECT_EQ(items[0].x, 240);
    Frame(Update);
    EXPECT_EQ(items[0].x, kMenuRestX);
    Idle(Update, 5);
    EXPECT_EQ(items[0].x, kMenuRestX) << "the entry stops in the middle";
    for (int i = 1; i < kMainMenuItems; ++i) EXPECT_EQ(items[i].x, 0);
}

TEST_F(MenuTest, ChoiceIsIgnoredUntilTheEntryHasArrived) {
    Idle(Update, 22);
    Frame(Update, {KEY_ENTER});  // frame 23: still sliding
    EXPECT_EQ(chosenCount[0], 0);
    Frame(Update);               // frame 24
    EXPECT_EQ(chosenCount[0], 0) << "the early press is dropped, not kept for later";
    Frame(Update, {KEY_ENTER});  // frame 25: the entry reaches the middle
    EXPECT_EQ(chosenCount[0], 1);
    EXPECT_EQ(items[0].x, 0) << "a chosen entry starts its slide again";
}

TEST_F(MenuTest, ZConfirmsLikeEnter) {
    Idle(Update, 25);
    Frame(Update, {KEY_Z});
    EXPECT_EQ(chosenCount[0], 1);
}

TEST_F(MenuTest, CursorWrapsBothWaysWithASoundEachMove) {
    Frame(Update, {KEY_UP});
    EXPECT_EQ(menu.cursor, kMainMenuItems - 1);
    EXPECT_TRUE(SoundRequested(0));
    Frame(Update);
    EXPECT_FALSE(SoundRequested(0));
    Frame(Update, {KEY_DOWN});
    EXPECT_EQ(menu.cursor, 0);
    EXPECT_TRUE(SoundRequested(0));
}

TEST_F(MenuTest, UpAndDownTogetherStayPutButStillClick) {
    Frame(Update, {KEY_DOWN});
    Frame(Update);
    Frame(Update, {KEY_UP, KEY_DOWN});
    EXPECT_EQ(menu.cursor, 1);
    EXPECT_TRUE(SoundRequested(0));
}

TEST_F(MenuTest, UnselectedEntriesDimToHalfAndNoFurther) {
    Frame(Update);
    for (int i = 0; i < kMainMenuItems; ++i) EXPECT_EQ(items[i].alpha, 128);
    Idle(Update, 40);
    EXPECT_EQ(items[0].alpha, 255);
    for (int i = 1; i < kMainMenuItems; ++i) EXPECT_EQ(items[i].alpha, 128);
}

TEST_F(MenuTest, ChoosingRunsTheActionOnceAndPutsTheCursorBackOnTop) {
    Frame(Update, {KEY_DOWN});
    Frame(Update);
    Frame(Update, {KEY_DOWN});
    Idle(Update, 25);
    Frame(Update, {KEY_ENTER});
    EXPECT_EQ(chosenCount[2], 1);
    EXPECT_EQ(chosenCount[0] + chosenCount[1], 0);
    EXPECT_EQ(menu.cursor, 0);
    Frame(Update, {KEY_ENTER});  // still held: not a new press
    EXPECT_EQ(chosenCount[2], 1);
    EXPECT_EQ(chosenCount[0], 0);
}

TEST_F(MenuTest, EntriesAreDrawnAtTheirPlaceAndOpacity) {
    static Menu* drawn = nullptr;
    drawn = &menu;
    auto firstFrame = Draws([] { DrawMenu(*drawn); });
    ASSERT_EQ(firstFrame.size(), static_cast<size_t>(kMainMenuItems));
    for (const DrawCall& d : firstFrame) EXPECT_EQ(d.colour >> 24, 0u) << "invisible before the first step";
    Idle(Update, 30);
    auto later = Draws([] { DrawMenu(*drawn); });
    ASSERT_EQ(later.size(), static_cast<size_t>(kMainMenuItems));
    EXPECT_EQ(later[0].dest, (Rect{245, 250, 395, 275}));
    EXPECT_EQ(later[0].src, Rect(atlas::kMenuStart));
    EXPECT_EQ(later[0].colour, 0xFFFFFFFFu);
    EXPECT_EQ(later[6].dest, (Rect{0, 400, 150, 425}));
    EXPECT_EQ(later[6].colour, 0x80FFFFFFu);
}

}  // namespace
}  // namespace q
