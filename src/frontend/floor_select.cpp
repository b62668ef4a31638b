// The floor selection scene: picks the floor the next game starts on.
#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "world/floor.hpp"

namespace q {

namespace {
constexpr int kFirstFloor = 1;
constexpr int kRowOfFloors = 10;
constexpr int kLabelX = 200;
constexpr int kLabelY = 200;
constexpr int kNumberX = 410;
constexpr int kNumberY = 200;
constexpr int kInstructionsY = 460;
}  // namespace

void FloorSelectUpdate() {
    PollKeys();
    int n = Session().floorNumber;
    // One arrow per frame, the first in this order wins.
    if (IsPressed(ButtonLeft)) {
        n -= 1;
        if (n < kFirstFloor) n = kLastFloor;
    } else if (IsPressed(ButtonRight)) {
        n += 1;
        if (n > kLastFloor) n = kFirstFloor;
    } else if (IsPressed(ButtonDown)) {
        n += kRowOfFloors;
        if (n > kLastFloor) n -= kLastFloor;
    } else if (IsPressed(ButtonUp)) {
        n -= kRowOfFloors;
        if (n < kFirstFloor) n += kLastFloor;
    } else {
        if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) SetScene(SCENE_TITLE);
        return;
    }
    SetFloorNumber(n);
    RequestSe(SE_CURSOR);
}

void FloorSelectDraw() {
    DrawDimBackdrop();
    DrawSpriteAt(kLabelX, kLabelY, 1, kUntinted, atlas::kFloorSelectLabel);
    DrawBigNumber(kNumberX, kNumberY, Session().floorNumber, 2, 10);
    DrawSpriteCentered(kInstructionsY, 1, atlas::kFloorSelectHelp, kUntinted);
}

}  // namespace q
