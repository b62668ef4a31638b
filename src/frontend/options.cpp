// The options screen: seven on/off settings, edited as copies and applied
// together when the player leaves.
#include "frontend/options.hpp"

#include "frontend/menu.hpp"
#include "platform/graphics.hpp"
#include "platform/keyboard.hpp"
#include "platform/settings.hpp"
#include "platform/sound.hpp"
#include "platform/sprite.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {

constexpr int kCursorSound = 0;
constexpr uint32_t kOpaque = 0xFFFFFFFFu;
constexpr uint32_t kFaint = 0x32FFFFFFu;
constexpr int kFirstRowY = 150;
constexpr int kRowSpacing = 40;
constexpr int kLabelX = 0;
constexpr int kChoiceX = 250;
constexpr int kChoiceSpacing = 200;
constexpr Rect kHeading{1032, 397, 1180, 425};
constexpr int kHeadingY = 50;
constexpr Rect kInstructions{1032, 595, 1335, 616};
constexpr int kInstructionsY = 458;

constexpr Rect kOff{1072, 307, 1124, 335};
constexpr Rect kOn{1032, 307, 1070, 335};

struct RowPictures {
    Rect label;
    Rect choice[2];  // pictures for the values 0 and 1
};

const RowPictures kRowPictures[kOptionRowCount] = {
    {{1155, 277, 1292, 305}, {kOff, kOn}},
    {{1032, 277, 1153, 305}, {kOff, kOn}},
    {{1032, 98, 1211, 125}, {{1130, 127, 1281, 155}, {1032, 127, 1128, 155}}},
    {{1032, 157, 1196, 185}, {{1032, 187, 1222, 215}, {1032, 217, 1222, 245}}},
    {{1032, 247, 1232, 275}, {kOff, kOn}},
    {{1126, 307, 1192, 335}, {{1032, 337, 1153, 365}, {1194, 307, 1312, 335}}},
    {{1234, 247, 1355, 275}, {kOff, kOn}},
};

int32_t* RowTarget(int row) {
    switch (row) {
        case 0: return &SeEnabled;
        case 1: return &BgmEnabled;
        case 2: return &settings.windowed;
        case 3: return &settings.colorDepth32;
        case 4: return &settings.vsync;
        case 5: return &settings.linearFilter;
        default: return &ExtraSpawnsEnabled;
    }
}

}  // namespace

OptionRow optionRows[kOptionRowCount];
int32_t optionsCursor = 0;

void InitOptionRows() {
    optionsCursor = 0;
    for (int r = 0; r < kOptionRowCount; ++r) {
        optionRows[r].target = RowTarget(r);
        optionRows[r].value = *optionRows[r].target;
    }
}

void ActOptions() {
    optionsCursor = 0;
    SetScene(SCENE_OPTIONS);
    // The values the device was made with, so that leaving applies only what changed.
    appliedSettings = settings;
}

void OptionsUpdate() {
    PollKeys();
    if (IsPressed(ButtonUp)) {
        optionsCursor -= 1;
        if (optionsCursor < 0) optionsCursor = kOptionRowCount - 1;
        RequestSe(kCursorSound);
    }
    if (IsPressed(ButtonDown)) {
        optionsCursor += 1;
        if (optionsCursor > kOptionRowCount - 1) optionsCursor = 0;
        RequestSe(kCursorSound);
    }
    // Either arrow toggles, so both together cancel out.
    int32_t v = optionRows[optionsCursor].value;
    if (IsPressed(ButtonRight)) {
        v = 1 - v;
        RequestSe(kCursorSound);
    }
    if (IsPressed(ButtonLeft)) {
        v = 1 - v;
        RequestSe(kCursorSound);
    }
    optionRows[optionsCursor].value = v;
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) {
        SetScene(SCENE_TITLE);
        optionsCursor = 0;
        for (OptionRow& row : optionRows) *row.target = row.value;
        // Without a device the game cannot go on.
        if (!ApplyGraphicsSettings()) Shutdown();
    }
}

void DrawOptionRows(int selected, const OptionRow* rows) {
    for (int r = 0; r < kOptionRowCount; ++r) {
        DrawSpriteAt(kLabelX, kFirstRowY + kRowSpacing * r, 1, r == selected ? kOpaque : kFaint,
                     kRowPictures[r].label);
    }
    for (int r = 0; r < kOptionRowCount; ++r) {
        for (int c = 0; c < 2; ++c) {
            DrawSpriteAt(kChoiceX + kChoiceSpacing * c, kFirstRowY + kRowSpacing * r, 1,
                         c == rows[r].value ? kOpaque : kFaint, kRowPictures[r].choice[c]);
        }
    }
}

void OptionsDraw() {
    DrawDimBackdrop();
    DrawSpriteCentered(kHeadingY, 1, kHeading, kOpaque);
    DrawOptionRows(optionsCursor, optionRows);
    DrawSpriteCentered(kInstructionsY, 1, kInstructions, kOpaque);
}

}  // namespace q
