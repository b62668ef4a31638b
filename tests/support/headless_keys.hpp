#pragma once
#include <gtest/gtest.h>

#include "platform/backend.hpp"
#include "platform/keyboard.hpp"

namespace q::test {

// Keys injected through the headless back end, with the bindings at their
// defaults before and after each test.
class HeadlessKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ActiveBackend();
        SelectBackend(BackendKind::Headless);
        headless::ReleaseAllKeys();
        InitKeyBindings();
    }
    void TearDown() override {
        headless::ReleaseAllKeys();
        InitKeyBindings();
        SelectBackend(saved_);
    }
    static void Down(int32_t vk) { headless::SetKey(vk, true); }
    static void Up(int32_t vk) { headless::SetKey(vk, false); }

private:
    BackendKind saved_ = BackendKind::Sdl;
};

}  // namespace q::test
