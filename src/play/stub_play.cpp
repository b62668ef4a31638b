// Placeholder definitions until the play flow lands; delete each as it is
// written.
#include "app/scenes.hpp"
#include "play/play_state.hpp"

namespace q {
static World* world = nullptr;
World& GameWorld() { return *world; }
bool HasGameWorld() { return world != nullptr; }
void SetGameWorld(World* w) { world = w; }
int32_t floorNumber = 1, sceneTimer = 0, logicPhase = 0, savedScrollY = 0, character = 0, PlayMode = 0;
void ResetPlayState() {}
void InitPlayGlobals() {}
int StartPlay() { return 0; }
void NextFloor() {}
void StartEnding() {}
void CheckPlayKeys() {}
void ForwardWorldSounds() {}
void FloorIntroUpdate() {}   void FloorIntroDraw() {}
void ReadyUpdate() {}        void ReadyDraw() {}
void PlayUpdate() {}         void PlayDraw() {}
void ResultUpdate() {}       void ResultDraw() {}
void FloorOutroUpdate() {}   void FloorOutroDraw() {}
void MapViewUpdate() {}      void MapViewDraw() {}
void MapReturnUpdate() {}    void MapReturnDraw() {}
void EndingIntroUpdate() {}  void EndingIntroDraw() {}
void EndingUpdate() {}       void EndingDraw() {}
void OpenShutterNow() {}
void CloseShutterNow() {}
void StepShutter(int) {}
void DrawShutter() {}
bool ShutterOpen() { return true; }
bool ShutterClosed() { return false; }
}  // namespace q
