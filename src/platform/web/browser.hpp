#pragma once
// The game in a web page: only the browser build has these.

namespace q {

// Hands the frame loop to the browser: from now on `frame` runs once per game
// frame, on the page's animation frames, until it returns true; then `ended`
// runs once. Returns at once: the page keeps the program alive.
void RunOnAnimationFrames(bool (*frame)(), void (*ended)());

// Tells the page the game is over, so it can thank the player instead of
// leaving a still canvas.
void ShowGameEndedPage();

}  // namespace q
