#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/canvas.hpp"

namespace q::assets {

// The thirteen archive entries: 0 the atlas as PNG, 1..11 effects 0..10, 12
// the music.
std::vector<std::vector<uint8_t>> BuildArchiveEntries(const Canvas& atlas);

// The config.dat the game folder starts with: the defaults, but point sampling.
std::vector<uint8_t> ShippedConfigDat();

// Writes DIR/data.dat, DIR/config.dat and DIR/atlas-preview.png (making DIR if
// needed), printing one line per entry to `log` (when not null). On failure
// returns false with a reason.
bool WriteGameData(const std::string& outDir, std::string* error, std::FILE* log);
// The same from an atlas already painted.
bool WriteGameData(const std::string& outDir, const Canvas& atlas, std::string* error, std::FILE* log);

// Writes every sound as its own file, DIR/effect-00.wav .. effect-10.wav and
// DIR/music.wav, to listen to them outside the game.
bool WriteSoundFiles(const std::string& dir, std::string* error);

}  // namespace q::assets
