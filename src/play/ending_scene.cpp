#include "platform/keyboard.hpp"
#include "platform/core/rect.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_field.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"

namespace q {

namespace {
constexpr int kEndingTopY = 100;
constexpr int kEndingBottomY = 180;
}  // namespace

void EndingUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    if (!HasGameWorld()) return;
    World& w = GameWorld();
    w.scrollRequest = SCROLL_NONE;
    // The view rises a pixel a frame to the top; nothing on the floor moves.
    if (w.scrollY > 0) {
        w.scrollY -= 1;
        ShiftActorsBy(1);
    }
    // At or above the top (a damaged start row can be negative) Esc leaves, so
    // the ending can never hold the player.
    if (w.scrollY <= 0 && IsPressed(ButtonEscape)) {
        StopBgm();
        ReleaseAllActors(w);
        SetScene(SCENE_TITLE);
    }
}

void EndingDraw() {
    DrawPlayField(SCENE_ENDING);
    if (!HasGameWorld() || GameWorld().scrollY > 0) return;
    DrawSpriteCentered(kEndingTopY, 1, atlas::kEndingTop, kUntinted);
    DrawSpriteCentered(kEndingBottomY, 1, atlas::kEndingBottom, kUntinted);
}

}  // namespace q
