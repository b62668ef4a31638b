#include "scene/scene.hpp"

namespace q {

namespace {
SceneId currentScene = SCENE_IDLE;
void (*shutdownHandler)() = nullptr;
}  // namespace

void SetScene(SceneId id) {
    // Callers pass constants; an id outside the table is refused rather than
    // becoming an index past its end.
    if (id < 0 || id >= kSceneCount) return;
    currentScene = id;
}

SceneId CurrentScene() { return currentScene; }

void Shutdown() {
    if (shutdownHandler) shutdownHandler();
}

void SetShutdownHandler(void (*handler)()) { shutdownHandler = handler; }

}  // namespace q
