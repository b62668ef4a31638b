#include "platform/keyboard.hpp"

#include "platform/backend_table.hpp"
#include "platform/pads.hpp"

namespace q {

constexpr uint16_t kKeyDown = 0x80;

static constexpr int32_t kDefaultKeys[kButtonCount] = {
    KEY_ENTER, KEY_RIGHT, KEY_LEFT, KEY_DOWN, KEY_UP, KEY_CTRL, KEY_ESCAPE, KEY_Z, KEY_SPACE,
};

KeyBindings& Keys() {
    static KeyBindings keys;
    return keys;
}

int32_t KeyOfChoice(int choice) {
    if (choice >= 0 && choice < kSpaceChoice) return KEY_A + choice;
    if (choice == kShiftChoice) return KEY_SHIFT;
    return KEY_SPACE;
}

void InitKeyBindings() {
    // previous starts "down" so nothing can read as pressed before the first poll.
    for (int i = 0; i < kButtonCount; ++i) {
        Keys().buttons[i].current = 0;
        Keys().buttons[i].previous = kKeyDown;
        Keys().buttons[i].key = kDefaultKeys[i];
    }
    Keys().actionKeyChoice = kSpaceChoice;
}

void ChooseActionKey(int choice) {
    Keys().actionKeyChoice = choice;
    Keys().buttons[ButtonAction].key = KeyOfChoice(choice);
}

void PollKeys() {
    // A button is down while its key or any pad holds it.
    const uint32_t pads = PadButtonsHeld();
    for (int i = 0; i < kButtonCount; ++i) {
        KeyBinding& key = Keys().buttons[i];
        key.previous = key.current;
        key.current = (KeyDown(key.key) || (pads >> i & 1u) != 0) ? kKeyDown : 0;
    }
}

bool IsPressed(int button) {
    if (button < 0 || button >= kButtonCount) return false;
    const KeyBinding& key = Keys().buttons[button];
    return (key.current & ~key.previous & kKeyDown) != 0;
}

bool IsHeld(int button) {
    if (button < 0 || button >= kButtonCount) return false;
    return (Keys().buttons[button].current & kKeyDown) != 0;
}

bool KeyDown(int32_t key) { return Backend().keyDown(key); }

}  // namespace q
