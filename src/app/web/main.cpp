// The game in a web page: the same start-up and frames as on the desktop,
// but the browser calls each frame, so main returns at once and the page
// keeps the game alive.
#include <string>

#include "app/game.hpp"
#include "platform/web/browser.hpp"
#include "platform/window.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace {

bool BrowserFrame() {
    int exitCode = 0;
    return q::GameLoopStep(&exitCode);
}

void GameEnded() {
    q::EndWindowSystem();
    q::ShowGameEndedPage();
}

}  // namespace

// What the page's tests read while the game runs, as quorrel-headless logs it.
extern "C" __attribute__((used)) int quorrel_scene() { return q::CurrentScene(); }
extern "C" __attribute__((used)) int quorrel_floor() { return q::floorNumber; }
extern "C" __attribute__((used)) int quorrel_play_mode() { return q::playMode; }

namespace {

// A floor shared as a link (index.html#floor=...) is played at once, in place
// of the title: the page has put it in floor.dat and says how, --play or
// --demo (its solver's way, as demo replay plays a demo).
void PlaySharedFloor(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option != "--play" && option != "--demo") continue;
        q::SetFloorNumber(1);
        q::SetPlayMode(option == "--demo" ? q::PLAY_MODE_REPLAY : q::PLAY_MODE_NORMAL);
        q::StartPlay();
        return;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!q::StartGame()) {
        GameEnded();
        return 0;
    }
    PlaySharedFloor(argc, argv);
    q::RunOnAnimationFrames(&BrowserFrame, &GameEnded);
    return 0;
}
