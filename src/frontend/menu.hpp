#pragma once
#include <cstdint>

#include "platform/core/rect.hpp"

namespace q {

using MenuAction = void (*)();

// One picture entry of a list menu. The selected entry slides right to the
// middle and brightens; the others slide back to the left edge and dim.
struct MenuItem {
    int32_t x = 0;
    int32_t y = 0;
    int32_t dx = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t alpha = 0;
    int32_t dalpha = 0;
    Rect src;
    MenuAction action = nullptr;
};

struct Menu {
    int32_t cursor = 0;
    int32_t itemCount = 0;
    MenuItem* items = nullptr;
};

constexpr int kMainMenuItems = 7;
constexpr int kQuitMenuItems = 2;
constexpr int kPauseMenuItems = 3;
// Where a 150-pixel entry comes to rest: the middle of the screen.
constexpr int kMenuRestX = (kScreenWidth - 150) >> 1;

// The three list menus and their entries: the title's, the quit prompt's and
// the pause screen's.
struct MenuScreens {
    Menu main;
    Menu quit;
    Menu pause;
    MenuItem mainItems[kMainMenuItems];
    MenuItem quitItems[kQuitMenuItems];
    MenuItem pauseItems[kPauseMenuItems];
};
// The game's one set of menus: scene handlers take no arguments.
MenuScreens& Menus();

void InitMenuItems();
void InitMenus();
// Cursor movement and the slide of every entry for one frame; returns the cursor.
int StepMenu(MenuItem* items, int itemCount, Menu& menu);
// StepMenu, then a confirm key chooses the entry under the cursor once it has
// finished sliding in.
void UpdateMenu(Menu& menu);
void DrawMenu(const Menu& menu);

// The menu actions.
void ActStartGame();
void ActFloorSelect();
void ActQuitPrompt();
void ActOptions();
void ActWatchReplay();
void ActKeyConfig();
void ActHelp();
void ActBackToTitle();
void ActQuit();
void ActResume();
void ActRetryFloor();
void ActQuitToTitle();

}  // namespace q
