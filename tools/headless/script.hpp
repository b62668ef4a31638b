#pragma once
// The key script of quorrel-headless: one event per line,
//   FRAME down KEY | FRAME up KEY | FRAME shot PATH.png
// with frames counted from 0. Blank lines and lines starting with '#' are
// skipped.
#include <cstdint>
#include <string>
#include <vector>

namespace q::headless_tool {

enum class EventKind { KeyDown, KeyUp, Shot };

struct ScriptEvent {
    int64_t frame = 0;
    EventKind kind = EventKind::KeyDown;
    int32_t key = 0;  // key events
    std::string path;        // shots
};

// Key code of a script key name (Enter Right Left Down Up Ctrl Escape
// Z Space Shift, or a letter A..Z); 0 for an unknown name.
int32_t ScriptKeyCode(const std::string& name);

// Parses the whole script. On a bad line returns false and describes it in
// *error ("line 3: unknown key 'Tab'"). Events come out sorted by frame, in
// file order within a frame.
bool ParseScript(const std::string& text, std::vector<ScriptEvent>* events, std::string* error);

}  // namespace q::headless_tool
