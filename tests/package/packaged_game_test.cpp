// The game as the Debian package installs it, unpacked into a folder of its
// own (QUORREL_PACKAGE_ROOT, set by check_package.sh) and started from
// another, empty, folder: it must find its data beside its program and show
// the title in a real window. Without QUORREL_PACKAGE_ROOT the tests skip.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "support/bytes.hpp"
#include "support/headless_run.hpp"

namespace q {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

class PackagedGame : public ::testing::Test {
protected:
    void SetUp() override {
        const char* root = std::getenv("QUORREL_PACKAGE_ROOT");
        if (!root) GTEST_SKIP() << "no unpacked package (QUORREL_PACKAGE_ROOT)";
        games_ = fs::path(root) / "usr" / "games";
        std::string pattern = (fs::temp_directory_path() / "quorrel-elsewhere-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        elsewhere_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        if (!elsewhere_.empty()) fs::remove_all(elsewhere_, ignored);
    }

    // Runs a packaged program in the empty folder; its exit status, its
    // standard error in *err.
    int Run(const std::string& program, const std::string& args, std::string* err) {
        const std::string errPath = (elsewhere_ / "stderr.txt").string();
        const std::string line = "cd '" + elsewhere_.string() + "' && SDL_AUDIODRIVER=dummy '" +
                                 (games_ / program).string() + "' " + args + " 2>'" + errPath + "'";
        const int status = std::system(line.c_str());
        *err = test::ReadText(errPath);
        fs::remove(errPath);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path games_, elsewhere_;
};

// The top-level window called "Quorrel", or 0.
Window FindGameWindow(Display* display, Window from) {
    char* name = nullptr;
    if (XFetchName(display, from, &name) && name) {
        const bool found = std::string(name) == "Quorrel";
        XFree(name);
        if (found) return from;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, from, &root, &parent, &children, &count)) return 0;
    Window found = 0;
    for (unsigned i = 0; i < count && !found; ++i) found = FindGameWindow(display, children[i]);
    if (children) XFree(children);
    return found;
}

// The share of pixels of the window that match the picture, each channel
// within a small margin (the window's renderer may round differently).
double Likeness(Display* display, Window window, const test::Screenshot& picture) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return 0;
    if (attributes.width != kWidth || attributes.height != kHeight) return 0;
    XImage* image = XGetImage(display, window, 0, 0, kWidth, kHeight, AllPlanes, ZPixmap);
    if (!image) return 0;
    long same = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const uint32_t want = picture.At(x, y);
            const int got[3] = {int((pixel >> 16) & 255), int((pixel >> 8) & 255), int(pixel & 255)};
            const int ref[3] = {int((want >> 16) & 255), int((want >> 8) & 255), int(want & 255)};
            bool close = true;
            for (int c = 0; c < 3; ++c) close = close && std::abs(got[c] - ref[c]) <= 24;
            same += close ? 1 : 0;
        }
    XDestroyImage(image);
    return double(same) / (kWidth * kHeight);
}

TEST_F(PackagedGame, TheHeadlessGameFindsTheInstalledDataButTheWorkingFolderComesFirst) {
    std::string err;
    ASSERT_EQ(Run("quorrel-headless", "--frames 5 --log log.txt", &err), 0) << err;
    EXPECT_EQ(err.find("memory error3"), std::string::npos) << err;
    EXPECT_NE(test::ReadText((elsewhere_ / "log.txt").string()).find("4 1 1"), std::string::npos)
        << "the title is up: " << test::ReadText((elsewhere_ / "log.txt").string());

    // A data.dat of its own in the working folder is the one read, even when
    // it is no good.
    test::WriteFile((elsewhere_ / "data.dat").string(), {1, 2, 3});
    ASSERT_EQ(Run("quorrel-headless", "--frames 5 --log log.txt", &err), 0) << err;
    EXPECT_NE(err.find("memory error3"), std::string::npos) << err;
}

// Without settings of the player's own, an installed game starts with the
// look the game folder ships: point sampling, so scaled pictures stay sharp.
TEST_F(PackagedGame, TheShippedSettingsLieBesideTheData) {
    const std::string shipped = test::ReadText((games_.parent_path() / "share" / "games" / "quorrel" / "config.dat").string());
    ASSERT_EQ(shipped.size(), 16u);
    EXPECT_EQ(shipped.substr(12), std::string(4, '\0')) << "linear filtering off";
}

TEST_F(PackagedGame, StartsFromAnotherFolderAndShowsTheTitle) {
    const char* displayName = std::getenv("DISPLAY");
    ASSERT_NE(displayName, nullptr) << "run under tests/with_xvfb.sh";
    // What the title looks like, from the packaged headless game.
    test::WriteFile((elsewhere_ / "script.txt").string(),
                    {'1', '5', '0', ' ', 's', 'h', 'o', 't', ' ', 't', '.', 'p', 'n', 'g', '\n'});
    std::string err;
    ASSERT_EQ(Run("quorrel-headless", "--script script.txt --frames 151 --log log.txt", &err), 0) << err;
    const test::Screenshot title = test::LoadScreenshot((elsewhere_ / "t.png").string());
    ASSERT_EQ(title.width, kWidth);
    fs::remove(elsewhere_ / "t.png");
    fs::remove(elsewhere_ / "log.txt");
    fs::remove(elsewhere_ / "script.txt");

    const pid_t game = fork();
    ASSERT_GE(game, 0);
    if (game == 0) {
        if (chdir(elsewhere_.c_str()) != 0) _exit(127);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        const std::string program = (games_ / "quorrel").string();
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }

    Display* display = XOpenDisplay(displayName);
    ASSERT_NE(display, nullptr);
    // A generous bound for a busy machine: the title is usually up in a
    // second. The game leaving early ends the wait too.
    double best = 0;
    int status = 0;
    bool exited = false;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (best < 0.95 && std::chrono::steady_clock::now() < giveUp) {
        if (waitpid(game, &status, WNOHANG) == game) {
            exited = true;
            break;
        }
        if (const Window window = FindGameWindow(display, DefaultRootWindow(display)))
            best = std::max(best, Likeness(display, window, title));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    XCloseDisplay(display);
    if (!exited) {
        kill(game, SIGTERM);
        waitpid(game, &status, 0);
    }
    EXPECT_FALSE(exited) << "the game ended by itself, status " << status;
    EXPECT_GE(best, 0.95) << "the window never showed the title";
    EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere_), fs::directory_iterator{}), 0)
        << "the game writes nothing where it is started";
}

}  // namespace
}  // namespace q
