#include "platform/core/settings.hpp"

#include "platform/core/files.hpp"
#include "platform/core/little_endian.hpp"

namespace q {

constexpr int64_t kSettingsFileSize = 16;

// The player's settings: one set for the whole process, loaded at start.
GameSettings settings;

void LoadSettings(const char* path) {
    settings = GameSettings{};

    InputFile file(path);
    if (!file.IsOpen() || file.Size() != kSettingsFileSize) return;
    uint8_t bytes[kSettingsFileSize];
    // A file that shrinks while being read keeps the defaults whole.
    if (file.Read(bytes, sizeof bytes) != sizeof bytes) return;
    // Taken as stored: windowed must be exactly 1, the others mean "on" when nonzero.
    settings.windowed = ReadLeInt32(bytes + 0);
    settings.colorDepth32 = ReadLeInt32(bytes + 4);
    settings.vsync = ReadLeInt32(bytes + 8);
    settings.linearFilter = ReadLeInt32(bytes + 12);
}

}  // namespace q
