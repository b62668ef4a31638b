#pragma once
#include <cstdint>

#include "platform/core/rect.hpp"

namespace q {

// One page of the illustrated help: a picture that slides down into place and
// a caption that slides up under it.
struct HelpPage {
    int32_t pictureY = 0;
    int32_t pictureStep = 0;
    int32_t captionY = 0;
    int32_t captionStep = 0;
    Rect pictureRect;
    Rect captionRect;
};

constexpr int kHelpPageCount = 15;

// The help screen: its pages and the one shown.
struct HelpScreen {
    HelpPage pages[kHelpPageCount];
    int32_t cursor = 0;
};
// The game's one help screen: scene handlers take no arguments.
HelpScreen& HelpState();

void InitHelpPages();

}  // namespace q
