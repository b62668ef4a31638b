#pragma once
#include <cstdint>

namespace q {

// One on/off row of the options screen: an edited copy of its setting, set
// only when the screen is left.
struct OptionRow {
    int32_t value = 0;
};

constexpr int kOptionRowCount = 7;

extern OptionRow optionRows[kOptionRowCount];
extern int32_t optionsCursor;

void InitOptionRows();
void DrawOptionRows(int selected, const OptionRow* rows);

}  // namespace q
