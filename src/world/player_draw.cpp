// Drawing the player, with the floor's exit test and the bubbles over its
// head, and the idle counter behind the sleeping bubble.
#include "platform/sprite.hpp"
#include "world/character_sets.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

constexpr int kBubbleSize = 32;

constexpr int kFallingSpeed = 4;

constexpr int kIdleCap = 400;
constexpr int kFallAsleepAt = 399;

int CharacterIndex(int character) { return (character >= 0 && character <= 2) ? character : 0; }

}  // namespace

void PlayerDraw(World& w, Actor& a) {
    DrawCharacter(a, CharacterSets[CharacterIndex(w.character)]);

    // The win test lives here, so it runs on every drawn frame. vy is 4 for
    // a player standing on the ground (it re-tests the ground every step).
    if (OnColumn(a) && OnRow(w, a) && a.vy == kFallingSpeed && a.update == PlayerWalk) {
        // Ladder tops and anything firmer hold a player standing in the exit.
        const bool support =
            TileAt(w, a.x, a.y + a.height) >= TILE_LADDER || OccupiedAt(w, a.x, a.y + a.height) == 1;
        if (support && TileAt(w, a.x, a.y, Layer::Objects) == EXIT_CELL) {
            w.playResult = PLAY_RESULT_CLEARED;
            a.dir = FACING_VIEWER;
            a.frame = 0;
            a.update = PlayerFrozen;
        }
    }

    const int off = (kBubbleSize - a.width) >> 1;
    const int bx = a.x - off;
    const int by = a.y - kBubbleSize;
    if (w.idleFrames == kIdleCap) DrawSpriteBox(bx, by, kBubbleSize, kBubbleSize, atlas::kSleepingBubble);
    if (w.playResult == PLAY_RESULT_CLEARED) DrawSpriteBox(bx, by, kBubbleSize, kBubbleSize, atlas::kClearedBubble);
    if (w.playResult == PLAY_RESULT_FAILED) DrawSpriteBox(bx, by, kBubbleSize, kBubbleSize, atlas::kFailedBubble);
}

void TrackIdle(World& w, Actor& a) {
    if (a.x != a.oldX || a.y != a.oldY || a.command != CMD_NONE)
        w.idleFrames = 0;
    else
        w.idleFrames += 1;
    if (w.idleFrames == kFallAsleepAt) w.RequestSe(SE_ASLEEP);
    if (w.idleFrames > kIdleCap) w.idleFrames = kIdleCap;
}

}  // namespace q
