#include "scene/scene.hpp"

namespace q {

namespace {
int currentScene = SCENE_IDLE;
void (*shutdownHandler)() = nullptr;
}  // namespace

void SetScene(int id) {
    // Callers pass constants; an id outside the table is refused rather than
    // becoming an index past its end.
    if (id < 0 || id >= kSceneCount) return;
    currentScene = id;
}

int CurrentScene() { return currentScene; }

void Shutdown() {
    if (shutdownHandler) shutdownHandler();
}

void SetShutdownHandler(void (*handler)()) { shutdownHandler = handler; }

}  // namespace q
