#include <stdexcept>
#include <string>

#include "assets/audio.hpp"

namespace q::assets {
namespace {

// One score per effect, named for what the game plays it for.
const char* const kEffectScores[kEffectCount] = {
    "00_cursor.txt",       // SE_CURSOR
    "01_pickup.txt",       // SE_PICKUP
    "02_floor_failed.txt", // SE_FLOOR_FAILED
    "03_squashed.txt",     // SE_SQUASHED
    "04_clear_first.txt",  // SE_CLEAR_FIRST
    "05_lift.txt",         // SE_LIFT
    "06_block_drop.txt",   // SE_BLOCK_DROP
    "07_asleep.txt",       // SE_ASLEEP
    "08_clear_second.txt", // SE_CLEAR_SECOND
    "09_clear_third.txt",  // SE_CLEAR_THIRD
    "10_pause.txt",        // SE_PAUSE
};

std::string& SourceDir() {
    static std::string dir = QUORREL_ASSET_DIR;
    return dir;
}

}  // namespace

void SetAudioSourceDir(const std::string& dir) {
    SourceDir() = dir;
}

std::string EffectScorePath(int effect) {
    if (effect < 0 || effect >= kEffectCount) throw std::out_of_range("no sound effect " + std::to_string(effect));
    return SourceDir() + "/sounds/" + kEffectScores[effect];
}

std::string MusicScorePath() {
    return SourceDir() + "/music/theme.txt";
}

}  // namespace q::assets
