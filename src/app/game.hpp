#pragma once

namespace q {

// Creates the window and initialises every subsystem in start-up order.
// false when the window could not be created (the program then exits 0).
// A failed resource start-up still returns true: the window is gone, so the
// loop ends at once with exit code 0.
bool StartGame();
// One pass of the game loop: drains window events (a close request runs
// Shutdown); once the window is gone, stores the exit code and returns true;
// otherwise runs one frame and returns false.
bool GameLoopStep(int* exitCode);
// What Shutdown does once StartGame has installed it: scene 0, then every
// resource released and the window destroyed.
void ShutdownGame();
// StartGame, then GameLoopStep until quit; the process exit code.
int RunGame();
// One frame: draw, update, wait.
void RunFrame();
void DrawFrame();
void UpdateFrame();

}  // namespace q
