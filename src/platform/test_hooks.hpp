#pragma once
// The platform's hooks for tests: ways to make things fail, to stand in for
// the user or the machine, and to look inside. Only tests include this.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/rect.hpp"

namespace q {

// Memory: the n-th AllocZeroed from now on (1-based) fails; 0 disables.
void FailAllocationAfter(int n);

// The clock the frame wait uses, in place of the real one; a clock without
// `now` puts the real one back. With `sleepUntil` (sleep until `now` reads
// at least the given millisecond, wrapping) the wait sleeps to its deadline
// in one go; without it, it sleeps with `sleepMs` to just before the deadline
// and spins the rest.
struct FrameClock {
    uint32_t (*now)() = nullptr;
    void (*sleepMs)(uint32_t ms) = nullptr;
    void (*sleepUntil)(uint32_t deadlineMs) = nullptr;
};
void SetFrameClock(const FrameClock& clock);
void ResetFrameClock();

// Graphics: the next PresentFrame reports a lost device, as after a display
// reset (which the SDL back end notices by itself).
void SimulateDeviceLoss();
// How many devices have been created so far, to tell whether a settings
// change rebuilt the device.
uint32_t DevicesCreated();

// Drawing: while recording is on, every DrawSprite is appended, whether or
// not a device exists.
struct DrawCall {
    Rect dest;
    Rect src;
    uint32_t colour;
};
void StartDrawRecording();
void StopDrawRecording();
const DrawCall* RecordedDraws(int* count);
void ClearRecordedDraws();

// Sound: whether effect n was requested in this frame; whether slot 0..11 is
// sounding now (the headless back end: started and not stopped since).
bool SoundRequested(int n);
bool VoicePlaying(int slot);
// Takes the audio device away as if it had been unplugged; the next play
// notices and opens it again.
void SimulateAudioDeviceLoss();
// Makes every audio-device open fail from now on (to test "sound error").
void FailAudioDevice(bool fail);

// The headless back end's window, desktop and message boxes.
namespace headless {
// The next PumpWindowEvents sees a close request (the window's close box).
void RequestClose();
// Makes the next CreateMainWindow fail.
void FailMainWindow(bool fail);
// Size of the pretend desktop the window is centred on (1920 x 1080 at first).
void SetDesktopSize(int width, int height);
// Text of every message box shown so far.
const std::vector<std::string>& MessageBoxes();
void ClearMessageBoxes();
}  // namespace headless

}  // namespace q
