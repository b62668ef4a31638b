// Placeholder definitions until the application shell lands; delete each as
// the real one is written.
#include "app/game.hpp"
#include "app/scenes.hpp"

namespace q {
void SetScene(int) {}
int CurrentScene() { return 0; }
void ReturnToTitle() {}
void Shutdown() {}
bool StartGame() { return false; }
bool GameLoopStep(int* exitCode) { *exitCode = 0; return true; }
int RunGame() { return 0; }
void RunFrame() {}
void DrawFrame() {}
void UpdateFrame() {}
}  // namespace q
