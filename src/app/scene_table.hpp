#pragma once
#include "scene/scene.hpp"

namespace q {

using SceneHandler = void (*)();

// Every scene's update and draw handler, indexed by SceneId.
struct SceneTable {
    SceneHandler update[kSceneCount];
    SceneHandler draw[kSceneCount];
};
extern const SceneTable GameScenes;

// The table the frame loop dispatches through: GameScenes, unless a test
// puts its own recording table in its place (nullptr puts GameScenes back).
const SceneTable& DispatchTable();
void SetDispatchTable(const SceneTable* table);

}  // namespace q
