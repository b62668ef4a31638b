#include "platform/keyboard.hpp"
#include "platform/sound.hpp"
#include "play/key_command.hpp"
#include "play/play_field.hpp"
#include "play/play_scenes.hpp"
#include "play/play_state.hpp"
#include "play/replay_run.hpp"
#include "play/run_recorder.hpp"
#include "play/shutter.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"
#include "world/world_step.hpp"

namespace q {

namespace {
// Frames the result picture stays before the shutter closes.
constexpr int32_t kResultFrames = 150;

void ClearScrollRequest() {
    if (HasGameWorld()) GameWorld().scrollRequest = SCROLL_NONE;
}

// One step of the world; the scene runs it on every other frame.
void PlayLogicStep(World& w) {
    // A watched run that was left or retried stops where the player stopped,
    // once its last step has been shown.
    if (WatchedRunOver(w)) {
        ReturnToTitle();
        return;
    }
    PollKeys();
    // The world never reads the keyboard: the keys become the step's command.
    const int command = KeysToCommand();
    RecordStep(command);
    if (StepWorld(w, command)) {
        FinishRecordedFloor();
        Session().sceneTimer = kResultFrames;
        StopBgm();
        SetScene(SCENE_RESULT);
    }
    ForwardWorldSounds();
    // Looked at after the result, so Esc or Ctrl in the same step wins over
    // the result scene; the result is noticed again when play resumes.
    CheckPlayKeys();
}
}  // namespace

void ForwardWorldSounds() {
    if (!HasGameWorld()) return;
    World& w = GameWorld();
    for (int n = 0; n < kEffectCount; ++n) {
        if (w.soundRequests & (1u << n)) RequestSe(SoundEffect(n));
    }
    w.soundRequests = 0;
}

void CheckPlayKeys() {
    if (IsPressed(ButtonEscape)) {
        RequestSe(SE_PAUSE);
        SetScene(SCENE_PAUSE);
    } else if (IsPressed(ButtonCtrl)) {
        if (HasGameWorld()) Session().savedScrollY = GameWorld().scrollY;
        RequestSe(SE_PAUSE);
        SetScene(SCENE_MAP_VIEW);
    }
}

void ReadyUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    ClearScrollRequest();
    Session().sceneTimer -= 1;
    // Only a fresh press skips: a confirm key still held from the previous
    // screen does not.
    if (IsPressed(ButtonEnter) || IsPressed(ButtonZ)) Session().sceneTimer = 0;
    if (Session().sceneTimer <= 0) {
        Session().sceneTimer = 0;
        SetScene(SCENE_PLAY);
        StartBgm();
    }
}

void ReadyDraw() {
    DrawPlayField(SCENE_READY);
    DrawReadyCountdown();
}

void PlayUpdate() {
    ApplyShownFloorRules();
    ClearScrollRequest();
    if (Session().logicPhase == 0 && HasGameWorld()) PlayLogicStep(GameWorld());
    Session().logicPhase = 1 - Session().logicPhase;
}

void PlayDraw() { DrawPlayField(SCENE_PLAY); }

void ResultUpdate() {
    ApplyShownFloorRules();
    PollKeys();
    ClearScrollRequest();
    Session().sceneTimer -= 1;
    if (Session().sceneTimer <= 0) {
        Session().sceneTimer = 0;
        OpenShutterNow();
        SetScene(SCENE_FLOOR_OUTRO);
    }
}

void ResultDraw() { DrawPlayField(SCENE_RESULT); }

}  // namespace q
