#include "assets/game_data.hpp"

#include <exception>
#include <filesystem>

#include "assets/archive_writer.hpp"
#include "assets/atlas.hpp"
#include "assets/audio.hpp"
#include "platform/core/archive.hpp"
#include "platform/core/little_endian.hpp"

namespace q::assets {
namespace {

constexpr int kMusicEntry = kArchiveEntries - 1;

// A WAVE payload's length in seconds, read from the header this tool writes.
double WaveSeconds(const std::vector<uint8_t>& wave) {
    if (wave.size() < 44) return 0;
    const uint32_t bytesPerSecond = ReadLe32(&wave[28]);
    return bytesPerSecond ? static_cast<double>(ReadLe32(&wave[40])) / bytesPerSecond : 0;
}

}  // namespace

std::vector<std::vector<uint8_t>> BuildArchiveEntries(const Canvas& atlas) {
    std::vector<std::vector<uint8_t>> entries(kArchiveEntries);
    entries[0] = EncodePng(atlas);
    for (int n = 0; n < kEffectCount; ++n) entries[static_cast<size_t>(n + 1)] = BuildEffectWave(n);
    entries[kMusicEntry] = BuildMusicWave();
    return entries;
}

std::vector<uint8_t> ShippedConfigDat() {
    // Windowed, 32-bit colour, vsync, point sampling: the characters and the
    // pictures drawn at twice their size stay as crisp as the tiles.
    const int32_t values[4] = {1, 1, 1, 0};
    std::vector<uint8_t> bytes;
    for (int32_t v : values)
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(uint32_t(v) >> shift));
    return bytes;
}

bool WriteGameData(const std::string& outDir, std::string* error, std::FILE* log) {
    // Painted once, for the archive and for the preview.
    return WriteGameData(outDir, PaintAtlas(), error, log);
}

bool WriteGameData(const std::string& outDir, const Canvas& atlas, std::string* error, std::FILE* log) {
    std::vector<std::vector<uint8_t>> entries;
    try {
        entries = BuildArchiveEntries(atlas);
    } catch (const std::exception& e) {
        *error = e.what();
        return false;
    }
    if (entries[0].empty()) {
        *error = "the atlas could not be encoded";
        return false;
    }
    std::vector<uint8_t> archive = PackArchive(entries);
    std::error_code made;
    std::filesystem::create_directories(outDir, made);
    const std::string dataPath = outDir + "/data.dat";
    if (!WriteFileBytes(dataPath, archive)) {
        *error = "cannot write " + dataPath;
        return false;
    }
    const std::string configPath = outDir + "/config.dat";
    if (!WriteFileBytes(configPath, ShippedConfigDat())) {
        *error = "cannot write " + configPath;
        return false;
    }
    const std::string previewPath = outDir + "/atlas-preview.png";
    if (!WriteAtlasPreview(previewPath.c_str(), atlas)) {
        *error = "cannot write " + previewPath;
        return false;
    }
    if (log) {
        std::fprintf(log, "entry  0  atlas   %9zu bytes\n", entries[0].size());
        for (int n = 0; n < kEffectCount; ++n) {
            const auto& e = entries[static_cast<size_t>(n + 1)];
            std::fprintf(log, "entry %2d  effect %2d %8zu bytes %6.2f s\n", n + 1, n, e.size(), WaveSeconds(e));
        }
        const auto& m = entries[kMusicEntry];
        std::fprintf(log, "entry %2d  music   %9zu bytes %6.2f s\n", kMusicEntry, m.size(), WaveSeconds(m));
        std::fprintf(log, "wrote %s (%zu bytes), %s and %s\n", dataPath.c_str(), archive.size(), configPath.c_str(),
                     previewPath.c_str());
    }
    return true;
}

bool WriteSoundFiles(const std::string& dir, std::string* error) {
    std::error_code made;
    std::filesystem::create_directories(dir, made);
    try {
        for (int n = 0; n < kEffectCount; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "/effect-%02d.wav", n);
            if (!WriteFileBytes(dir + name, BuildEffectWave(n))) {
                *error = "cannot write " + dir + name;
                return false;
            }
        }
        if (!WriteFileBytes(dir + "/music.wav", BuildMusicWave())) {
            *error = "cannot write " + dir + "/music.wav";
            return false;
        }
    } catch (const std::exception& e) {
        *error = e.what();
        return false;
    }
    return true;
}

}  // namespace q::assets
