#pragma once

namespace q {

// Decides, at each refresh of a display that draws at its own pace (a
// browser's animation frames), whether a game frame begins then. On the
// game's own clock frames begin 17 ms apart, as on the desktop, and never
// sooner; each one is shown at the refresh nearest the time it is due, so the
// game keeps its speed whatever the refresh rate. A frame that comes later
// than one refresh after it was due starts the count afresh: nothing catches
// up, and a refresh never runs two frames.
class FramePacer {
public:
    // Called once per refresh with its time in milliseconds (any origin, only
    // going forward); true when a frame begins now.
    bool FrameDue(double nowMs);
    // When the last frame began on the game's clock.
    double LastFrameBegan() const { return began_; }
    // The refresh interval as measured so far (0 before two refreshes).
    double RefreshMs() const { return refreshMs_; }

private:
    bool started_ = false;
    double began_ = 0.0;
    double lastRefresh_ = 0.0;
    double refreshMs_ = 0.0;
};

}  // namespace q
