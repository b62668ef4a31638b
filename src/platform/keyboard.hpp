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

// The keys the game can bind, by code; a letter's code is its capital
// letter. Each back end knows which physical keys make a code down.
enum KeyCode : int32_t {
    KEY_SHIFT = 16,
    KEY_CTRL = 17,
    KEY_ENTER = 13,
    KEY_ESCAPE = 27,
    KEY_SPACE = 32,
    KEY_LEFT = 37,
    KEY_UP = 38,
    KEY_RIGHT = 39,
    KEY_DOWN = 40,
    KEY_A = 65,
    KEY_Z = 90,
};

struct KeyBinding {
    uint16_t current = 0;   // 0x80 when down at the last PollKeys
    uint16_t previous = 0;  // state at the poll before
    int32_t key = 0;
};

// The 28 keys the action button can take, in the order the key screen offers
// them: the letters A..Z, then Space and Shift.
constexpr int kSpaceChoice = 26;
constexpr int kShiftChoice = 27;
constexpr int kKeyChoiceCount = 28;

// The nine buttons' keys and states, and the key choice of the action button.
struct KeyBindings {
    KeyBinding buttons[kButtonCount];
    int32_t actionKeyChoice = kSpaceChoice;  // one of the key choices
};
// The game's one set of bindings, as there is one keyboard.
KeyBindings& Keys();
int32_t KeyOfChoice(int choice);

void InitKeyBindings();
// Makes key choice 0..27 the action key, bound from the next poll on.
void ChooseActionKey(int choice);
void PollKeys();
bool IsPressed(int button);
bool IsHeld(int button);

// Asks the back end whether the key is down now.
bool KeyDown(int32_t key);

}  // namespace q
