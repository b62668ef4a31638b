#pragma once
#include "world/world.hpp"

namespace q {

enum class Layer { Tiles, Objects };

// Reads outside the floor (x outside 0..639, world y outside
// 0..floorRows*16-1) see 0; writes there are dropped.
int TileIndex(const World& w, int x, int y);
int OccupancyIndex(const World& w, int x, int y);
int TileAt(const World& w, int x, int y, Layer layer = Layer::Tiles);
int OccupiedAt(const World& w, int x, int y);
void SetObjectCell(World& w, int x, int y, int value);
bool OnColumn(const Actor& a);               // x & 15 == 0
bool OnRow(const World& w, const Actor& a);  // (y + scrollY) & 15 == 0

using SideTest = int (*)(World&, Actor&);
using TileVerticalTest = int (*)(World&, Actor&, int threshold);
using BlockVerticalTest = int (*)(World&, Actor&);

int NoTest(World& w, Actor& a);
int TileWallRight(World& w, Actor& a);
int TileWallLeft(World& w, Actor& a);
int BlockWallRight(World& w, Actor& a);
int BlockWallLeft(World& w, Actor& a);
int TileFloorBelow(World& w, Actor& a, int threshold);
int TileCeilingAbove(World& w, Actor& a, int threshold);
int BlockFloorBelow(World& w, Actor& a);
int BlockCeilingAbove(World& w, Actor& a);

extern const SideTest TileSideTests[3];
extern const SideTest BlockSideTests[3];
extern const TileVerticalTest TileVerticalTests[2];
extern const BlockVerticalTest BlockVerticalTests[2];
int SideIndex(int vx);      // 0 still, 1 right, 2 left
int VerticalIndex(int vy);  // 0 down, 1 otherwise

int OnLadder(const World& w, const Actor& a);
int HeadroomBlocked(const World& w, const Actor& a);
void RebuildOccupancy(World& w);
void PaintLBlockCells(World& w, int x, int y, int dir, int value);
int LBlockSideTest(World& w, Actor& block);
int LBlockVerticalTest(World& w, Actor& block);
int RegionOccupied(const World& w, int x, int y);
int BoxesOverlap(const Actor& a, const Actor& b);
int TouchesPlayer(World& w, const Actor& a);

extern const uint8_t LBlockShapeFine[2][8][8];
extern const uint8_t LBlockShapeQuarters[2][2][2];

}  // namespace q
