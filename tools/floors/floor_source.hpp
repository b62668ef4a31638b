#pragma once
// A floor as the tools hold it, its text source, and floor.dat.
#include <cstdint>
#include <string>
#include <vector>

#include "world/floor.hpp"

namespace q::floors {

// The floor tools' short name for a floor's width in tiles.
constexpr int kColumns = kFloorColumns;

// A part of a tall floor proved on its own: it begins where the floor's demo
// stands after `step` steps and ends when the player stands with its feet in
// `goalRow` or above (the last stage ends at the exit), so one search covers
// one landing rather than the whole tower.
struct Stage {
    int32_t step = 0;
    int32_t goalRow = -1;            // -1: the exit
    std::vector<std::string> ideas;  // what ablation proves from this stage's start
    int line = 0;                    // the "stage:" line in the source
};

struct Floor {
    std::string name;
    std::vector<std::string> ideas;  // what the floor teaches or asks, for the table
    bool teaching = false;           // may be cleared without moving a block
    std::string stats;               // the solver's figures, written by `solve --write`
    int32_t rows = 0;
    int32_t startRow = 0;
    std::vector<int8_t> tiles;    // rows * 40
    std::vector<int8_t> objects;  // rows * 40
    std::vector<uint8_t> demo;
    std::vector<Stage> stages;  // none: the floor is proved whole

    // Where the parts stood in the source (0 when not read from one), so the
    // tools can point at a line.
    int rowsLine = 0;
    int startLine = 0;
    int terrainLine = 0;  // the "terrain:" line; row r is on the r-th row line after it
    int objectsLine = 0;

    int8_t Tile(int column, int row) const { return tiles[static_cast<size_t>(row * kColumns + column)]; }
    int8_t Object(int column, int row) const { return objects[static_cast<size_t>(row * kColumns + column)]; }
};

// An error in a source, with the line it was found on (0: the file itself).
struct SourceError {
    int line = 0;
    std::string message;
};

// Reads a floor source. false with the error when the text is not one.
bool ParseFloorSource(const std::string& text, Floor& out, SourceError& error);
// The source text of a floor; parsing it gives the floor back exactly.
std::string WriteFloorSource(const Floor& floor, int number);

// The demo as run-length tokens ("R12 A .4"); bytes outside the six commands
// are written as {n}.
std::string DemoText(const std::vector<uint8_t>& demo);
bool ParseDemoText(const std::string& text, std::vector<uint8_t>& out, std::string& error);

// floor.dat: a header of 57 offsets, then the records in floor order.
std::vector<uint8_t> BuildFloorDat(const std::vector<Floor>& floors);
// Reads every record the game could load; false with a message naming the
// floor when one cannot be read.
bool ReadFloorDat(const std::vector<uint8_t>& bytes, std::vector<Floor>& out, std::string& error);

// Source file name of floor n: "floor-07.txt".
std::string SourceFileName(int n);

}  // namespace q::floors
