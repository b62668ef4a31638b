// The world's part of the play scene's logic step: resetting an attempt,
// scrolling the view after the player, and noticing the floor's result.
#include "world/play_step.hpp"

#include "world/actor_pool.hpp"
#include "world/player.hpp"

namespace q {

namespace {

constexpr int kScrollUpSpeed = 4;

}  // namespace

void ResetAttempt(World& w) {
    w.playResult = PLAY_RESULT_PLAYING;
    w.scrollRequest = SCROLL_NONE;
    w.replayPos = 0;
    w.rightHold = kTurnSteps;
    w.leftHold = kTurnSteps;
    w.idleFrames = 0;
}

int PlayerFallSpeed(World& w) {
    const Actor* player = FindPlayer(w);
    if (!player || player->vy <= 0) return 0;
    return player->vy;
}

void ApplyScroll(World& w) {
    const int row = w.scrollY >> kTileShift;
    // Following down stops once the bottom row would come into view.
    if (w.scrollRequest == SCROLL_DOWN) {
        if (row < w.floorRows - kScreenRows)
            w.scrollY += PlayerFallSpeed(w);
        else
            w.scrollRequest = SCROLL_NONE;
    } else if (w.scrollRequest == SCROLL_UP) {
        if (row > 0)
            w.scrollY -= kScrollUpSpeed;
        else
            w.scrollRequest = SCROLL_NONE;
    }
}

void ShiftActorsForScroll(World& w) {
    // Actors keep their place on the floor while the view moves.
    if (w.scrollRequest != SCROLL_DOWN && w.scrollRequest != SCROLL_UP) return;
    for (Actor* a = LastActive(w); a; a = PrevActive(w, *a)) {
        if (w.scrollRequest == SCROLL_DOWN) a->y -= PlayerFallSpeed(w);
        if (w.scrollRequest == SCROLL_UP) a->y += kScrollUpSpeed;
    }
}

SoundEffect ClearJingle(int character) {
    constexpr SoundEffect kJingles[kCharacterCount] = {SE_CLEAR_FIRST, SE_CLEAR_SECOND, SE_CLEAR_THIRD};
    return (character >= 0 && character < kCharacterCount) ? kJingles[character] : kJingles[0];
}

bool CheckPlayResult(World& w) {
    if (w.playResult == PLAY_RESULT_PLAYING) return false;
    if (w.playResult == PLAY_RESULT_CLEARED) w.RequestSe(ClearJingle(w.character));
    if (w.playResult == PLAY_RESULT_FAILED) w.RequestSe(SE_FLOOR_FAILED);
    return true;
}

}  // namespace q
