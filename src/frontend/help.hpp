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

extern HelpPage helpPages[kHelpPageCount];
extern int32_t helpCursor;

void InitHelpPages();

}  // namespace q
