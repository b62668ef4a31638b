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
// dest the way the game draws actors; used by the title and help pictures.
void DrawCharacterInto(Canvas& c, int set, int dir, int pose, const Rect& dest);
// Every line of words the label pictures show, key caps included.
std::vector<std::string> LabelLines();
// Copies a region of the atlas (by name) onto dest, scaled, blended.
void Stamp(Canvas& c, const std::string& region, const Rect& dest);
void Stamp(Canvas& c, const std::string& region, int x, int y);

}  // namespace q::assets
