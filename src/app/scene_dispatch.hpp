#pragma once
#include "app/scenes.hpp"

namespace q {

// The table the frame loop dispatches through: sceneTable, unless a test
// puts its own recording table in its place (nullptr puts sceneTable back).
const SceneTable& DispatchTable();
void SetDispatchTable(const SceneTable* table);

}  // namespace q
