#include "app/world_storage.hpp"

#include <new>

#include "platform/core/memory.hpp"
#include "play/play_state.hpp"
#include "world/world.hpp"

namespace q {

bool CreateGameWorld() {
    if (HasGameWorld()) return true;
    void* block = AllocZeroed(sizeof(World));
    if (!block) return false;
    SetGameWorld(new (block) World());
    return true;
}

void DestroyGameWorld() {
    if (!HasGameWorld()) return;
    World* world = &GameWorld();
    // Nobody may reach the world once its memory is being given back.
    SetGameWorld(nullptr);
    world->~World();
    FreeCounted(world);
}

}  // namespace q
