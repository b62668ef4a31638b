#include "platform/sprite.hpp"

#include "platform/draw_recording.hpp"
#include "platform/render_queue.hpp"
#include "platform/settings.hpp"

namespace q {

namespace {

constexpr float kAtlasSpace = float(atlas::kSide);
// With linear filtering every sprite moves up and left by half a pixel so
// that pixel centres fall on texel centres.
constexpr float kLinearPixelOffset = 0.5f;
constexpr uint32_t kDimmed = 0xFF323232u;

int muteDepth = 0;

}  // namespace

MuteDrawing::MuteDrawing() { ++muteDepth; }
MuteDrawing::~MuteDrawing() { --muteDepth; }

void BuildSpriteVertices(const Rect& dest, const Rect& src, uint32_t colour, SpriteVertex out[4]) {
    const float offset = settings.linearFilter ? kLinearPixelOffset : 0.0f;
    const int32_t corners[4][4] = {
        {dest.left, dest.top, src.left, src.top},
        {dest.right, dest.top, src.right, src.top},
        {dest.right, dest.bottom, src.right, src.bottom},
        {dest.left, dest.bottom, src.left, src.bottom},
    };
    for (int i = 0; i < 4; ++i) {
        out[i].x = float(corners[i][0]) - offset;
        out[i].y = float(corners[i][1]) - offset;
        out[i].z = 0.0f;
        out[i].rhw = 1.0f;
        out[i].diffuse = colour;
        out[i].u = float(corners[i][2]) / kAtlasSpace;
        out[i].v = float(corners[i][3]) / kAtlasSpace;
    }
}

void DrawSprite(const Rect& dest, const Rect& src, uint32_t colour) {
    if (muteDepth > 0) return;
    RecordDraw(dest, src, colour);
    SpriteVertex v[4];
    BuildSpriteVertices(dest, src, colour, v);
    render::QueueQuad(v);
}

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
