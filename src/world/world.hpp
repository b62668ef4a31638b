#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/core/rect.hpp"
#include "platform/core/sound_effects.hpp"

namespace q {

enum Kind : int32_t {
    KIND_NONE = 0,
    KIND_PLAYER = 1,
    KIND_LBLOCK_0 = 2,
    KIND_LBLOCK_1 = 3,
    KIND_BUILDER = 4,
    KIND_CHASER = 5,
    KIND_EXIT_LOCK = 6,
    KIND_PICKUP = 7,
    KIND_PROP_32x64 = 8,
    KIND_PROP_48x80 = 9,
    KIND_FIGURE = 10,
    KIND_PROP_96x176 = 11,
    KIND_HEAVY_LBLOCK_0 = 12,
    KIND_HEAVY_LBLOCK_1 = 13,
    KIND_CHASER_SPAWNER = 14,
    kKindCount = 15
};

constexpr int8_t EXIT_CELL = 31;

// Command codes: one per logic step, never combined.
enum Command : int32_t { CMD_NONE = 0, CMD_RIGHT = 1, CMD_LEFT = 2, CMD_DOWN = 4, CMD_UP = 8, CMD_ACTION = 16 };

// Which way an actor faces: the row of its character set it is drawn with.
enum Facing : int32_t { FACING_RIGHT = 0, FACING_LEFT = 1, FACING_VIEWER = 2, FACING_CLIMBING = 3 };

// An L-block's shape, kept in its dir: which top quarter is raised; the other
// is its notch.
enum BlockShape : int32_t { SHAPE_RAISED_LEFT = 0, SHAPE_RAISED_RIGHT = 1 };

// What the view should do after a step.
enum ScrollRequest : int32_t { SCROLL_NONE = 0, SCROLL_DOWN = 1, SCROLL_UP = 2 };

enum PlayResult : int32_t { PLAY_RESULT_CLEARED = 0, PLAY_RESULT_FAILED = 1, PLAY_RESULT_PLAYING = 255 };

enum PlayMode : int32_t { PLAY_MODE_NORMAL = 0, PLAY_MODE_REPLAY = 2 };

struct World;
struct Actor;

// A state is a handler; changing state is storing another handler.
using ActorHandler = void (*)(World&, Actor&);
// Drawing only reads: a drawer cannot change the world it shows.
using ActorDrawer = void (*)(const World&, const Actor&);
// Accepts (1) or refuses (0) a freshly cleared record; arg is kind-specific
// (the L-block's shape dir).
using ActorInit = int (*)(World&, Actor&, int x, int y, int arg);
using KindSpawner = void (*)(World&, int x, int y, int kind, int cell);

constexpr int kNoActor = -1;

struct Actor {
    int32_t kind = 0;
    int32_t cell = 0;
    int32_t alive = 0;
    int32_t prev = kNoActor;  // index in World::actors
    int32_t next = kNoActor;
    int32_t x = 0;
    int32_t oldX = 0;
    int32_t y = 0;
    int32_t oldY = 0;
    int32_t vx = 0;
    int32_t vy = 0;
    int32_t command = 0;
    int32_t fallStep = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t dir = 0;
    int32_t frame = 0;
    int32_t timer = 0;
    int32_t substep = 0;
    ActorHandler update = nullptr;
    ActorDrawer draw = nullptr;

    friend bool operator==(const Actor&, const Actor&) = default;
};

// The characters a player chooses from; the creatures are drawn as them too.
constexpr int kCharacterCount = 3;

constexpr int kPoolSize = 400;
// Sentinel records follow the 400 pool records.
constexpr int kFreeHead = kPoolSize + 0;
constexpr int kFreeTail = kPoolSize + 1;
constexpr int kActiveHead = kPoolSize + 2;
constexpr int kActiveTail = kPoolSize + 3;
constexpr int kActorRecords = kPoolSize + 4;

// Terrain tiles are squares this many pixels wide; shifting a coordinate
// right by kTileShift finds its tile, flooring negative values as the rules do.
constexpr int kTileSize = 16;
constexpr int kTileShift = 4;
static_assert(1 << kTileShift == kTileSize);
constexpr int kFloorColumns = 40;
static_assert(kFloorColumns * kTileSize == kScreenWidth);
// Tile rows a screen shows whole, and with the one below shown in part.
constexpr int kWholeScreenRows = kScreenHeight / kTileSize;
constexpr int kScreenRows = kWholeScreenRows + 1;
constexpr int kMaxFloorRows = 120;
constexpr int kTileMapBytes = kMaxFloorRows * kFloorColumns;  // 4800
// The blocks' occupancy map has 4-pixel cells, four to a tile each way.
constexpr int kOccupancyCellSize = 4;
constexpr int kOccupancyColumns = kFloorColumns * kTileSize / kOccupancyCellSize;  // 160
constexpr int kOccupancyBytes = kOccupancyColumns * kMaxFloorRows * (kTileSize / kOccupancyCellSize);  // 76800
constexpr int kReplayBytes = 50000;
// Block shapes stamped into the occupancy map between two clearings: one per
// block at a rebuild and one per step while carrying; past this the whole
// floor is cleared instead.
constexpr int kMaxStamps = kPoolSize + 16;
// Zero commands follow every demo or replay, so one that is outlasted stands still.
constexpr int kReplayTail = 10;
constexpr int kMaxDemoLength = kReplayBytes - kReplayTail;  // 49990

// Where one L-block shape was stamped into the occupancy map, in world
// pixels, so it can be found again after the view has scrolled.
struct OccupancyStamp {
    int32_t x = 0;
    int32_t worldY = 0;
    int32_t dir = 0;

