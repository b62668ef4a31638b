#include "scene/scene.hpp"

namespace q {

namespace {
// The scene switch: one per process, as there is one game and one way out.
struct SceneSwitch {
    SceneId current = SCENE_IDLE;
    void (*shutdownHandler)() = nullptr;
};
SceneSwitch scenes;
}  // namespace

void SetScene(SceneId id) {
    // Callers pass constants; an id outside the table is refused rather than
    // becoming an index past its end.
    if (id < 0 || id >= kSceneCount) return;
    scenes.current = id;
}

SceneId CurrentScene() { return scenes.current; }

void Shutdown() {
    if (scenes.shutdownHandler) scenes.shutdownHandler();
}

void SetShutdownHandler(void (*handler)()) { scenes.shutdownHandler = handler; }

}  // namespace q
