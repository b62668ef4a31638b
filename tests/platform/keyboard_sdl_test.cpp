// Which physical keys stand for the key codes on the SDL back end (run on
// SDL's dummy video driver, whose layout is the US one).
#include <gtest/gtest.h>

#include <SDL.h>

#include <set>

#include "platform/backend_table.hpp"
#include "platform/keyboard.hpp"

namespace q {
namespace {

std::set<int> Keys(int32_t vk) {
    int codes[sdl::kMaxScancodesPerKey] = {};
    const int n = sdl::ScancodesForKey(vk, codes);
    return std::set<int>(codes, codes + n);
}

class KeysSdlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError(); }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

TEST_F(KeysSdlTest, CtrlAndShiftMeanEitherSide) {
    EXPECT_EQ(Keys(KEY_CTRL), (std::set<int>{SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL}));
    EXPECT_EQ(Keys(KEY_SHIFT), (std::set<int>{SDL_SCANCODE_LSHIFT, SDL_SCANCODE_RSHIFT}));
}

TEST_F(KeysSdlTest, EnterIsEitherEnterKey) {
    EXPECT_EQ(Keys(KEY_ENTER), (std::set<int>{SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER}));
}

TEST_F(KeysSdlTest, LettersAreTheKeysThatTypeThem) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const SDL_Scancode typing = SDL_GetScancodeFromKey(SDLK_a + (c - 'A'));
        EXPECT_EQ(Keys(c), (std::set<int>{typing})) << c;
    }
    EXPECT_EQ(Keys('Z'), (std::set<int>{SDL_SCANCODE_Z}));  // US layout
}

TEST_F(KeysSdlTest, EveryKeyTheGameUsesHasAPhysicalKey) {
    for (KeyCode vk : {KEY_ENTER, KEY_RIGHT, KEY_LEFT, KEY_DOWN, KEY_UP, KEY_CTRL, KEY_ESCAPE, KEY_SPACE, KEY_SHIFT}) {
        EXPECT_FALSE(Keys(vk).empty()) << vk;
    }
    for (int choice = 0; choice < kKeyChoiceCount; ++choice) {
        EXPECT_FALSE(Keys(KeyOfChoice(choice)).empty()) << choice;
    }
}

TEST_F(KeysSdlTest, CodesTheGameNeverUsesAreNoKey) {
    EXPECT_TRUE(Keys(0).empty());
    EXPECT_TRUE(Keys(255).empty());
    EXPECT_TRUE(Keys(-1).empty());
}

TEST_F(KeysSdlTest, NothingIsDownWithoutKeyEvents) {
    for (int32_t vk : {int32_t{KEY_ENTER}, int32_t{KEY_SPACE}, int32_t{KEY_CTRL}, int32_t{'Z'}}) EXPECT_FALSE(sdl::KeyDown(vk)) << vk;
}

}  // namespace
}  // namespace q
