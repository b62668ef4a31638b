#include <gtest/gtest.h>

#include "platform/backend.hpp"
#include "platform/test_hooks.hpp"
#include "platform/window.hpp"

namespace q {
namespace {

int closeRequests = 0;
void CountCloseAndDestroy() {
    ++closeRequests;
    DestroyMainWindow();
}

class ShellWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ActiveBackend();
        SelectBackend(BackendKind::Headless);
        headless::ClearMessageBoxes();
        closeRequests = 0;
    }
    void TearDown() override {
        DestroyMainWindow();
        while (PumpWindowEvents(nullptr)) {
        }
        headless::FailMainWindow(false);
        headless::SetDesktopSize(1920, 1080);
        headless::ClearMessageBoxes();
        SelectBackend(saved_);
    }

private:
    BackendKind saved_ = BackendKind::Sdl;
};

TEST_F(ShellWindowTest, WindowIsCentredOnTheDesktop) {
    headless::SetDesktopSize(1920, 1080);
    int x = -1, y = -1;
    CenterOnDesktop(640, 480, &x, &y);
    EXPECT_EQ(x, 640);
    EXPECT_EQ(y, 300);
    headless::SetDesktopSize(1025, 769);
    CenterOnDesktop(640, 480, &x, &y);
    EXPECT_EQ(x, 192);  // 385 / 2
    EXPECT_EQ(y, 144);  // 289 / 2
}

TEST_F(ShellWindowTest, WindowLargerThanTheDesktopTruncatesTowardZero) {
    headless::SetDesktopSize(639, 475);
    int x = 99, y = 99;
    CenterOnDesktop(640, 480, &x, &y);
    EXPECT_EQ(x, 0);   // -1 / 2
    EXPECT_EQ(y, -2);  // -5 / 2
}

TEST_F(ShellWindowTest, DestroyingTheWindowQueuesOneQuitMessage) {
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_TRUE(HasMainWindow());
    EXPECT_FALSE(PumpWindowEvents(nullptr));
    DestroyMainWindow();
    EXPECT_FALSE(HasMainWindow());
    EXPECT_TRUE(PumpWindowEvents(nullptr));
    // Taken once; a second destroy of a window that is gone queues nothing.
    DestroyMainWindow();
    EXPECT_FALSE(PumpWindowEvents(nullptr));
}

TEST_F(ShellWindowTest, CloseRequestRunsTheHandlerOnce) {
    ASSERT_TRUE(CreateMainWindow());
    headless::RequestClose();
    EXPECT_TRUE(PumpWindowEvents(&CountCloseAndDestroy));
    EXPECT_EQ(closeRequests, 1);
    // Another close after the window is gone finds nothing to close.
    headless::RequestClose();
    EXPECT_FALSE(PumpWindowEvents(&CountCloseAndDestroy));
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(ShellWindowTest, NoCloseRequestNoHandler) {
    ASSERT_TRUE(CreateMainWindow());
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(PumpWindowEvents(&CountCloseAndDestroy));
    EXPECT_EQ(closeRequests, 0);
    EXPECT_TRUE(HasMainWindow());
}

TEST_F(ShellWindowTest, FailedWindowCreationLeavesNoWindowAndNoQuit) {
    headless::FailMainWindow(true);
    EXPECT_FALSE(CreateMainWindow());
    EXPECT_FALSE(HasMainWindow());
    EXPECT_FALSE(PumpWindowEvents(nullptr));
    // The failure is for one attempt only.
    EXPECT_TRUE(CreateMainWindow());
}

TEST_F(ShellWindowTest, ErrorBoxesAreRecordedInOrder) {
    ShowErrorBox("sound error");
    ShowErrorBox("graphics error");
    ASSERT_EQ(headless::MessageBoxes().size(), 2u);
    EXPECT_EQ(headless::MessageBoxes()[0], "sound error");
    EXPECT_EQ(headless::MessageBoxes()[1], "graphics error");
}

}  // namespace
}  // namespace q
