#pragma once
#include "platform/core/rect.hpp"
#include "world/world.hpp"

namespace q {

constexpr int kLastFloor = 56;    // floors 1..56 are played
constexpr int kEndingFloor = 57;  // the floor the ending is shown on
constexpr int kFloorCount = kEndingFloor;
// A start row further than a whole floor above or below is not a floor the
// game could show; refusing it also keeps scrollY far from overflow.
constexpr int32_t kStartRowLimit = kMaxFloorRows;

// Loads floor n (1..57) of the floor file into the stage buffers. Returns 1,
// or 0 when the file is missing or damaged (buffers are zeroed either way).
int LoadFloor(World& w, int n, const char* path = "floor.dat");
// Puts a floor record already in memory into the stage buffers, as LoadFloor
// does with one read from the file (for the floor tools). The record must be
// valid: rows 1..120, demoLength 0..49990.
void InstallFloor(World& w, int32_t rows, int32_t startRow, const int8_t* tiles, const int8_t* objects,
                  const uint8_t* demo, int32_t demoLength);
void PopulateFloor(World& w);
void SpawnCell(World& w, int column, int row, int cell);
void DrawTerrain(const World& w);
Rect TileSourceRect(int t);

}  // namespace q
