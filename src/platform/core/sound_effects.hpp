#pragma once

namespace q {

// The eleven sound effects, numbered as the sound slots that hold them.
enum SoundEffect : int {
    SE_CURSOR = 0,        // cursor moves and toggles in the front end
    SE_PICKUP = 1,        // a pickup taken
    SE_FLOOR_FAILED = 2,  // the player flattened
    SE_SQUASHED = 3,      // a creature squashed under a block
    SE_CLEAR_FIRST = 4,   // clear jingle of the first character
    SE_LIFT = 5,          // a lift or a put-down starts
    SE_BLOCK_DROP = 6,    // the builder drops a block
    SE_ASLEEP = 7,        // the player fell asleep
    SE_CLEAR_SECOND = 8,  // clear jingle of the second character
    SE_CLEAR_THIRD = 9,   // clear jingle of the third character
    SE_PAUSE = 10,        // pause, resume, map view
    kEffectCount = 11
};

// Slots 0..10 hold the effects, the last one the music.
constexpr int kMusicSlot = kEffectCount;
constexpr int kSoundSlots = kMusicSlot + 1;

}  // namespace q
