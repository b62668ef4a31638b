// The three-character wheel and the portraits of the selection screen.
#include "frontend/character_wheel.hpp"

#include <cmath>

#include "platform/core/atlas_layout.hpp"
#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "play/play_state.hpp"

namespace q {

namespace {

// The wheel's geometry is computed with this rounded pi and truncated, which
// is what puts the three resting places exactly where the pictures expect them.
constexpr double kWheelPi = 3.14159;
constexpr int kWheelCentreX = 213;
constexpr int kWheelCentreY = 240;
constexpr int kWheelRadius = 80;
constexpr int kBackLeftAngle = 210;
constexpr int kBackRightAngle = 330;
constexpr int kTurnStep = 10;

constexpr int kPortraitStartX = 490;
constexpr int kPortraitShownX = 370;
constexpr int kPortraitY = 150;
constexpr int kPortraitSlide = 10;
constexpr int kPortraitFade = 10;

constexpr int kWheelAngles[kWheelEntries] = {kFrontAngle, kBackLeftAngle, kBackRightAngle};

void StartTurn(int step) {
    for (WheelEntry& e : CharacterState().wheel) {
        e.handler = WheelTurn;
        e.angleStep = step;
    }
    RequestSe(SE_CURSOR);
}

}  // namespace

CharacterScreen& CharacterState() {
    static CharacterScreen screen;
    return screen;
}

void PlaceOnWheel(WheelEntry* e) {
    const double r = e->angle * kWheelPi / 180;
    e->x = static_cast<int32_t>(std::cos(r) * kWheelRadius) + kWheelCentreX;
    e->y = static_cast<int32_t>(std::sin(r) * kWheelRadius) + kWheelCentreY;
}

int WheelRest(WheelEntry* e) {
    // Only the character in front walks on the spot.
    if (e->angle == kFrontAngle) e->animFrame = (e->animFrame + 1) % kWheelFrames;
    PlaceOnWheel(e);
    return 1;
}

int WheelTurn(WheelEntry* e) {
    e->animFrame = 0;
    e->angle += e->angleStep;
    if (e->angle >= 360) e->angle -= 360;
    if (e->angle < 0) e->angle += 360;
    PlaceOnWheel(e);
    if (e->angle == kFrontAngle || e->angle == kBackLeftAngle || e->angle == kBackRightAngle)
        e->handler = WheelRest;
    return 0;
}

void InitCharacterWheel() {
    for (int i = 0; i < kWheelEntries; ++i) {
        WheelEntry& e = CharacterState().wheel[i];
        e.angle = kWheelAngles[i];
        e.angleStep = 0;
        e.characterId = i;
        e.animFrame = 0;
        e.nameRect = atlas::kCharacterNames[i];
        // Walking on the spot facing the viewer: A, B, A, C, four frames each.
        for (int f = 0; f < kWheelFrames; ++f) {
            const int step = f / 4;
            e.frames[f] = atlas::Pose(i, FACING_VIEWER, step == 1 ? 1 : step == 3 ? 2 : 0);
        }
        e.handler = WheelRest;
        PlaceOnWheel(&e);
    }
    SetCharacter(0);
}

void InitPortraits() {
    for (int i = 0; i < kPortraitSlots; ++i) {
        PortraitSlot& p = CharacterState().portraits[i];
        p.x = kPortraitStartX;
        p.y = kPortraitY;
        p.dx = kPortraitSlide;
        p.alpha = 0;
        p.dalpha = kPortraitFade;
        // Only the three playable characters have a picture; the rest stay empty.
        p.src = i < kWheelEntries ? atlas::kPortraits[i] : Rect{};
    }
}

int StepWheel() {
    int restCount = 0;
    for (WheelEntry& e : CharacterState().wheel) {
        if (e.angle == kFrontAngle) SetCharacter(e.characterId);
        // Before the first set-up an entry has no handler yet: it simply stays put.
        if (e.handler && e.handler(&e) == 1) ++restCount;
    }
    // While the wheel turns no key is looked at, and nothing is queued.
    if (restCount != kWheelEntries) return 0;
    // A later key of the same frame overrides an earlier one.
    if (IsPressed(ButtonRight)) StartTurn(-kTurnStep);
    if (IsPressed(ButtonDown)) StartTurn(-kTurnStep);
    if (IsPressed(ButtonLeft)) StartTurn(kTurnStep);
    if (IsPressed(ButtonUp)) StartTurn(kTurnStep);
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) return 1;
    return 0;
}

void StepPortraits() {
    for (int i = 0; i < kPortraitSlots; ++i) {
        PortraitSlot& p = CharacterState().portraits[i];
        if (i == Session().character) {
            p.dx = -kPortraitSlide;
            p.dalpha = kPortraitFade;
        } else {
            p.dx = kPortraitSlide;
            p.dalpha = -kPortraitFade;
        }
        p.x += p.dx;
        if (p.x < kPortraitShownX) p.x = kPortraitShownX;
        if (p.x > kPortraitStartX) p.x = kPortraitStartX;
        p.alpha += p.dalpha;
        if (p.alpha > 255) p.alpha = 255;
        if (p.alpha < 0) p.alpha = 0;
    }
}

}  // namespace q
