#pragma once
// The platform's hooks for tests: ways to make things fail, to stand in for
// the user or the machine, and to look inside. Only tests include this.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/draw_recording.hpp"
#include "platform/core/memory.hpp"
#include "platform/core/rect.hpp"
#include "platform/headless/headless.hpp"

namespace q {

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

// Sound: whether effect n was requested in this frame; whether slot 0..11 is
// sounding now (the headless back end: started and not stopped since).
bool SoundRequested(int n);
bool VoicePlaying(int slot);
// Takes the audio device away as if it had been unplugged; the next play
// notices and opens it again.
void SimulateAudioDeviceLoss();
// Makes every audio-device open fail from now on (to test "sound error").
void FailAudioDevice(bool fail);

}  // namespace q
