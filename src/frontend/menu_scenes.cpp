// The three scenes that are a menu over a background: the title, the quit
// prompt and the pause menu.
#include "frontend/menu.hpp"
#include "platform/keyboard.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_field.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"

namespace q {

namespace {
constexpr int kLogoY = 40;
constexpr int kCornerLabelX = 2;
constexpr int kCornerLabelY = 465;
constexpr int kQuitHeadingY = 50;
}  // namespace

void TitleUpdate() {
    PollKeys();
    UpdateMenu(Menus().main);
}

void TitleDraw() {
    DrawScreenImage(atlas::kTitle, kUntinted);
    DrawSpriteCentered(kLogoY, 1, atlas::kLogo, kUntinted);
    DrawMenu(Menus().main);
    DrawSpriteAt(kCornerLabelX, kCornerLabelY, 1, kUntinted, atlas::kTitleCorner);
}

void QuitPromptUpdate() {
    PollKeys();
    UpdateMenu(Menus().quit);
}

void QuitPromptDraw() {
    DrawDimBackdrop();
    DrawSpriteCentered(kQuitHeadingY, 1, atlas::kQuitHeading, kUntinted);
    DrawMenu(Menus().quit);
}

void PauseUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    UpdateMenu(Menus().pause);
}

void PauseDraw() {
    // The play field stays exactly as it was left, undimmed, under the menu.
    DrawPlayField(SCENE_PAUSE);
    DrawMenu(Menus().pause);
}

}  // namespace q
