#pragma once
// The scenes that show a floor, for the application's scene table.

namespace q {

void FloorIntroUpdate();     void FloorIntroDraw();
void ReadyUpdate();          void ReadyDraw();
void PlayUpdate();           void PlayDraw();
void ResultUpdate();         void ResultDraw();
void FloorOutroUpdate();     void FloorOutroDraw();
void MapViewUpdate();        void MapViewDraw();
void MapReturnUpdate();      void MapReturnDraw();
void EndingIntroUpdate();    void EndingIntroDraw();
void EndingUpdate();         void EndingDraw();

}  // namespace q
