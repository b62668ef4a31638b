// Turning a command into the player's speed, facing and walk frame.
#include "world/commands.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"

namespace q {

namespace {

constexpr int kFrameCount = 8;
// Screen rows beyond which the view follows the player.
constexpr int kScrollDownBelow = 320;
constexpr int kScrollUpAbove = 128;

void NextFrame(Actor& a) {
    a.frame += 1;
    if (a.frame >= kFrameCount) a.frame = 0;
}

}  // namespace

const int VerticalSpeedTable[kFallStepCount] = {-4, -4, -4, -4, -4, -4, 4, 4, 4, 4, 4, 4};

void CoastStep(Actor& a) {
    a.command = CMD_NONE;
    NextFrame(a);
}

void WalkInput(World& w, Actor& a) {
    ReadCommand(w, a);
    a.vx = 0;
    if (a.command == CMD_RIGHT) {
        a.frame += 1;
        a.dir = FACING_RIGHT;
        w.rightHold += 1;
        w.leftHold = 0;
        if (w.rightHold > kTurnSteps) {
            w.rightHold = kTurnSteps;
            a.vx = kWalkSpeed;
        } else {
            a.frame = 0;  // turning on the spot
        }
    }
    if (a.command == CMD_LEFT) {
        a.frame += 1;
        a.dir = FACING_LEFT;
        w.leftHold += 1;
        w.rightHold = 0;
        if (w.leftHold > kTurnSteps) {
            w.leftHold = kTurnSteps;
            a.vx = -kWalkSpeed;
        } else {
            a.frame = 0;
        }
    }
    if (a.command == CMD_NONE) a.frame = 1;
    if (a.frame > kFrameCount - 1) a.frame = 0;
}

void ClimbInput(World& w, Actor& a) {
    ReadCommand(w, a);
    a.vy = 0;
    a.vx = 0;
    // After climbing, the first press either way walks at once.
    w.rightHold = kTurnSteps;
    w.leftHold = kTurnSteps;
    NextFrame(a);
    switch (a.command) {
        case CMD_RIGHT: a.dir = FACING_RIGHT; a.vx = kWalkSpeed; break;
        case CMD_LEFT: a.dir = FACING_LEFT; a.vx = -kWalkSpeed; break;
        case CMD_DOWN: a.dir = FACING_CLIMBING; a.vy = kClimbSpeed; break;
        case CMD_UP: a.dir = FACING_CLIMBING; a.vy = -kClimbSpeed; break;
        case CMD_NONE: a.frame = 0; break;
        default: break;
    }
}

void CarryAdvance(World& w, Actor& a) {
    const Actor& held = w[w.heldActor];
    if (held.kind == KIND_LBLOCK_0 || held.kind == KIND_LBLOCK_1) a.substep = 0;
    if (held.kind == KIND_HEAVY_LBLOCK_0 || held.kind == KIND_HEAVY_LBLOCK_1) {
        a.substep += 1;
        if (a.substep > 1) a.substep = 0;
    }
    if (a.substep == 0) a.x += a.vx;
}

void FollowScroll(World& w, const Actor& a) {
    if (a.y > kScrollDownBelow) w.scrollRequest = SCROLL_DOWN;
    if (a.y < kScrollUpAbove) w.scrollRequest = SCROLL_UP;
}

}  // namespace q
