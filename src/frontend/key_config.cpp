// The key configuration scene: chooses the key of the action button.
#include "frontend/key_config.hpp"

#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {
constexpr int kHeadingY = 100;
constexpr int kLabelX = 0;
constexpr int kRowY = 300;
constexpr int kKeyX = 500;
constexpr int kInstructionsY = 458;
}  // namespace

Rect KeyChoicePicture(int choice) {
    if (choice < 0 || choice >= kKeyChoiceCount) return Rect{};
    return atlas::kKeys[choice];
}

void KeyConfigUpdate() {
    PollKeys();
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) {
        SetScene(SCENE_TITLE);
        return;
    }
    int choice = Keys().actionKeyChoice;
    if (IsPressed(ButtonRight)) {
        choice += 1;
        if (choice > kKeyChoiceCount - 1) choice = 0;
        RequestSe(SE_CURSOR);
    }
    if (IsPressed(ButtonLeft)) {
        choice -= 1;
        if (choice < 0) choice = kKeyChoiceCount - 1;
        RequestSe(SE_CURSOR);
    }
    // The key shown is bound at once; the next poll already reads it.
    ChooseActionKey(choice);
}

void KeyConfigDraw() {
    DrawDimBackdrop();
    DrawSpriteCentered(kHeadingY, 1, atlas::kKeyConfigHeading, kUntinted);
    DrawSpriteAt(kLabelX, kRowY, 1, kUntinted, atlas::kKeyConfigLabel);
    DrawSpriteAt(kKeyX, kRowY, 1, kUntinted, KeyChoicePicture(Keys().actionKeyChoice));
    DrawSpriteCentered(kInstructionsY, 1, atlas::kPagesInstructions, kUntinted);
}

}  // namespace q
