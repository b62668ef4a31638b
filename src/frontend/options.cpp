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

constexpr uint32_t kFaint = 0x32FFFFFFu;
constexpr int kFirstRowY = 150;
constexpr int kRowSpacing = 40;
constexpr int kLabelX = 0;
constexpr int kChoiceX = 250;
constexpr int kChoiceSpacing = 200;
constexpr int kHeadingY = 50;
constexpr int kInstructionsY = 458;


struct RowPictures {
    Rect label;
    Rect choice[2];  // pictures for the values 0 and 1
};

const RowPictures kRowPictures[kOptionRowCount] = {
    {atlas::kOptionSound, {atlas::kChoiceOff, atlas::kChoiceOn}},
    {atlas::kOptionMusic, {atlas::kChoiceOff, atlas::kChoiceOn}},
    {atlas::kOptionDisplay, {atlas::kChoiceFullScreen, atlas::kChoiceWindow}},
    {atlas::kOptionColour, {atlas::kChoice16Bit, atlas::kChoice32Bit}},
    {atlas::kOptionVsync, {atlas::kChoiceOff, atlas::kChoiceOn}},
    {atlas::kOptionFilter, {atlas::kChoicePoint, atlas::kChoiceLinear}},
    {atlas::kOptionChasers, {atlas::kChoiceOff, atlas::kChoiceOn}},
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
        RequestSe(SE_CURSOR);
    }
    if (IsPressed(ButtonDown)) {
        optionsCursor += 1;
        if (optionsCursor > kOptionRowCount - 1) optionsCursor = 0;
        RequestSe(SE_CURSOR);
    }
    // Either arrow toggles, so both together cancel out.
    int32_t v = optionRows[optionsCursor].value;
    if (IsPressed(ButtonRight)) {
        v = 1 - v;
        RequestSe(SE_CURSOR);
    }
    if (IsPressed(ButtonLeft)) {
        v = 1 - v;
        RequestSe(SE_CURSOR);
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
        DrawSpriteAt(kLabelX, kFirstRowY + kRowSpacing * r, 1, r == selected ? kUntinted : kFaint,
                     kRowPictures[r].label);
    }
    for (int r = 0; r < kOptionRowCount; ++r) {
        for (int c = 0; c < 2; ++c) {
            DrawSpriteAt(kChoiceX + kChoiceSpacing * c, kFirstRowY + kRowSpacing * r, 1,
                         c == rows[r].value ? kUntinted : kFaint, kRowPictures[r].choice[c]);
        }
    }
}

void OptionsDraw() {
    DrawDimBackdrop();
    DrawSpriteCentered(kHeadingY, 1, atlas::kOptionsHeading, kUntinted);
    DrawOptionRows(optionsCursor, optionRows);
    DrawSpriteCentered(kInstructionsY, 1, atlas::kOptionsHelp, kUntinted);
}

}  // namespace q
