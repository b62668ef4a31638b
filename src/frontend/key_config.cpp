// The key configuration scene: chooses the key of the action button.
#include "frontend/key_config.hpp"

#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "platform/sprite.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {
constexpr int kCursorSound = 0;
constexpr uint32_t kOpaque = 0xFFFFFFFFu;
constexpr int kLettersPerRow = 9;
constexpr int kKeyPitch = 33;
constexpr int kKeyWidth = 32;
constexpr int kKeyHeight = 34;
constexpr int kFirstKeyX = 1032;
constexpr int kFirstKeyTop = 490;
constexpr int kKeyRowPitch = 35;
constexpr int kSpaceChoice = 26;
constexpr int kShiftChoice = 27;
constexpr Rect kSpacePicture{1032, 455, 1128, 489};
constexpr Rect kShiftPicture{1226, 455, 1322, 489};
constexpr Rect kHeading{1155, 337, 1358, 365};
constexpr int kHeadingY = 100;
constexpr Rect kLabel{1032, 647, 1375, 675};
constexpr int kLabelX = 0;
constexpr int kRowY = 300;
constexpr int kKeyX = 500;
constexpr Rect kInstructions{1032, 700, 1468, 721};
constexpr int kInstructionsY = 458;
}  // namespace

Rect KeyChoicePicture(int choice) {
    if (choice == kSpaceChoice) return kSpacePicture;
    if (choice == kShiftChoice) return kShiftPicture;
    if (choice < 0 || choice > kShiftChoice) return Rect{};
    // The letters are laid out nine to a row: A..I, J..R, S..Z.
    const int row = choice / kLettersPerRow;
    const int col = choice % kLettersPerRow;
    const int left = kFirstKeyX + kKeyPitch * col;
    const int top = kFirstKeyTop + kKeyRowPitch * row;
    return Rect{left, top, left + kKeyWidth, top + kKeyHeight};
}

void KeyConfigUpdate() {
    PollKeys();
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) {
        SetScene(SCENE_TITLE);
        return;
    }
    if (IsPressed(ButtonRight)) {
        actionKeyChoice += 1;
        if (actionKeyChoice > kKeyChoiceCount - 1) actionKeyChoice = 0;
        RequestSe(kCursorSound);
    }
    if (IsPressed(ButtonLeft)) {
        actionKeyChoice -= 1;
        if (actionKeyChoice < 0) actionKeyChoice = kKeyChoiceCount - 1;
        RequestSe(kCursorSound);
    }
    // The key shown is bound at once; the next poll already reads it.
    keyBindings[ButtonAction].virtualKey = KeyChoiceVirtualKey(actionKeyChoice);
}

void KeyConfigDraw() {
    DrawDimBackdrop();
    DrawSpriteCentered(kHeadingY, 1, kHeading, kOpaque);
    DrawSpriteAt(kLabelX, kRowY, 1, kOpaque, kLabel);
    DrawSpriteAt(kKeyX, kRowY, 1, kOpaque, KeyChoicePicture(actionKeyChoice));
    DrawSpriteCentered(kInstructionsY, 1, kInstructions, kOpaque);
}

}  // namespace q
