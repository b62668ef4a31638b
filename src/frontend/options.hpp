#pragma once
#include <cstdint>

namespace q {

// One on/off row of the options screen: an edited copy of its setting, set
// only when the screen is left.
struct OptionRow {
    int32_t value = 0;
};

constexpr int kOptionRowCount = 7;

// The options screen: its rows, the row selected, and the display mode as
// the rows last saw it (Alt+Enter switches it anywhere in the game, and the
// display row follows).
struct OptionsScreen {
    OptionRow rows[kOptionRowCount];
    int32_t cursor = 0;
    int32_t windowedSeen = 1;
};
// The game's one options screen: scene handlers take no arguments.
OptionsScreen& OptionsState();

void InitOptionRows();
void DrawOptionRows(int selected, const OptionRow* rows);

}  // namespace q
