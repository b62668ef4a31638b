#include "play/shutter.hpp"

#include "platform/keyboard.hpp"
#include "platform/core/rect.hpp"
#include "platform/sound.hpp"
#include "platform/core/sprite.hpp"
#include "play/play_field.hpp"
#include "play/play_scenes.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace q {

namespace {
constexpr int kBandWidth = 64;
constexpr int kBandHeight = 480;
// Pixels a band grows or shrinks per frame: a full move takes 32 frames.
constexpr int kShutterSpeed = 2;

void SetBands(int width) {
    for (int i = 0; i < kShutterBands; ++i) {
        Session().shutterBands[i] = Rect{kBandWidth * i, 0, kBandWidth * i + width, kBandHeight};
    }
}
}  // namespace

void OpenShutterNow() { SetBands(0); }
void CloseShutterNow() { SetBands(kBandWidth); }

void StepShutter(int step) {
    for (Rect& band : Session().shutterBands) {
        band.right += step;
        if (band.right > band.left + kBandWidth) band.right = band.left + kBandWidth;
        if (band.right < band.left) band.right = band.left;
    }
}

bool ShutterOpen() { return Session().shutterBands[0].right == Session().shutterBands[0].left; }
bool ShutterClosed() { return Session().shutterBands[0].right == Session().shutterBands[0].left + kBandWidth; }

void DrawShutter() {
    if (ShutterOpen()) return;
    // The strip is cut to the band's width, never squeezed into it.
    const int width = Session().shutterBands[0].right - Session().shutterBands[0].left;
    const Rect whole = atlas::kShutterStrip;
    const Rect strip{whole.left, whole.top, whole.left + width, whole.bottom};
    for (const Rect& band : Session().shutterBands) DrawSprite(band, strip, kUntinted);
}

void FloorIntroUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    if (ShutterOpen()) {
        Session().sceneTimer = kReadyFrames;
        SetScene(SCENE_READY);
    } else {
        StepShutter(-kShutterSpeed);
    }
}

void FloorIntroDraw() {
    DrawPlayField(SCENE_FLOOR_INTRO);
    DrawReadyCountdown();
    DrawShutter();
}

void FloorOutroUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    // The next floor is loaded behind the closed shutter; stepping on keeps it
    // closed for the intro that reveals it.
    if (ShutterClosed()) NextFloor();
    StepShutter(kShutterSpeed);
}

void FloorOutroDraw() {
    DrawPlayField(SCENE_FLOOR_OUTRO);
    DrawShutter();
}

void EndingIntroUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    if (ShutterOpen()) {
        StartBgm();
        SetScene(SCENE_ENDING);
    } else {
        StepShutter(-kShutterSpeed);
    }
}

void EndingIntroDraw() {
    DrawPlayField(SCENE_ENDING_INTRO);
    DrawShutter();
}

}  // namespace q
