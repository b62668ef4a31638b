#pragma once
// Small floors built in code for world tests.
//
//   auto w = test::MakeWorld({
//       "........",
//       "P.......",
//       "........",
//       "########",
//   });
//   test::UseCommands(*w, "RRRR....");
//   test::Steps(*w, 8);
//
// Each character of a row is one cell, drawn with the characters of
// support/floor_dat.hpp; the floor's PopulateFloor (or Populate below) turns
// the object markers into actors.
#include <gtest/gtest.h>

#include <cassert>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "support/floor_dat.hpp"
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/floor.hpp"
#include "world/handlers.hpp"
#include "world/play_step.hpp"
#include "world/world.hpp"
#include "world/world_step.hpp"

namespace q::test {

// Fills the tile and object layers from the rows; floorRows = rows.size().
inline void PaintRows(World& w, const std::vector<std::string>& rows) {
    assert(!rows.empty() && rows.size() <= static_cast<size_t>(kMaxFloorRows));
    w.floorRows = static_cast<int32_t>(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size() && c < static_cast<size_t>(kFloorColumns); ++c) {
            const int cell = static_cast<int>(r) * kFloorColumns + static_cast<int>(c);
            const int object = ObjectForChar(rows[r][c]);
            if (object >= 0) {
                w.objectMap[cell] = static_cast<int8_t>(object);
                w.tileMap[cell] = 0;
            } else {
                w.tileMap[cell] = static_cast<int8_t>(TileForChar(rows[r][c]));
            }
        }
    }
}

// A fresh world with an empty pool, the given rows and view position. No
// actors exist yet: call Populate, or spawn them one by one.
inline std::unique_ptr<World> MakeWorld(const std::vector<std::string>& rows, int scrollY = 0) {
    auto w = std::make_unique<World>();
    InitActorPool(*w);
    PaintRows(*w, rows);
    w->scrollY = scrollY;
    ResetAttempt(*w);
    return w;
}

// A world of n empty rows (all tiles 0).
inline std::unique_ptr<World> MakeEmptyWorld(int rows, int scrollY = 0) {
    return MakeWorld(std::vector<std::string>(static_cast<size_t>(rows), std::string()), scrollY);
}

inline void SetTile(World& w, int column, int row, int tile) {
    w.tileMap[row * kFloorColumns + column] = static_cast<int8_t>(tile);
}
inline void SetObject(World& w, int column, int row, int value) {
    w.objectMap[row * kFloorColumns + column] = static_cast<int8_t>(value);
}
inline int TileOf(const World& w, int column, int row) { return w.tileMap[row * kFloorColumns + column]; }
inline int ObjectOf(const World& w, int column, int row) { return w.objectMap[row * kFloorColumns + column]; }

// Spawns the floor's object markers, as entering the floor does.
inline void Populate(World& w) { PopulateFloor(w); }

// Runs the kind's spawner as if a marker sat at (column, row) (so L-blocks
// appear 16 pixels higher, kind 11 160 higher). Returns the new actor or
// nullptr when the spawner made none. Passes cell 0, like spawns during play.
inline Actor* SpawnKind(World& w, int kind, int column, int row) {
    Actor* before = LastActive(w);
    KindSpawnTable[kind](w, column * 16, row * 16 - w.scrollY, kind, 0);
    Actor* after = LastActive(w);
    return after != before ? after : nullptr;
}

// The player with its box's top-left at screen pixel (x, y).
inline Actor* PlacePlayer(World& w, int x, int y) {
    return SpawnActor(w, x, y, KIND_PLAYER, 0, PlayerInit);
}

// An L-block of the kind (2, 3, 12, 13) with its box's top-left at screen
// pixel (x, y); its shape dir follows the kind.
inline Actor* PlaceBlock(World& w, int kind, int x, int y) {
    const int dir = (kind == KIND_LBLOCK_1 || kind == KIND_HEAVY_LBLOCK_1) ? 1 : 0;
    return SpawnActor(w, x, y, kind, 0, LBlockInit, dir);
}

// Any kind with its spawner's init at screen pixel (x, y) exactly.
inline Actor* PlaceActor(World& w, int kind, int x, int y, ActorInit init, int arg = 0) {
    return SpawnActor(w, x, y, kind, 0, init, arg);
}

// Command bytes for the replay buffer, one per step: 'R' right, 'L' left,
// 'D' down, 'U' up, 'A' action, '.' or ' ' none.
inline int CommandForChar(char c) {
    switch (c) {
        case 'R': return CMD_RIGHT;
        case 'L': return CMD_LEFT;
        case 'D': return CMD_DOWN;
        case 'U': return CMD_UP;
        case 'A': return CMD_ACTION;
        default: return CMD_NONE;
    }
}

// Drives the player from these bytes from the current step on (demo replay
// mode; the cursor restarts at 0). After the last byte the player gets 0.
inline void UseCommandBytes(World& w, const std::vector<int>& bytes) {
    assert(bytes.size() <= static_cast<size_t>(kMaxDemoLength));
    w.playMode = PLAY_MODE_REPLAY;
    w.replayBuffer.fill(0);
    for (size_t i = 0; i < bytes.size(); ++i) w.replayBuffer[i] = static_cast<uint8_t>(bytes[i]);
    w.replayLength = static_cast<int32_t>(bytes.size()) + 10;
    w.replayPos = 0;
}
inline void UseCommands(World& w, const std::string& script) {
    std::vector<int> bytes;
    for (char c : script) bytes.push_back(CommandForChar(c));
    UseCommandBytes(w, bytes);
}
inline std::string Repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

// n logic steps of the actors alone (no scrolling, no result check).
inline void Steps(World& w, int n = 1) {
    for (int i = 0; i < n; ++i) UpdateActors(w);
}

// n full logic steps as the play scene runs them: the frame rules (the exit
// test lives there), then the step, the scroll and the result check. Stops early after a step that produced a result; returns the steps
// run.
inline int PlaySteps(World& w, int n = 1) {
    for (int i = 0; i < n; ++i)
        if (StepWorld(w)) return i + 1;
    return n;
}

inline Actor* Player(World& w) { return FindPlayer(w); }

inline std::vector<Actor*> ActorsOfKind(World& w, int kind) {
    std::vector<Actor*> out;
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (a->kind == kind) out.push_back(a);
    return out;
}

inline int WorldY(const World& w, const Actor& a) { return a.y + w.scrollY; }

// Whether two worlds are one and the same value, naming the first actor
// record that differs when they are not.
inline ::testing::AssertionResult SameWorld(const World& a, const World& b) {
    if (a == b) return ::testing::AssertionSuccess();
    for (int i = 0; i < kActorRecords; ++i)
        if (!(a.actors[size_t(i)] == b.actors[size_t(i)])) return ::testing::AssertionFailure() << "actor record " << i;
    return ::testing::AssertionFailure() << "the stage buffers or the shared variables";
}

// Where a block is and what state it is in after a step.
struct BlockAt {
    int x, y;
    ActorHandler update;
    friend bool operator==(const BlockAt&, const BlockAt&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const BlockAt& b) {
    const char* name = HandlerName(b.update);
    return os << "(" << b.x << ", " << b.y << ", " << (name ? name : "null") << ")";
}

// Steps the world's actors and records where the block is after each step.
inline std::vector<BlockAt> Trace(World& w, const Actor& block, int steps) {
    std::vector<BlockAt> out;
    for (int i = 0; i < steps; ++i) {
        Steps(w);
        out.push_back({block.x, block.y, block.update});
    }
    return out;
}

}  // namespace q::test
