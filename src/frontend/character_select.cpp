// The character selection scene: the wheel, the name of the character in
// front and its portrait.
#include "frontend/character_wheel.hpp"
#include "platform/keyboard.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {
constexpr int kHeadingY = 50;
constexpr int kFigureWidth = 32;
constexpr int kFigureHeight = 64;
constexpr int kNameY = 400;
constexpr int kPortraitWidth = 140;
constexpr int kPortraitHeight = 256;

void DrawPortrait(const PortraitSlot& p) {
    if (p.alpha == 0) return;
    const Rect dest{p.x, p.y, p.x + kPortraitWidth, p.y + kPortraitHeight};
    DrawSprite(dest, p.src, (static_cast<uint32_t>(p.alpha) << 24) | 0xFFFFFFu);
}
}  // namespace

void CharacterSelectUpdate() {
    PollKeys();
    if (IsPressed(ButtonEscape)) {
        SetScene(SCENE_TITLE);
        return;
    }
    const int confirmed = StepWheel();
    StepPortraits();
    // A floor that cannot be loaded leaves the selection on screen.
    if (confirmed == 1) StartPlay();
}

void CharacterSelectDraw() {
    DrawDimBackdrop();
    DrawSpriteCentered(kHeadingY, 1, atlas::kCharacterHeading, kUntinted);
    for (const WheelEntry& e : CharacterState().wheel) {
        const Rect dest{e.x, e.y, e.x + kFigureWidth, e.y + kFigureHeight};
        DrawSprite(dest, e.frames[e.animFrame & (kWheelFrames - 1)], kUntinted);
        if (e.angle == kFrontAngle) DrawSpriteCentered(kNameY, 1, e.nameRect, kUntinted);
    }
    // The chosen character's portrait goes last so that it lies on top.
    for (int i = 0; i < kPortraitSlots; ++i)
        if (i != Session().character) DrawPortrait(CharacterState().portraits[i]);
    if (Session().character >= 0 && Session().character < kPortraitSlots) DrawPortrait(CharacterState().portraits[Session().character]);
}

}  // namespace q
