#include "platform/keyboard.hpp"

#include "platform/backend_table.hpp"

namespace q {

constexpr uint16_t kKeyDown = 0x80;

static constexpr int32_t kDefaultKeys[kButtonCount] = {
    VK_RETURN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_UP, VK_CONTROL, VK_ESCAPE, VK_Z, VK_SPACE,
};

KeyBinding keyBindings[kButtonCount];
int32_t actionKeyChoice = kSpaceChoice;

int32_t KeyChoiceVirtualKey(int choice) {
    if (choice >= 0 && choice < kSpaceChoice) return VK_A + choice;
    if (choice == kShiftChoice) return VK_SHIFT;
    return VK_SPACE;
}

void InitKeyBindings() {
    // previous starts "down" so nothing can read as pressed before the first poll.
    for (int i = 0; i < kButtonCount; ++i) {
        keyBindings[i].current = 0;
        keyBindings[i].previous = kKeyDown;
        keyBindings[i].virtualKey = kDefaultKeys[i];
    }
    actionKeyChoice = kSpaceChoice;
}

void ChooseActionKey(int choice) {
    actionKeyChoice = choice;
    keyBindings[ButtonAction].virtualKey = KeyChoiceVirtualKey(choice);
}

void PollKeys() {
    for (KeyBinding& key : keyBindings) {
        key.previous = key.current;
        key.current = VirtualKeyDown(key.virtualKey) ? kKeyDown : 0;
    }
}

int IsPressed(int button) {
    if (button < 0 || button >= kButtonCount) return 0;
    const KeyBinding& key = keyBindings[button];
    return (key.current & ~key.previous & kKeyDown) ? 1 : 0;
}

bool IsHeld(int button) {
    if (button < 0 || button >= kButtonCount) return false;
    return (keyBindings[button].current & kKeyDown) != 0;
}

bool VirtualKeyDown(int32_t virtualKey) { return Backend().keyDown(virtualKey); }

}  // namespace q
