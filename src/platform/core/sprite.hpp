#pragma once
#include <cstdint>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/rect.hpp"

namespace q {

// The colour that draws a picture as it is, fully opaque.
constexpr uint32_t kUntinted = 0xFFFFFFFFu;

// Draws the atlas rectangle src stretched over the screen rectangle dest,
// each texel multiplied by colour (ARGB).
void DrawSprite(const Rect& dest, const Rect& src, uint32_t colour);

// Whether DrawSprite would reach anything now: a frame open or the drawing
// recorded. Code that only makes pictures may skip itself when
// it would not.
bool SpritesReachAnything();
void DrawSpriteAt(int x, int y, int scale, uint32_t colour, const Rect& src);
void DrawSpriteCentered(int y, int scale, const Rect& src, uint32_t colour);
void DrawSpriteBox(int x, int y, int w, int h, const Rect& src);
// Clears the frame, then draws the picture over the whole screen.
void DrawScreenImage(const Rect& src, uint32_t colour);
void DrawDimBackdrop();
// One digit picture per position; leading zeros are left out.
void DrawDigits(int x, int y, int value, int digits, int divisor, const atlas::Picture glyphs[10]);
void DrawNumber(int x, int y, int value, int digits, int divisor);
void DrawBigNumber(int x, int y, int value, int digits, int divisor);

}  // namespace q
