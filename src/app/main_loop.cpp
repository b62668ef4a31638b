#include "app/game.hpp"
#include "platform/window.hpp"

namespace q {

// However the game ends, it exits with 0.
constexpr int kQuitCode = 0;

bool GameLoopStep(int* exitCode) {
    if (PumpWindowEvents(&ShutdownGame)) {
        *exitCode = kQuitCode;
        return true;
    }
    RunFrame();
    return false;
}

int RunGame() {
    if (!StartGame()) {
        EndWindowSystem();
        return 0;
    }
    int exitCode = 0;
    while (!GameLoopStep(&exitCode)) {
    }
    EndWindowSystem();
    return exitCode;
}

}  // namespace q
