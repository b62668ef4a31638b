#pragma once
#include <cstdint>

namespace q {

// One on/off row of the options screen: an edited copy of the setting it
// points at, written back only when the screen is left.
struct OptionRow {
    int32_t value = 0;
    int32_t* target = nullptr;
};

constexpr int kOptionRowCount = 7;

extern OptionRow optionRows[kOptionRowCount];
extern int32_t optionsCursor;

void InitOptionRows();
void DrawOptionRows(int selected, const OptionRow* rows);

}  // namespace q
