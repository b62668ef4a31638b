#include "platform/keyboard.hpp"
#include "platform/core/rect.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_field.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {
constexpr int kMapScrollStep = 4;
// The lowest view shows the floor down to one row above its last.
constexpr int kMapBottomMargin = 496;

constexpr int kMapLabelY = 150;
constexpr uint32_t kHalfTransparent = 0x80FFFFFF;
constexpr int kMapHintX = 480;
constexpr int kMapHintY = 2;

// Actors follow the view so they keep their places on the floor.
void ShiftActorsForRequest(int request) {
    if (request == SCROLL_DOWN) ShiftActorsBy(-kMapScrollStep);
    if (request == SCROLL_UP) ShiftActorsBy(kMapScrollStep);
}
}  // namespace

void MapViewUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    if (!HasGameWorld()) return;
    World& w = GameWorld();
    w.scrollRequest = SCROLL_NONE;
    // Down is looked at first and wins while held, even at the bottom.
    if (IsHeld(ButtonDown)) {
        if (w.scrollY < w.floorRows * 16 - kMapBottomMargin) {
            w.scrollY += kMapScrollStep;
            w.scrollRequest = SCROLL_DOWN;
        }
    } else if (IsHeld(ButtonUp)) {
        if (w.scrollY > 0) {
            w.scrollY -= kMapScrollStep;
            w.scrollRequest = SCROLL_UP;
        }
    }
    ShiftActorsForRequest(w.scrollRequest);
    if (IsPressed(ButtonCtrl)) {
        RequestSe(SE_PAUSE);
        SetScene(SCENE_MAP_RETURN);
    }
}

void MapViewDraw() {
    DrawPlayField(SCENE_MAP_VIEW);
    DrawSpriteCentered(kMapLabelY, 2, atlas::kMapLabel, kHalfTransparent);
    DrawSpriteAt(kMapHintX, kMapHintY, 1, kUntinted, atlas::kMapKeysLabel);
}

void MapReturnUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    if (!HasGameWorld()) {
        SetScene(SCENE_PLAY);
        return;
    }
    World& w = GameWorld();
    w.scrollRequest = SCROLL_NONE;
    if (w.scrollY < Session().savedScrollY) {
        w.scrollY += kMapScrollStep;
        w.scrollRequest = SCROLL_DOWN;
    }
    if (Session().savedScrollY < w.scrollY) {
        w.scrollY -= kMapScrollStep;
        w.scrollRequest = SCROLL_UP;
    }
    ShiftActorsForRequest(w.scrollRequest);
    if (w.scrollY == Session().savedScrollY) SetScene(SCENE_PLAY);
}

void MapReturnDraw() { DrawPlayField(SCENE_MAP_RETURN); }

}  // namespace q
