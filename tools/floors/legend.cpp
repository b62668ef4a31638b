#include "floors/legend.hpp"

namespace q::floors {

const LegendEntry kTileLegend[32] = {
    {'.', 0, "empty back wall", "dressing"},
    {',', 1, "blank, never drawn", "dressing"},
    {';', 2, "blank, never drawn", "dressing"},
    {'n', 3, "arch over a narrow door, EXIT sign", "door"},
    {'(', 4, "arch over a wide door, left half of its EXIT sign", "door"},
    {')', 5, "arch over a wide door, right half of its EXIT sign", "door"},
    {'A', 6, "gallery window, upper half", "dressing"},
    {'i', 7, "torch", "dressing"},
    {'%', 8, "cellar stone", "dressing"},
    {'v', 9, "bookcase", "dressing"},
    {'f', 10, "banner", "dressing"},
    {'d', 11, "narrow door, lower half", "door"},
    {'[', 12, "wide door, lower left", "door"},
    {']', 13, "wide door, lower right", "door"},
    {'W', 14, "gallery window, lower half", "dressing"},
    {':', 15, "night sky", "dressing"},
    {'|', 16, "pillar", "dressing"},
    {'\'', 17, "blank, never drawn", "dressing"},
    {'`', 18, "blank, never drawn", "dressing"},
    {'T', 19, "pillar capital", "dressing"},
    {'_', 20, "pillar base", "dressing"},
    {'m', 21, "moss", "dressing"},
    {'c', 22, "cobweb", "dressing"},
    {'x', 23, "barrel against the wall", "dressing"},
    {'H', 24, "ladder", "ladder"},
    {'K', 25, "iron ladder", "ladder"},
    {'U', 26, "wooden ladder with lashed rungs", "ladder"},
    {'h', 27, "rope ladder", "ladder"},
    {'+', 28, "ledge, ladder coming up through it", "ladder and ledge"},
    {'$', 29, "ledge, rope ladder coming up through it", "ladder and ledge"},
    {'=', 30, "ledge", "ledge"},
    {'#', 31, "stone", "wall"},
};

const LegendEntry kObjectLegend[16] = {
    {'.', 0, "nothing", ""},
    {'P', 1, "player", ""},
    {'L', 2, "block, raised quarter left", ""},
    {'J', 3, "block, raised quarter right", ""},
    {'B', 4, "builder", ""},
    {'C', 5, "chaser", ""},
    {'X', 6, "exit lock (32 x 32, over a wide door)", ""},
    {'o', 7, "pickup", ""},
    {'1', 8, "picture 32 x 64", ""},
    {'2', 9, "picture 48 x 80", ""},
    {'F', 10, "figure of the player's character", ""},
    {'3', 11, "picture 96 x 176 (rises 160 above its cell)", ""},
    {'l', 12, "heavy block, raised quarter left", ""},
    {'j', 13, "heavy block, raised quarter right", ""},
    {'S', 14, "chaser spawner (invisible)", ""},
    {'E', 31, "exit cell (the player's upper half stands in it)", ""},
};

int TileForSymbol(char c) {
    for (const LegendEntry& e : kTileLegend)
        if (e.symbol == c) return e.value;
    return -1;
}

int ObjectForSymbol(char c) {
    for (const LegendEntry& e : kObjectLegend)
        if (e.symbol == c) return e.value;
    return -1;
}

char SymbolForTile(int8_t value) {
    for (const LegendEntry& e : kTileLegend)
        if (e.value == value) return e.symbol;
    return 0;
}

char SymbolForObject(int8_t value) {
    for (const LegendEntry& e : kObjectLegend)
        if (e.value == value) return e.symbol;
    return 0;
}

}  // namespace q::floors
