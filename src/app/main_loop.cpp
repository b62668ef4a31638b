#include "app/game.hpp"
#include "platform/window.hpp"

namespace q {

// Our quit message always carries 0.
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