    friend bool operator==(const OccupancyStamp&, const OccupancyStamp&) = default;
};

// Every shape stamped since the occupancy map was last all zero, so a rebuild
// clears those cells rather than the whole floor, and can see that the blocks
// stand exactly where the map already shows them. The first `fromRebuild`
// came from the last rebuild, in active-list order, on a floor of
// `floorRows`; the rest were painted during the step. `edited` is set by any
// paint, since an erase and a restore can leave the map different from a
// fresh rebuild.
struct StampLog {
    std::array<OccupancyStamp, kMaxStamps> stamps{};
    int32_t count = 0;
    int32_t fromRebuild = 0;
    int32_t floorRows = 0;
    int32_t edited = 0;
    int32_t overflowed = 0;  // some stamps went unrecorded: clear the whole map

    // Entries past `count` are left over from earlier steps and mean nothing.
    friend bool operator==(const StampLog& a, const StampLog& b) {
        if (a.count != b.count || a.fromRebuild != b.fromRebuild || a.floorRows != b.floorRows ||
            a.edited != b.edited || a.overflowed != b.overflowed)
            return false;
        for (int32_t i = 0; i < a.count; ++i)
            if (!(a.stamps[std::size_t(i)] == b.stamps[std::size_t(i)])) return false;
        return true;
    }
};

// The world of one floor in play, as one value: copying it forks the floor
// exactly. Links between actors are indices into `actors`.
struct World {
    std::array<int8_t, kTileMapBytes> tileMap{};
    std::array<int8_t, kTileMapBytes> objectMap{};
    std::array<uint8_t, kOccupancyBytes> occupancyMap{};
    std::array<uint8_t, kReplayBytes> replayBuffer{};
    std::array<Actor, kActorRecords> actors{};

    int32_t floorRows = 31;
    int32_t scrollY = 0;
    int32_t replayLength = 0;
    int32_t replayPos = 0;

    int32_t playResult = PLAY_RESULT_PLAYING;
    int32_t scrollRequest = SCROLL_NONE;

    // Player's shared variables.
    int32_t rightHold = 4;
    int32_t leftHold = 4;
    int32_t idleFrames = 0;
    int32_t heldActor = kNoActor;  // index of the block carried last
    int32_t liftOriginX = 0;
    int32_t liftOriginY = 0;

    // The player's command of the current step in normal play, handed in by
    // whoever steps the world (keys, a solver); never read in demo replay.
    int32_t liveCommand = CMD_NONE;
    // How many commands the player has taken so far: lets a tool see on which
    // steps the player listened.
    int32_t commandsRead = 0;

    // Inputs chosen before the floor starts.
    int32_t playMode = PLAY_MODE_NORMAL;
    int32_t character = 0;
    int32_t extraSpawnsEnabled = 1;

    // Sound effects requested during the current step (bit n = effect n);
    // the play scene hands them to the sound service and clears them.
    uint32_t soundRequests = 0;

    // Kept beside occupancyMap; changed only by the occupancy code and by
    // whatever clears the map.
    StampLog occupancyStamps{};

    void RequestSe(SoundEffect n) { soundRequests |= 1u << n; }
    Actor& operator[](int index) { return actors[index]; }
    const Actor& operator[](int index) const { return actors[index]; }
    int IndexOf(const Actor& a) const { return static_cast<int>(&a - actors.data()); }

    // Every byte and field: two worlds that compare equal step on identically.
    friend bool operator==(const World&, const World&) = default;
};

}  // namespace q
