// quorrel-headless's key script.
#include <cstdlib>
#include <string>
#include <vector>

#include "headless/script.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace q::headless_tool;
    std::vector<ScriptEvent> events;
    std::string error;
    if (!ParseScript(std::string(reinterpret_cast<const char*>(data), size), &events, &error)) return 0;
    // Events come out in frame order, every key one the game knows.
    for (size_t i = 0; i < events.size(); ++i) {
        if (i && events[i].frame < events[i - 1].frame) std::abort();
        if (events[i].kind != EventKind::Shot && events[i].key == 0) std::abort();
    }
    return 0;
}
