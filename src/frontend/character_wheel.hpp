#pragma once
#include <cstdint>

#include "platform/core/rect.hpp"

namespace q {

struct WheelEntry;
// Returns 1 when the entry is at rest, 0 while it turns.
using WheelHandler = int (*)(WheelEntry*);

constexpr int kWheelEntries = 3;
// The angle of the place in front, where the chosen character stands.
constexpr int kFrontAngle = 90;
constexpr int kWheelFrames = 16;
constexpr int kPortraitSlots = 127;

// One character standing on the turning wheel of the selection screen.
struct WheelEntry {
    int32_t x = 0;
    int32_t y = 0;
    int32_t angle = 0;      // degrees, 0..359; 90 is the front
    int32_t angleStep = 0;  // degrees per frame while turning
    int32_t characterId = 0;
    int32_t animFrame = 0;  // 0..15
    Rect nameRect;
    Rect frames[kWheelFrames];
    WheelHandler handler = nullptr;
};

// A large portrait that slides in for the character in front.
struct PortraitSlot {
    int32_t x = 0;
    int32_t y = 0;
    int32_t dx = 0;
    int32_t alpha = 0;
    int32_t dalpha = 0;
    Rect src;
};

// The character selection screen: the wheel and the portraits.
struct CharacterScreen {
    WheelEntry wheel[kWheelEntries];
    PortraitSlot portraits[kPortraitSlots];
};
// The game's one selection screen: scene handlers take no arguments.
CharacterScreen& CharacterState();

void InitCharacterWheel();
void InitPortraits();
void PlaceOnWheel(WheelEntry* e);
int WheelRest(WheelEntry* e);
int WheelTurn(WheelEntry* e);
// One frame of the wheel; 1 when the player confirmed the character in front.
int StepWheel();
// One frame of the portraits' slide and fade.
void StepPortraits();

}  // namespace q
