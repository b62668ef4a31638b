// The options screen: seven on/off settings, edited as copies and applied
// together when the player leaves.
#include "frontend/options.hpp"

#include "frontend/menu.hpp"
#include "platform/graphics.hpp"
#include "platform/keyboard.hpp"
#include "platform/core/settings.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_state.hpp"
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

// The rows in screen order.
enum OptionRowId : int { ROW_EFFECTS, ROW_MUSIC, ROW_WINDOWED, ROW_COLOUR_DEPTH, ROW_VSYNC, ROW_FILTER, ROW_CHASERS };

// A display row's field of the settings, which holds whatever config.dat
// gave it.
template <typename Settings>
auto& DisplayField(Settings& s, int row) {
    switch (row) {
        case ROW_WINDOWED: return s.windowed;
        case ROW_COLOUR_DEPTH: return s.colorDepth32;
        case ROW_VSYNC: return s.vsync;
        default: return s.linearFilter;
    }
}

int32_t CurrentValue(int row) {
    switch (row) {
        case ROW_EFFECTS: return EffectsEnabled() ? 1 : 0;
        case ROW_MUSIC: return MusicEnabled() ? 1 : 0;
        case ROW_CHASERS: return ChasersEnabled() ? 1 : 0;
        default: return DisplayField(settings, row);
    }
}

void FollowDisplaySwitch() {
    if (settings.windowed == OptionsState().windowedSeen) return;
    OptionsState().windowedSeen = settings.windowed;
    OptionsState().rows[ROW_WINDOWED].value = settings.windowed;
}

// Leaving the screen sets every row at once; false when the display could
// not be made with the new settings.
bool ApplyRows() {
    SetEffectsEnabled(OptionsState().rows[ROW_EFFECTS].value != 0);
    SetMusicEnabled(OptionsState().rows[ROW_MUSIC].value != 0);
    SetChasersEnabled(OptionsState().rows[ROW_CHASERS].value != 0);
    GameSettings wanted = settings;
    for (int row : {ROW_WINDOWED, ROW_COLOUR_DEPTH, ROW_VSYNC, ROW_FILTER})
        DisplayField(wanted, row) = OptionsState().rows[row].value;
    const bool applied = ApplyDisplaySettings(wanted);
    OptionsState().windowedSeen = settings.windowed;
    return applied;
}

}  // namespace

OptionsScreen& OptionsState() {
    static OptionsScreen options;
    return options;
}

void InitOptionRows() {
    OptionsState().cursor = 0;
    for (int r = 0; r < kOptionRowCount; ++r) OptionsState().rows[r].value = CurrentValue(r);
    OptionsState().windowedSeen = settings.windowed;
}

void ActOptions() {
    FollowDisplaySwitch();
    OptionsState().cursor = 0;
    SetScene(SCENE_OPTIONS);
}

void OptionsUpdate() {
    FollowDisplaySwitch();
    PollKeys();
    if (IsPressed(ButtonUp)) {
        OptionsState().cursor -= 1;
        if (OptionsState().cursor < 0) OptionsState().cursor = kOptionRowCount - 1;
        RequestSe(SE_CURSOR);
    }
    if (IsPressed(ButtonDown)) {
        OptionsState().cursor += 1;
        if (OptionsState().cursor > kOptionRowCount - 1) OptionsState().cursor = 0;
        RequestSe(SE_CURSOR);
    }
    // Either arrow toggles, so both together cancel out.
    int32_t v = OptionsState().rows[OptionsState().cursor].value;
    if (IsPressed(ButtonRight)) {
        v = 1 - v;
        RequestSe(SE_CURSOR);
    }
    if (IsPressed(ButtonLeft)) {
        v = 1 - v;
        RequestSe(SE_CURSOR);
    }
    OptionsState().rows[OptionsState().cursor].value = v;
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) {
        SetScene(SCENE_TITLE);
        OptionsState().cursor = 0;
        // Without a device the game cannot go on.
        if (!ApplyRows()) Shutdown();
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
    DrawOptionRows(OptionsState().cursor, OptionsState().rows);
    DrawSpriteCentered(kInstructionsY, 1, atlas::kOptionsHelp, kUntinted);
}

}  // namespace q
