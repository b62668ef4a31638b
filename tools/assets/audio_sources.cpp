#include <stdexcept>
#include <string>

#include "assets/audio.hpp"

namespace q::assets {
namespace {

// One score per effect number, named for what the game plays it for.
const char* const kEffectScores[kEffectCount] = {
    "00_cursor.txt",     "01_pickup.txt",       "02_floor_failed.txt", "03_squashed.txt",
    "04_clear_first.txt", "05_lift.txt",         "06_block_drop.txt",   "07_asleep.txt",
    "08_clear_second.txt", "09_clear_third.txt", "10_pause.txt",
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
