// The help scene: fifteen illustrated pages paged with the arrows.
#include "frontend/help.hpp"

#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {

constexpr int kSlideStep = 8;
constexpr int kPictureHiddenY = -128;  // just above the screen
constexpr int kPictureShownY = 90;
constexpr int kCaptionHiddenY = 480;   // just below the screen
constexpr int kCaptionShownY = 262;
constexpr int kInstructionsY = 459;

void DrawPage(const HelpPage& p) {
    DrawSpriteCentered(p.pictureY, 1, p.pictureRect, kUntinted);
    DrawSpriteCentered(p.captionY, 1, p.captionRect, kUntinted);
}

}  // namespace

HelpScreen& HelpState() {
    static HelpScreen help;
    return help;
}

void InitHelpPages() {
    HelpState().cursor = 0;
    for (int i = 0; i < kHelpPageCount; ++i) {
        HelpPage& p = HelpState().pages[i];
        p.pictureY = kPictureHiddenY;
        p.pictureStep = kSlideStep;
        p.captionY = kCaptionHiddenY;
        p.captionStep = -kSlideStep;
        p.pictureRect = atlas::kHelpPictures[i];
        p.captionRect = atlas::kHelpCaptions[i];
    }
}

void HelpUpdate() {
    PollKeys();
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) {
        // The next visit starts again on the first page.
        HelpState().cursor = 0;
        SetScene(SCENE_TITLE);
        return;
    }
    if (IsPressed(ButtonRight)) {
        HelpState().cursor += 1;
        if (HelpState().cursor > kHelpPageCount - 1) HelpState().cursor = 0;
        RequestSe(SE_CURSOR);
    }
    if (IsPressed(ButtonLeft)) {
        HelpState().cursor -= 1;
        if (HelpState().cursor < 0) HelpState().cursor = kHelpPageCount - 1;
        RequestSe(SE_CURSOR);
    }
    for (HelpPage& p : HelpState().pages) {
        p.pictureStep = -kSlideStep;
        p.captionStep = kSlideStep;
    }
    HelpState().pages[HelpState().cursor].pictureStep = kSlideStep;
    HelpState().pages[HelpState().cursor].captionStep = -kSlideStep;
    // Every page moves on its own toward where it belongs, shown or hidden.
    for (HelpPage& p : HelpState().pages) {
        p.pictureY += p.pictureStep;
        if (p.pictureStep > 0) {
            if (p.pictureY > kPictureShownY) p.pictureY = kPictureShownY;
        } else if (p.pictureY < kPictureHiddenY) {
            p.pictureY = kPictureHiddenY;
        }
    }
    for (HelpPage& p : HelpState().pages) {
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
        if (i != HelpState().cursor) DrawPage(HelpState().pages[i]);
    DrawPage(HelpState().pages[HelpState().cursor]);
    DrawSpriteCentered(kInstructionsY, 1, atlas::kPagesInstructions, kUntinted);
}

}  // namespace q
