// The world's part of the play scene's logic step: resetting an attempt,
// scrolling the view after the player, and noticing the floor's result.
#include "world/play_step.hpp"

#include "world/actor_pool.hpp"

namespace q {

namespace {

constexpr int kScrollUpSpeed = 4;
// Rows on screen: following stops once the bottom row would come into view.
constexpr int kScreenRows = 31;
constexpr int kTurnSteps = 4;
constexpr int kFailSound = 2;

}  // namespace

void ResetPlayState(World& w) {
    w.playResult = PLAY_RESULT_PLAYING;
    w.scrollRequest = 0;
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
    const int row = w.scrollY >> 4;
    if (w.scrollRequest == 1) {
        if (row < w.floorRows - kScreenRows)
            w.scrollY += PlayerFallSpeed(w);
        else
            w.scrollRequest = 0;
    } else if (w.scrollRequest == 2) {
        if (row > 0)
            w.scrollY -= kScrollUpSpeed;
        else
            w.scrollRequest = 0;
    }
}

void ShiftActorsForScroll(World& w) {
    // Actors keep their place on the floor while the view moves.
    for (Actor* a = LastActive(w); a; a = PrevActive(w, *a)) {
        if (w.scrollRequest == 1) a->y -= PlayerFallSpeed(w);
        if (w.scrollRequest == 2) a->y += kScrollUpSpeed;
    }
}

int ClearJingle(int character) {
    constexpr int kJingles[3] = {4, 8, 9};
    return (character >= 0 && character <= 2) ? kJingles[character] : kJingles[0];
}

bool CheckPlayResult(World& w) {
    if (w.playResult == PLAY_RESULT_PLAYING) return false;
    if (w.playResult == PLAY_RESULT_CLEARED) w.RequestSe(ClearJingle(w.character));
    if (w.playResult == PLAY_RESULT_FAILED) w.RequestSe(kFailSound);
    return true;
}

}  // namespace q
