// Drawing the player with the bubbles over its head, and the idle counter
// behind the sleeping bubble.
#include "platform/core/sprite.hpp"
#include "world/character_sets.hpp"
#include "world/handlers.hpp"

namespace q {

namespace {

constexpr int kBubbleSize = 32;

constexpr int kIdleCap = 400;
constexpr int kFallAsleepAt = 399;

int CharacterIndex(int character) { return (character >= 0 && character < kCharacterCount) ? character : 0; }

}  // namespace

void PlayerDraw(const World& w, const Actor& a) {
    DrawCharacter(a, CharacterSets[CharacterIndex(w.character)]);

    // A frame that shows the player reaching the exit shows it cleared: the
    // frame rules that follow the drawing settle it.
    const int32_t result = StandsInExit(w, a) ? PLAY_RESULT_CLEARED : w.playResult;
    const int off = (kBubbleSize - a.width) >> 1;
    const int bx = a.x - off;
    const int by = a.y - kBubbleSize;
    if (w.idleFrames == kIdleCap) DrawSpriteBox(bx, by, kBubbleSize, kBubbleSize, atlas::kSleepingBubble);
    if (result == PLAY_RESULT_CLEARED) DrawSpriteBox(bx, by, kBubbleSize, kBubbleSize, atlas::kClearedBubble);
    if (result == PLAY_RESULT_FAILED) DrawSpriteBox(bx, by, kBubbleSize, kBubbleSize, atlas::kFailedBubble);
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
