#include "platform/core/sprite.hpp"

#include "platform/core/draw_recording.hpp"
#include "platform/core/render_queue.hpp"

namespace q {

namespace {

constexpr uint32_t kDimmed = 0xFF323232u;

}  // namespace

void DrawSprite(const Rect& dest, const Rect& src, uint32_t colour) {
    RecordDraw(dest, src, colour);
    render::QueueSprite(dest, src, colour);
}

bool SpritesReachAnything() { return render::FrameOpen() || RecordingDraws(); }

void DrawSpriteAt(int x, int y, int scale, uint32_t colour, const Rect& src) {
    DrawSprite(Rect{x, y, x + scale * src.Width(), y + scale * src.Height()}, src, colour);
}

void DrawSpriteCentered(int y, int scale, const Rect& src, uint32_t colour) {
    // Arithmetic shift: a picture wider than the screen starts left of it,
    // rounded down.
    const int x = (kScreenWidth - scale * src.Width()) >> 1;
    DrawSpriteAt(x, y, scale, colour, src);
}

void DrawSpriteBox(int x, int y, int w, int h, const Rect& src) {
    DrawSprite(Rect{x, y, x + w, y + h}, src, kUntinted);
}

void DrawScreenImage(const Rect& src, uint32_t colour) {
    render::ClearTarget();
    DrawSprite(Rect{0, 0, kScreenWidth, kScreenHeight}, src, colour);
}

void DrawDimBackdrop() {
    // The title picture, dimmed, is the backdrop of most menus.
    DrawScreenImage(atlas::kTitle, kDimmed);
}

}  // namespace q
