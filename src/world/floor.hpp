#pragma once
#include "platform/rect.hpp"
#include "world/world.hpp"

namespace q {

constexpr int kLastFloor = 56;    // floors 1..56 are played
constexpr int kEndingFloor = 57;  // the floor the ending is shown on
constexpr int kFloorCount = kEndingFloor;

// Loads floor n (1..57) of the floor file into the stage buffers. Returns 1,
// or 0 when the file is missing or damaged (buffers are zeroed either way).
int LoadFloor(World& w, int n, const char* path = "floor.dat");
void PopulateFloor(World& w);
void SpawnCell(World& w, int column, int row, int cell);
void DrawTerrain(const World& w);
Rect TileSourceRect(int t);

}  // namespace q
