#pragma once
// Runs the real start-up, frame and shutdown code on the headless back end in
// an empty working folder, with the scenes replaced by recording handlers.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/game.hpp"
#include "app/scene_table.hpp"
#include "platform/backend.hpp"
#include "platform/clock.hpp"
#include "platform/keyboard.hpp"
#include "platform/core/memory.hpp"
#include "platform/core/settings.hpp"
#include "platform/test_hooks.hpp"
#include "platform/window.hpp"
#include "scene/scene.hpp"

namespace q::shell_test {

// One handler call: scene number and 'U' (update) or 'D' (draw).
struct Call {
    int scene;
    char half;
    bool operator==(const Call&) const = default;
};

inline std::vector<Call> calls;
// What a recording handler does besides recording, per scene.
inline std::function<void()> onUpdate[kSceneCount];
inline std::function<void()> onDraw[kSceneCount];

template <int N>
void RecordUpdate() {
    calls.push_back({N, 'U'});
    if (onUpdate[N]) onUpdate[N]();
}
template <int N>
void RecordDraw() {
    calls.push_back({N, 'D'});
    if (onDraw[N]) onDraw[N]();
}

template <int... N>
constexpr SceneTable MakeRecordingTable(std::integer_sequence<int, N...>) {
    return SceneTable{{&RecordUpdate<N>...}, {&RecordDraw<N>...}};
}
inline const SceneTable recordingTable = MakeRecordingTable(std::make_integer_sequence<int, kSceneCount>{});

inline int CountCalls(char half) {
    int n = 0;
    for (const Call& c : calls) n += c.half == half ? 1 : 0;
    return n;
}

class ShellHarness : public ::testing::Test {
protected:
    void SetUp() override {
        savedBackend_ = ActiveBackend();
        SelectBackend(BackendKind::Headless);
        savedDir_ = std::filesystem::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        workDir_ = std::filesystem::temp_directory_path() /
                   (std::string("quorrel_shell_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(workDir_);
        std::filesystem::create_directories(workDir_);
        std::filesystem::current_path(workDir_);
        headless::ClearMessageBoxes();
        headless::ReleaseAllKeys();
        FailAllocationAfter(0);
        calls.clear();
        for (auto& f : onUpdate) f = nullptr;
        for (auto& f : onDraw) f = nullptr;
        SetDispatchTable(&recordingTable);
        // As StartGame does, for the tests that run frames without it.
        SetShutdownHandler(ShutdownGame);
    }

    void TearDown() override {
        Shutdown();
        while (PumpWindowEvents(nullptr)) {
        }
        SetDispatchTable(nullptr);
        SetScene(SCENE_IDLE);
        for (auto& f : onUpdate) f = nullptr;
        for (auto& f : onDraw) f = nullptr;
        FailAllocationAfter(0);
        headless::FailMainWindow(false);
        headless::ReleaseAllKeys();
        headless::ClearMessageBoxes();
        ResetFrameClock();
        std::filesystem::current_path(savedDir_);
        std::error_code ec;
        std::filesystem::remove_all(workDir_, ec);
        LoadSettings((workDir_ / "config.dat").string().c_str());  // gone: the defaults
        InitKeyBindings();
        SelectBackend(savedBackend_);
    }

    // Loop passes until the quit message is taken (at most `limit`); the
    // number of frames that ran, and the exit code.
    static int RunUntilQuit(int* exitCode, int limit = 100) {
        int frames = 0;
        while (frames < limit && !GameLoopStep(exitCode)) ++frames;
        return frames;
    }

    std::filesystem::path workDir_;

private:
    std::filesystem::path savedDir_;
    BackendKind savedBackend_ = BackendKind::Sdl;
};

}  // namespace q::shell_test
