#include "play/play_field.hpp"

#include "platform/core/rect.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_state.hpp"
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"

namespace q {

namespace {
constexpr int kReadyLabelY = 150;
constexpr int kReadyLabelScale = 2;
constexpr int kCountdownX = 310;
constexpr int kCountdownY = 260;
}  // namespace

void DrawPlayField(int sceneId) {
    if (!HasGameWorld()) return;
    DrawWorld(GameWorld());
    DrawPlayHud(sceneId, Session().floorNumber);
}

void ApplyShownFloorRules() {
    if (HasGameWorld()) ApplyFrameRules(GameWorld());
}

void DrawReadyCountdown() {
    DrawSpriteCentered(kReadyLabelY, kReadyLabelScale, atlas::kReadyLabel, kUntinted);
    DrawNumber(kCountdownX, kCountdownY, Session().sceneTimer, 2, 10);
}

void ShiftActorsBy(int dy) {
    if (!HasGameWorld() || dy == 0) return;
    World& w = GameWorld();
    for (Actor* a = LastActive(w); a != nullptr; a = PrevActive(w, *a)) a->y += dy;
}

}  // namespace q
