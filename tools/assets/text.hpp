#pragma once
#include <string>
#include <vector>

#include "assets/canvas.hpp"

namespace q::assets {

enum class Align { Left, Centre, Right };

struct TextStyle {
    Colour top = Rgb(255, 255, 255);     // fill at the top of the letters
    Colour bottom = Rgb(200, 210, 230);  // fill at the bottom (a vertical gradient)
    Colour outline = Rgb(16, 12, 28);
    int outlineWidth = 2;                // pixels around the letters
    bool shadow = true;                  // a dark copy one pixel down-right
    Align align = Align::Centre;
    int maxPixelHeight = 0;              // 0: as large as fits
    bool condensed = false;              // the condensed face, for long lines
};

// Renders the lines (one per entry) as large as they fit inside r, centred
// vertically, with an outline so they read over any backdrop.
void DrawText(Canvas& c, const Rect& r, const std::vector<std::string>& lines, const TextStyle& style);

// The cap height in whole pixels at which DrawText would set the lines in r
// with this style's face (condensed or not), ignoring maxPixelHeight.
int FittingCapHeight(const Rect& r, const std::vector<std::string>& lines, const TextStyle& style);

// A small hand-made pixel font (5 x 7 capitals, digits and signs) for labels
// only 10-13 pixels high, where a vector font would blur. Returns the width.
int PixelTextWidth(const std::string& text, int scale = 1);
void DrawPixelText(Canvas& c, int x, int y, const std::string& text, Colour fill, int scale = 1);
// Pixel text with a one-pixel outline, centred in r (or left aligned).
void DrawPixelLabel(Canvas& c, const Rect& r, const std::vector<std::string>& lines, Colour fill, Colour outline,
                    Align align = Align::Centre);

}  // namespace q::assets
