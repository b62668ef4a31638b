#pragma once
#include <cstdint>

namespace q {

enum Button : int {
    ButtonEnter = 0,
    ButtonRight,
    ButtonLeft,
    ButtonDown,
    ButtonUp,
    ButtonCtrl,
    ButtonEscape,
    ButtonZ,
    ButtonAction,
    kButtonCount
};

// Windows virtual-key codes; the back ends map them to physical keys.
enum VirtualKey : int32_t {
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_A = 65,
    VK_Z = 90,
};

struct KeyBinding {
    uint16_t current = 0;   // 0x80 when down at the last PollKeys
    uint16_t previous = 0;  // state at the poll before
    int32_t virtualKey = 0;
};

extern KeyBinding keyBindings[kButtonCount];
// The 28 keys the action button can take, in the order the key screen offers
// them: the letters A..Z, then Space and Shift.
constexpr int kSpaceChoice = 26;
constexpr int kShiftChoice = 27;
constexpr int kKeyChoiceCount = 28;

extern int32_t actionKeyChoice;  // one of the key choices
int32_t KeyChoiceVirtualKey(int choice);

void InitKeyBindings();
// Makes key choice 0..27 the action key, bound from the next poll on.
void ChooseActionKey(int choice);
void PollKeys();
int IsPressed(int button);
bool IsHeld(int button);

// Asks the active back end whether a virtual key is down now.
bool VirtualKeyDown(int32_t virtualKey);

}  // namespace q
