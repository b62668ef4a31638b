// The real game's window on virtual X screens of several sizes, looked at
// through screenshots of the window itself. Run by ctest under
// tests/with_xvfb.sh with QUORREL_WINDOW_TEST set; skipped elsewhere.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "support/headless_run.hpp"

namespace q {
namespace {

struct ScreenCase {
    int screenWidth, screenHeight, windowWidth, windowHeight;
};
// What the window opens at on each screen: the largest whole multiple of
// 640 x 480 that fits, and 640 x 480 where no larger one does.
constexpr ScreenCase kScreens[] = {
    {1024, 768, 640, 480},
    {1280, 800, 640, 480},
    {1920, 1080, 1280, 960},
};

Window FindWindowNamed(Display* display, Window from, const char* title) {
    char* name = nullptr;
    if (XFetchName(display, from, &name) && name) {
        const bool found = std::string(name) == title;
        XFree(name);
        if (found) return from;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, from, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) found = FindWindowNamed(display, children[i], title);
    if (children) XFree(children);
    return found;
}

// A window caught while it is being mapped or moved refuses to be read;
// the next look tries again.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

// What one look at the window found.
struct Look {
    int width = 0, height = 0;
    double picture = 0;  // share of the picture's pixels that show the title, each at `scale` x `scale`
    double bars = 1;     // share of the pixels around the picture that are black
};

// Compares the window with the 640 x 480 title drawn `scale` times as large
// with its top-left corner at (left, top).
Look LookAt(Display* display, Window window, const test::Screenshot& title, int scale, int left, int top) {
    Look look;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return look;
    look.width = attributes.width;
    look.height = attributes.height;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    XSync(display, False);
    if (!image) return look;
    long same = 0, black = 0, outside = 0;
    for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x) {
            const uint32_t got = uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF;
            const int px = x - left, py = y - top;
            if (px < 0 || py < 0 || px >= 640 * scale || py >= 480 * scale) {
                ++outside;
                black += got == 0 ? 1 : 0;
            } else {
                same += got == (title.At(px / scale, py / scale) & 0xFFFFFF) ? 1 : 0;
            }
        }
    XDestroyImage(image);
    look.picture = double(same) / (640.0 * 480.0 * scale * scale);
    look.bars = outside ? double(black) / double(outside) : 1;
    return look;
}

class GameWindowOnX11 : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("QUORREL_WINDOW_TEST")) GTEST_SKIP() << "run by ctest under its own Xvfb";
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr);
        XSetErrorHandler(IgnoreXErrors);
        const int screen = DefaultScreen(display_);
        for (const ScreenCase& c : kScreens)
            if (c.screenWidth == DisplayWidth(display_, screen) && c.screenHeight == DisplayHeight(display_, screen))
                case_ = &c;
        ASSERT_NE(case_, nullptr) << "no expectation for a screen of " << DisplayWidth(display_, screen) << " x "
                                  << DisplayHeight(display_, screen);
        // The title as the headless game draws it, with point sampling.
        const test::HeadlessRun run = folder_.Run("150 shot title.png\n", 151);
        ASSERT_EQ(run.exitCode, 0) << run.stderrText;
        title_ = folder_.Shot("title.png");
        ASSERT_TRUE(title_.Loaded());
    }
    void TearDown() override {
        if (game_ > 0) {
            kill(game_, SIGTERM);
            int status = 0;
            waitpid(game_, &status, 0);
        }
        if (display_) XCloseDisplay(display_);
    }

    void StartGame() {
        game_ = fork();
        ASSERT_GE(game_, 0);
        if (game_ == 0) {
            if (chdir(folder_.Path().c_str()) != 0) _exit(127);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("SDL_VIDEODRIVER", "x11", 1);
            const char* program = QUORREL_BINARY_DIR "/quorrel";
            execl(program, program, static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    // Looks at the window until `good` says yes, or a generous while on a
    // busy machine has passed; the last look.
    Look WaitFor(int scale, int left, int top, const std::function<bool(const Look&)>& good) {
        Look last;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(90);
        while (std::chrono::steady_clock::now() < giveUp) {
            int status = 0;
            if (waitpid(game_, &status, WNOHANG) == game_) {
                game_ = 0;
                ADD_FAILURE() << "the game ended by itself, status " << status;
                break;
            }
            if (!window_) window_ = FindWindowNamed(display_, DefaultRootWindow(display_), "Quorrel");
            if (window_) {
                last = LookAt(display_, window_, title_, scale, left, top);
                if (good(last)) break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return last;
    }

    test::GameFolder folder_;
    test::Screenshot title_;
    const ScreenCase* case_ = nullptr;
    Display* display_ = nullptr;
    pid_t game_ = 0;
    Window window_ = 0;
};

TEST_F(GameWindowOnX11, OpensAtTheLargestWholeMultipleThatFitsWithCrispPixelsAndKeepsItsShapeWhenResized) {
    StartGame();
    const int scale = case_->windowWidth / 640;
    const Look opened = WaitFor(scale, 0, 0, [&](const Look& l) {
        return l.width == case_->windowWidth && l.height == case_->windowHeight && l.picture >= 0.97;
    });
    EXPECT_EQ(opened.width, case_->windowWidth);
    EXPECT_EQ(opened.height, case_->windowHeight);
    EXPECT_GE(opened.picture, 0.97) << "every picture pixel drawn as a whole " << scale << " x " << scale << " square";

    // A window the player stretches: the picture keeps 4:3 at the largest
    // whole multiple that fits, centred, with black bars around it.
    const int width = case_->screenWidth - 100, height = case_->screenHeight - 60;
    // Moved to the corner too: a window reaching past the screen cannot be read.
    XMoveResizeWindow(display_, window_, 0, 0, unsigned(width), unsigned(height));
    XSync(display_, False);
    const int fit = std::max(1, std::min(width / 640, height / 480));
    const int left = (width - 640 * fit) / 2, top = (height - 480 * fit) / 2;
    const Look resized = WaitFor(fit, left, top, [&](const Look& l) {
        return l.width == width && l.height == height && l.picture >= 0.97 && l.bars >= 0.99;
    });
    EXPECT_EQ(resized.width, width);
    EXPECT_EQ(resized.height, height);
    EXPECT_GE(resized.picture, 0.97) << "the picture at " << fit << "x, centred";
    EXPECT_GE(resized.bars, 0.99) << "black around it";
}

}  // namespace
}  // namespace q
