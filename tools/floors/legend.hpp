#pragma once
// The characters a floor source draws its two layers with: one character a
// cell, one meaning a character.
#include <cstdint>

namespace q::floors {

struct LegendEntry {
    char symbol;
    int8_t value;
    const char* meaning;
    const char* use;  // what the tile is meant for: door, ladder, ledge, wall, dressing
};

// Tiles 0..31.
extern const LegendEntry kTileLegend[32];
// Object layer: kinds 0..14 and the exit cell.
extern const LegendEntry kObjectLegend[16];

// The value a symbol stands for in the layer, or -1 when the layer has no
// such symbol. Values are 0..31 (tiles) or 0..14 and 31 (objects).
int TileForSymbol(char c);
int ObjectForSymbol(char c);
// The symbol of a value, or 0 when the layer's legend has none (the source
// then spells the cell out under "cells:").
char SymbolForTile(int8_t value);
char SymbolForObject(int8_t value);

}  // namespace q::floors
