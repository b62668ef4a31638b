// The SDL back end's window: on SDL's dummy video driver in the ordinary run,
// and once more on a virtual X server.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/core/archive.hpp"
#include "platform/backend.hpp"
#include "platform/graphics.hpp"
#include "platform/core/settings.hpp"
#include "support/bytes.hpp"
#include "support/data_dat.hpp"
#include "platform/keyboard.hpp"
#include "platform/pads.hpp"
#include "platform/sdl/sdl_window.hpp"
#include "platform/window.hpp"
#include "support/virtual_pad.hpp"

namespace q {
namespace {

int closes = 0;
void CountCloseAndDestroy() {
    ++closes;
    DestroyMainWindow();
}

class ShellSdlWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The dummy driver, or a real display when the test is run on one.
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) GTEST_SKIP() << "no SDL video: " << SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        saved_ = ActiveBackend();
        SelectBackend(BackendKind::Sdl);
        closes = 0;
    }
    void TearDown() override {
        if (IsSkipped()) return;
        DestroyMainWindow();
        while (PumpWindowEvents(nullptr)) {
        }
        EndWindowSystem();
        SelectBackend(saved_);
    }

private:
    BackendKind saved_ = BackendKind::Sdl;
};

// Both desktops the tests run on are 1024 x 768: no multiple larger than
// 640 x 480 fits (larger screens: the window tests of the real game).
TEST_F(ShellSdlWindowTest, WindowIsQuorrelResizableNoSmallerThan640x480AndHiddenUntilShown) {
    ASSERT_TRUE(CreateMainWindow());
    SDL_Window* window = MainSdlWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Quorrel");
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    SDL_GetWindowMinimumSize(window, &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    const Uint32 flags = SDL_GetWindowFlags(window);
    EXPECT_NE(flags & SDL_WINDOW_RESIZABLE, 0u);
    EXPECT_NE(flags & SDL_WINDOW_ALLOW_HIGHDPI, 0u);
    EXPECT_EQ(flags & SDL_WINDOW_SHOWN, 0u);
    ShowMainWindow();
    EXPECT_NE(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN, 0u);
}

TEST_F(ShellSdlWindowTest, WindowSitsInTheMiddleOfTheDesktop) {
    ASSERT_TRUE(CreateMainWindow());
    SDL_Rect desktop;
    ASSERT_EQ(SDL_GetDisplayBounds(0, &desktop), 0);
    int x = 0, y = 0;
    SDL_GetWindowPosition(MainSdlWindow(), &x, &y);
    EXPECT_EQ(x, desktop.x + (desktop.w - 640) / 2);
    EXPECT_EQ(y, desktop.y + (desktop.h - 480) / 2);
}

TEST_F(ShellSdlWindowTest, CloseBoxShutsDownOnceThoughSdlAlsoSendsQuit) {
    ASSERT_TRUE(CreateMainWindow());
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(MainSdlWindow());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&close), 1);
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    EXPECT_TRUE(PumpWindowEvents(&CountCloseAndDestroy));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(MainSdlWindow(), nullptr);
    EXPECT_FALSE(PumpWindowEvents(&CountCloseAndDestroy));
}

void PushKeyDown(SDL_Keycode key, Uint16 mod) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = SDL_GetWindowID(MainSdlWindow());
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.keysym.mod = mod;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

TEST_F(ShellSdlWindowTest, AltEnterSwitchesBetweenWindowAndFullScreenAndEnterAloneDoesNot) {
    ASSERT_TRUE(CreateMainWindow());
    const std::string data = test::ScratchPath("window-data.dat");
    ASSERT_TRUE(test::WriteFile(data, test::SyntheticDataDat()));
    ASSERT_TRUE(LoadArchive(data.c_str()));
    const GameSettings saved = settings;
    settings = GameSettings{};
    ASSERT_TRUE(CreateGraphics());
    ShowMainWindow();

    PushKeyDown(SDLK_RETURN, KMOD_LALT);
    EXPECT_FALSE(PumpWindowEvents(nullptr));
    EXPECT_EQ(settings.windowed, 0) << "the setting the options screen shows";
    EXPECT_NE(SDL_GetWindowFlags(MainSdlWindow()) & SDL_WINDOW_FULLSCREEN, 0u);
    EXPECT_TRUE(HasDevice());

    PushKeyDown(SDLK_KP_ENTER, KMOD_RALT);
    EXPECT_FALSE(PumpWindowEvents(nullptr));
    EXPECT_EQ(settings.windowed, 1);
    EXPECT_EQ(SDL_GetWindowFlags(MainSdlWindow()) & SDL_WINDOW_FULLSCREEN, 0u);
    EXPECT_TRUE(HasDevice());
    int w = 0, h = 0;
    SDL_GetWindowSize(MainSdlWindow(), &w, &h);
    EXPECT_EQ(w, 640) << "back at the size it opened at";
    EXPECT_EQ(h, 480);

    PushKeyDown(SDLK_RETURN, KMOD_NONE);
    PushKeyDown(SDLK_a, KMOD_LALT);
    EXPECT_FALSE(PumpWindowEvents(nullptr));
    EXPECT_EQ(settings.windowed, 1);

    ReleaseGraphics();
    FreeArchive();
    settings = saved;
    std::remove(data.c_str());
}

TEST_F(ShellSdlWindowTest, ADestroyedWindowCanBeMadeAgain) {
    ASSERT_TRUE(CreateMainWindow());
    DestroyMainWindow();
    EXPECT_TRUE(PumpWindowEvents(nullptr));
    ASSERT_TRUE(CreateMainWindow());
    EXPECT_NE(MainSdlWindow(), nullptr);
}

TEST_F(ShellSdlWindowTest, TheWindowBringsPadsAndTheirEndLetsThemGo) {
    ASSERT_TRUE(CreateMainWindow());
    InitKeyBindings();
    // A window without the keyboard's focus hears no pad otherwise.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    {
        test::VirtualPad pad;
        pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
        EXPECT_FALSE(PumpWindowEvents(nullptr));
        PollKeys();
        EXPECT_EQ(PadsInUse(), 1);
        EXPECT_EQ(IsPressed(ButtonUp), 1);
    }
    SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
    DestroyMainWindow();
    EXPECT_TRUE(PumpWindowEvents(nullptr));
    EndWindowSystem();
    EXPECT_EQ(PadsInUse(), 0) << "let go with the window system, before any poll";
    PollKeys();
    EXPECT_FALSE(IsHeld(ButtonUp));
    InitKeyBindings();
}

}  // namespace
}  // namespace q
