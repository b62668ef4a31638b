#pragma once
// Drives front-end scenes one update at a time with keys held on the headless
// back end, the way the frame loop would.
#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/backend.hpp"
#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"

namespace q::frontend_test {

// Holds exactly these keys down (every other key up) until the next call.
inline void HoldOnly(std::initializer_list<int32_t> keys) {
    headless::ReleaseAllKeys();
    for (int32_t k : keys) headless::SetKey(k, true);
}

// One frame's update of a scene with exactly these keys down; sound requests
// are cleared first, as the frame loop does.
inline void Frame(void (*update)(), std::initializer_list<int32_t> keys = {}) {
    HoldOnly(keys);
    ClearSoundRequests();
    update();
}

// Several frames with no key down.
inline void Idle(void (*update)(), int frames) {
    for (int i = 0; i < frames; ++i) Frame(update);
}

// Every draw call a draw handler makes.
inline std::vector<DrawCall> Draws(void (*draw)()) {
    StartDrawRecording();
    ClearRecordedDraws();
    draw();
    int count = 0;
    const DrawCall* calls = RecordedDraws(&count);
    std::vector<DrawCall> out(calls, calls + count);
    StopDrawRecording();
    return out;
}

inline bool Drew(const std::vector<DrawCall>& draws, const Rect& src) {
    for (const DrawCall& d : draws)
        if (d.src == src) return true;
    return false;
}

class FrontendTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousBackend_ = ActiveBackend();
        SelectBackend(BackendKind::Headless);
        headless::ReleaseAllKeys();
        InitKeyBindings();
        PollKeys();  // every button up, nothing pressed
    }
    void TearDown() override {
        headless::ReleaseAllKeys();
        InitKeyBindings();
        ClearSoundRequests();
        SelectBackend(previousBackend_);
    }

private:
    BackendKind previousBackend_ = BackendKind::Sdl;
};

}  // namespace q::frontend_test
