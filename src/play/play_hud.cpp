#include "platform/core/sprite.hpp"
#include "play/play_field.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {
constexpr Rect kFloorLabelAt{2, 2, 55, 12};
constexpr int kFloorNumberX = 72, kFloorNumberY = 2;
}  // namespace

void DrawPlayHud(int sceneId, int floorNumber) {
    // Top right, only while playing.
    if (sceneId == SCENE_PLAY) DrawSpriteAt(500, 1, 1, kUntinted, atlas::kPlayKeysLabel);
    // The ending shows no floor number.
    if (sceneId == SCENE_ENDING) return;
    DrawSprite(kFloorLabelAt, atlas::kFloorLabel, kUntinted);
    DrawNumber(kFloorNumberX, kFloorNumberY, floorNumber, 2, 10);
}

}  // namespace q
