#pragma once
// Drawing and scrolling helpers shared by the scenes that show a floor.

namespace q {

// The floor, its actors and the HUD; nothing before the world exists.
void DrawPlayField(int sceneId);
// The world's once-a-frame rules for the floor on screen. Every scene that
// draws the floor runs them first in its update, so they follow that frame's
// drawing.
void ApplyShownFloorRules();
// The floor indicator drawn last over the play field; sceneId and floorNumber
// decide what it shows.
void DrawPlayHud(int sceneId, int floorNumber);
// The countdown label at twice its size and the frames left beneath it.
void DrawReadyCountdown();
// Moves every actor's y by dy, last actor first, so actors keep their world
// positions while the view moves.
void ShiftActorsBy(int dy);

}  // namespace q
