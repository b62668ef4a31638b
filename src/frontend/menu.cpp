#include "frontend/menu.hpp"

#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"

namespace q {

namespace {

constexpr int kItemWidth = 150;
constexpr int kItemHeight = 25;
constexpr int kFirstItemY = 250;
constexpr int kSlideStep = 10;
constexpr int kFadeStep = 5;
constexpr int kDimmestAlpha = 128;
constexpr int kBrightestAlpha = 255;

struct ItemLayout {
    Rect src;
    MenuAction action;
};

const ItemLayout kMainLayout[kMainMenuItems] = {
    {atlas::kMenuStart, ActStartGame},     {atlas::kMenuFloorSelect, ActFloorSelect},
    {atlas::kMenuQuit, ActQuitPrompt},     {atlas::kMenuOptions, ActOptions},
    {atlas::kMenuDemo, ActWatchReplay},    {atlas::kMenuKeyConfig, ActKeyConfig},
    {atlas::kMenuHelp, ActHelp},
};
const ItemLayout kQuitLayout[kQuitMenuItems] = {
    {atlas::kMenuBackToTitle, ActBackToTitle},
    {atlas::kMenuQuitGame, ActQuit},
};
const ItemLayout kPauseLayout[kPauseMenuItems] = {
    {atlas::kMenuResume, ActResume},
    {atlas::kMenuRetry, ActRetryFloor},
    {atlas::kMenuQuitToTitle, ActQuitToTitle},
};

void FillItems(MenuItem* items, const ItemLayout* layout, int count) {
    for (int i = 0; i < count; ++i) {
        MenuItem& it = items[i];
        it.x = 0;
        it.y = kFirstItemY + kItemHeight * i;
        it.width = kItemWidth;
        it.height = kItemHeight;
        it.alpha = 0;  // invisible until the first step
        // The first entry starts selected, so it is the one that slides in.
        it.dx = i == 0 ? kSlideStep : -kSlideStep;
        it.dalpha = i == 0 ? kFadeStep : -kFadeStep;
        it.src = layout[i].src;
        it.action = layout[i].action;
    }
}

}  // namespace

MenuScreens& Menus() {
    static MenuScreens menus;
    return menus;
}

void InitMenuItems() {
    FillItems(Menus().mainItems, kMainLayout, kMainMenuItems);
    FillItems(Menus().quitItems, kQuitLayout, kQuitMenuItems);
    FillItems(Menus().pauseItems, kPauseLayout, kPauseMenuItems);
}

void InitMenus() {
    Menus().main = {0, kMainMenuItems, Menus().mainItems};
    Menus().quit = {0, kQuitMenuItems, Menus().quitItems};
    Menus().pause = {0, kPauseMenuItems, Menus().pauseItems};
}

int StepMenu(MenuItem* items, int itemCount, Menu& menu) {
    int c = menu.cursor;
    // Both directions are looked at, so Up and Down together cancel out.
    if (IsPressed(ButtonUp)) {
        c = c - 1;
        if (c < 0) c = itemCount - 1;
        RequestSe(SE_CURSOR);
    }
    if (IsPressed(ButtonDown)) {
        c = c + 1;
        if (c > itemCount - 1) c = 0;
        RequestSe(SE_CURSOR);
    }
    for (int i = 0; i < itemCount; ++i) {
        items[i].dx = -kSlideStep;
        items[i].dalpha = -kFadeStep;
    }
    items[c].dx = kSlideStep;
    items[c].dalpha = kFadeStep;
    for (int i = 0; i < itemCount; ++i) {
        MenuItem& it = items[i];
        const int rest = (kScreenWidth - it.width) >> 1;
        it.x += it.dx;
        if (it.x > rest) it.x = rest;
        if (it.x < 0) it.x = 0;
        it.alpha += it.dalpha;
        if (it.alpha < kDimmestAlpha) it.alpha = kDimmestAlpha;
        if (it.alpha > kBrightestAlpha) it.alpha = kBrightestAlpha;
    }
    menu.cursor = c;
    return c;
}

void UpdateMenu(Menu& menu) {
    StepMenu(menu.items, menu.itemCount, menu);
    if (!IsPressed(ButtonEnter) && !IsPressed(ButtonZ)) return;
    MenuItem& chosen = menu.items[menu.cursor];
    // A choice made while the entry still slides in is dropped, not kept for later.
    if (chosen.x != kMenuRestX) return;
    chosen.x = 0;
    chosen.action();
    menu.cursor = 0;
}

void DrawMenu(const Menu& menu) {
    for (int i = 0; i < menu.itemCount; ++i) {
        const MenuItem& it = menu.items[i];
        const Rect dest{it.x, it.y, it.x + it.width, it.y + it.height};
        const uint32_t colour = (static_cast<uint32_t>(it.alpha & 0xFF) << 24) | 0xFFFFFFu;
        DrawSprite(dest, it.src, colour);
    }
}

}  // namespace q
