// The game in a web page: the same start-up and frames as on the desktop,
// but the browser calls each frame, so main returns at once and the page
// keeps the game alive.
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
extern "C" __attribute__((used)) int quorrel_floor() { return q::Session().floorNumber; }
extern "C" __attribute__((used)) int quorrel_play_mode() { return q::Session().playMode; }

int main() {
    if (!q::StartGame()) {
        GameEnded();
        return 0;
    }
    q::RunOnAnimationFrames(&BrowserFrame, &GameEnded);
    return 0;
}
