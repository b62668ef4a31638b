#pragma once
#include <string>
#include <vector>

#include "assets/canvas.hpp"

namespace q::assets {

// Every picture of words is set in the one pixel font at a whole multiple of
// its pixel grid, so menus, headings, captions and the HUD are one family.

enum class Align { Left, Centre, Right };

struct TextStyle {
    Colour top = Rgb(255, 255, 255);     // fill of the letters' top row
    Colour bottom = Rgb(200, 210, 230);  // fill of their bottom row (a gradient row by row)
    Colour outline = Rgb(16, 12, 28);    // a one-pixel ring round the letters, scaled with them
    bool shadow = true;                  // a darker copy one pixel lower, under the ring
    Align align = Align::Centre;
    int margin = 0;                      // pixels kept clear inside the box at the aligned side
    int maxScale = 4;
};

// Width of a line of the pixel font at the given scale, ink only.
int PixelTextWidth(const std::string& text, int scale = 1);
bool PixelFontHas(char ch);
// Plain letters in one colour, no outline; top-left at (x, y).
void DrawPixelText(Canvas& c, int x, int y, const std::string& text, Colour fill, int scale = 1);

// The largest whole scale at which the lines, outline and shadow included,
// fit inside r (0 if not even the smallest fits).
int FittingScale(const Rect& r, const std::vector<std::string>& lines, const TextStyle& style);
// Sets the lines at that scale (at most style.maxScale), centred vertically
// in r and aligned as asked; returns the scale used.
int DrawText(Canvas& c, const Rect& r, const std::vector<std::string>& lines, const TextStyle& style);
// The same at a given scale, even where it would not fit.
void DrawTextAtScale(Canvas& c, const Rect& r, const std::vector<std::string>& lines, const TextStyle& style,
                     int scale);

// Small white labels with a dark ring at the font's own size (HUD, help
// pictures, the version line).
void DrawPixelLabel(Canvas& c, const Rect& r, const std::vector<std::string>& lines, Colour fill, Colour outline,
                    Align align = Align::Centre);

}  // namespace q::assets
