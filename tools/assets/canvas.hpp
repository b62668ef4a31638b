#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/rect.hpp"

namespace q::assets {

// Colours are 0xAARRGGBB, like the game's vertex colours.
using Colour = uint32_t;

constexpr Colour Argb(int a, int r, int g, int b) {
    return (Colour(a & 255) << 24) | (Colour(r & 255) << 16) | (Colour(g & 255) << 8) | Colour(b & 255);
}
constexpr Colour Rgb(int r, int g, int b) { return Argb(255, r, g, b); }
constexpr int AlphaOf(Colour c) { return int(c >> 24); }
constexpr int RedOf(Colour c) { return int((c >> 16) & 255); }
constexpr int GreenOf(Colour c) { return int((c >> 8) & 255); }
constexpr int BlueOf(Colour c) { return int(c & 255); }

// Scales the colour channels by num/256 (keeps alpha); num > 256 lightens.
Colour Shade(Colour c, int num);
// Mixes a toward b by t/256.
Colour MixColours(Colour a, Colour b, int t);
Colour WithAlpha(Colour c, int alpha);

// An RGBA picture with an optional clip rectangle: painters set the clip to
// the region they paint so nothing spills into a neighbour.
class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetClip(const Rect& r);
    void ClearClip();
    const Rect& Clip() const { return clip_; }

    Colour Get(int x, int y) const;
    // Replaces the pixel (inside the clip only).
    void Put(int x, int y, Colour c);
    // Blends the colour over the pixel by its alpha.
    void Blend(int x, int y, Colour c);

    void FillRect(const Rect& r, Colour c);      // replaces
    void BlendRect(const Rect& r, Colour c);     // blends
    void FrameRect(const Rect& r, Colour c);     // one-pixel border, replaces
    void Line(int x0, int y0, int x1, int y1, Colour c);
    void FillEllipse(int cx2, int cy2, int rx2, int ry2, Colour c);  // centre and radii in half pixels
    // Vertical gradient from top colour to bottom colour.
    void Gradient(const Rect& r, Colour top, Colour bottom);

    // Pixel art given as rows of characters; each character is looked up in
    // the palette string pairs "cC" (char, colour); '.' and ' ' are clear.
    struct PaletteEntry {
        char key;
        Colour colour;
    };
    void Art(int x, int y, const std::vector<std::string>& rows, const std::vector<PaletteEntry>& palette,
             bool mirror = false);

    // Copies src (a rectangle of this canvas or another) into dest, scaled
    // by nearest neighbour; blends by alpha when blend is true.
    void CopyScaled(const Canvas& from, const Rect& src, const Rect& dest, bool blend);

    // Adds a one-pixel outline in transparent pixels next to opaque ones
    // inside r (4-neighbourhood).
    void Outline(const Rect& r, Colour c);

    const std::vector<uint8_t>& Bytes() const { return pixels_; }

private:
    bool Inside(int x, int y) const;
    int width_, height_;
    Rect clip_;
    std::vector<uint8_t> pixels_;  // RGBA, row by row
};

// PNG file bytes of an RGBA canvas (stb_image_write).
std::vector<uint8_t> EncodePng(const Canvas& canvas);

}  // namespace q::assets
