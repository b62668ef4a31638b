#include "headless/script.hpp"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "platform/keyboard.hpp"

namespace q::headless_tool {

namespace {
struct NamedKey {
    const char* name;
    int32_t code;
};

constexpr NamedKey kNamedKeys[] = {
    {"Enter", KEY_ENTER}, {"Right", KEY_RIGHT},   {"Left", KEY_LEFT},   {"Down", KEY_DOWN},   {"Up", KEY_UP},
    {"Ctrl", KEY_CTRL}, {"Escape", KEY_ESCAPE}, {"Space", KEY_SPACE}, {"Shift", KEY_SHIFT},
};

// Frames are plain non-negative decimal numbers.
bool ParseFrame(const std::string& word, int64_t* frame) {
    if (word.empty() || word.size() > 12) return false;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
    }
    *frame = std::strtoll(word.c_str(), nullptr, 10);
    return true;
}

std::string LineError(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}
}  // namespace

int32_t ScriptKeyCode(const std::string& name) {
    for (const NamedKey& key : kNamedKeys) {
        if (name == key.name) return key.code;
    }
    // Single letters, Z included, are their own key codes.
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<int32_t>(name[0]);
    return 0;
}

bool ParseScript(const std::string& text, std::vector<ScriptEvent>* events, std::string* error) {
    events->clear();
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string frameWord, verb, argument, extra;
        if (!(words >> frameWord)) continue;
        if (frameWord[0] == '#') continue;
        ScriptEvent event;
        if (!ParseFrame(frameWord, &event.frame)) {
            *error = LineError(lineNumber, "bad frame '" + frameWord + "'");
            return false;
        }
        if (!(words >> verb >> argument)) {
            *error = LineError(lineNumber, "expected 'FRAME down|up KEY' or 'FRAME shot PATH'");
            return false;
        }
        if (words >> extra) {
            *error = LineError(lineNumber, "unexpected '" + extra + "'");
            return false;
        }
        if (verb == "down" || verb == "up") {
            event.kind = verb == "down" ? EventKind::KeyDown : EventKind::KeyUp;
            event.key = ScriptKeyCode(argument);
            if (event.key == 0) {
                *error = LineError(lineNumber, "unknown key '" + argument + "'");
                return false;
            }
        } else if (verb == "shot") {
            event.kind = EventKind::Shot;
            event.path = argument;
        } else {
            *error = LineError(lineNumber, "unknown event '" + verb + "'");
            return false;
        }
        events->push_back(event);
    }
    std::stable_sort(events->begin(), events->end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return true;
}

}  // namespace q::headless_tool
