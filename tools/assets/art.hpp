#pragma once
// The painters of the atlas, one per kind of picture. Each paints only the
// regions of the table it is named for, looked up by name.
#include <string>
#include <vector>

#include "assets/canvas.hpp"

namespace q::assets {

void PaintCharacters(Canvas& c);
void PaintTiles(Canvas& c);
void PaintBackground(Canvas& c);
void PaintObjects(Canvas& c);
void PaintLabels(Canvas& c);
void PaintScreens(Canvas& c);
void PaintHelp(Canvas& c);

// Draws character `set` pose (dir 0..3, pose 0..2 for A, B, C) stretched to
// dest the way the game draws actors; used by the help pictures.
// The figure as designed, 16 x 32 as in play, outlined (standing on its
// sliver of stone when it faces the viewer).
Canvas FigureDesign(int set, int dir, int pose);
// That figure with each of its pixels a scale x scale square, its top-left
// corner at (x, y).
void DrawFigureAt(Canvas& c, int set, int dir, int pose, int x, int y, int scale);
// Where the title picture puts its figures, each at twice its size: the
// screens drawn over the title keep their plates clear of them.
struct TitleFigure {
    int set, dir, pose;
    int x, y;  // top-left in the title picture
};
constexpr int kTitleFigureScale = 2;
const std::vector<TitleFigure>& TitleFigures();
void DrawCharacterInto(Canvas& c, int set, int dir, int pose, const Rect& dest);
// Every line of words the label pictures show, key caps included.
std::vector<std::string> LabelLines();
// Copies a region of the atlas (by name) onto dest, scaled, blended.
void Stamp(Canvas& c, const std::string& region, const Rect& dest);
void Stamp(Canvas& c, const std::string& region, int x, int y);

}  // namespace q::assets
