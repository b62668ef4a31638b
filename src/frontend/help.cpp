// The help scene: fifteen illustrated pages paged with the arrows.
#include "frontend/help.hpp"

#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "platform/sprite.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {

constexpr int kCursorSound = 0;
constexpr uint32_t kOpaque = 0xFFFFFFFFu;
constexpr int kSlideStep = 8;
constexpr int kPictureHiddenY = -128;  // just above the screen
constexpr int kPictureShownY = 90;
constexpr int kCaptionHiddenY = 480;   // just below the screen
constexpr int kCaptionShownY = 262;
constexpr Rect kInstructions{1032, 700, 1468, 721};
constexpr int kInstructionsY = 459;

struct PageLayout {
    Rect picture;
    Rect caption;
};

const PageLayout kPageLayouts[kHelpPageCount] = {
    {{768, 896, 896, 1024}, {9, 517, 158, 543}},
    {{512, 512, 640, 640}, {9, 546, 139, 571}},
    {{640, 512, 768, 640}, {9, 573, 250, 599}},
    {{768, 512, 896, 640}, {9, 601, 252, 655}},
    {{640, 896, 768, 1024}, {9, 657, 273, 683}},
    {{896, 512, 1024, 640}, {9, 685, 253, 699}},
    {{512, 640, 640, 768}, {9, 699, 317, 753}},
    {{640, 640, 768, 768}, {9, 755, 238, 810}},
    {{768, 640, 896, 768}, {10, 811, 199, 823}},
    {{896, 640, 1024, 768}, {10, 825, 177, 851}},
    {{512, 768, 640, 896}, {10, 853, 203, 879}},
    {{640, 768, 768, 896}, {10, 881, 196, 893}},
    {{768, 768, 896, 896}, {9, 895, 236, 921}},
    {{896, 768, 1024, 896}, {10, 923, 286, 935}},
    {{512, 896, 640, 1024}, {10, 937, 195, 949}},
};

void DrawPage(const HelpPage& p) {
    DrawSpriteCentered(p.pictureY, 1, p.pictureRect, kOpaque);
    DrawSpriteCentered(p.captionY, 1, p.captionRect, kOpaque);
}

}  // namespace

HelpPage helpPages[kHelpPageCount];
int32_t helpCursor = 0;

void InitHelpPages() {
    helpCursor = 0;
    for (int i = 0; i < kHelpPageCount; ++i) {
        HelpPage& p = helpPages[i];
        p.pictureY = kPictureHiddenY;
        p.pictureStep = kSlideStep;
        p.captionY = kCaptionHiddenY;
        p.captionStep = -kSlideStep;
        p.pictureRect = kPageLayouts[i].picture;
        p.captionRect = kPageLayouts[i].caption;
    }
}

void HelpUpdate() {
    PollKeys();
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) {
        // The next visit starts again on the first page.
        helpCursor = 0;
        SetScene(SCENE_TITLE);
        return;
    }
    if (IsPressed(ButtonRight)) {
        helpCursor += 1;
        if (helpCursor > kHelpPageCount - 1) helpCursor = 0;
        RequestSe(kCursorSound);
    }
    if (IsPressed(ButtonLeft)) {
        helpCursor -= 1;
        if (helpCursor < 0) helpCursor = kHelpPageCount - 1;
        RequestSe(kCursorSound);
    }
    for (HelpPage& p : helpPages) {
        p.pictureStep = -kSlideStep;
        p.captionStep = kSlideStep;
    }
    helpPages[helpCursor].pictureStep = kSlideStep;
    helpPages[helpCursor].captionStep = -kSlideStep;
    // Every page moves on its own toward where it belongs, shown or hidden.
    for (HelpPage& p : helpPages) {
        p.pictureY += p.pictureStep;
        if (p.pictureStep > 0) {
            if (p.pictureY > kPictureShownY) p.pictureY = kPictureShownY;
        } else if (p.pictureY < kPictureHiddenY) {
            p.pictureY = kPictureHiddenY;
        }
    }
    for (HelpPage& p : helpPages) {
        p.captionY += p.captionStep;
        if (p.captionStep > 0) {
            if (p.captionY > kCaptionHiddenY) p.captionY = kCaptionHiddenY;
        } else if (p.captionY < kCaptionShownY) {
            p.captionY = kCaptionShownY;
        }
    }
}

void HelpDraw() {
    DrawDimBackdrop();
    // The shown page is drawn last so that it lies over any page leaving.
    for (int i = 0; i < kHelpPageCount; ++i)
        if (i != helpCursor) DrawPage(helpPages[i]);
    DrawPage(helpPages[helpCursor]);
    DrawSpriteCentered(kInstructionsY, 1, kInstructions, kOpaque);
}

}  // namespace q
