// quorrel-assets [--out DIR] [--assets DIR] [--sounds DIR] [--icon FILE]: builds
// DIR/data.dat (the atlas, the eleven effects and the music) and
// DIR/atlas-preview.png; --icon writes the Windows program icon.
// --assets names the folder holding the scores (sounds/, music/) when it is
// not the repository's assets/; --sounds also writes each sound as its own
// WAVE file there, to be listened to.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/audio.hpp"
#include "assets/atlas.hpp"
#include "assets/game_data.hpp"
#include "assets/icon.hpp"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: quorrel-assets [--out DIR] [--assets DIR] [--sounds DIR] [--icon FILE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, sounds, icon;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else if (std::strcmp(argv[i], "--assets") == 0 && i + 1 < argc) {
            q::assets::SetAudioSourceDir(argv[++i]);
        } else if (std::strcmp(argv[i], "--sounds") == 0 && i + 1 < argc) {
            sounds = argv[++i];
        } else if (std::strcmp(argv[i], "--icon") == 0 && i + 1 < argc) {
            icon = argv[++i];
        } else {
            return Usage();
        }
    }
    if (out.empty() && icon.empty()) return Usage();
    std::string error;
    if (!out.empty() && !q::assets::WriteGameData(out, &error, stdout)) {
        std::fprintf(stderr, "quorrel-assets: %s\n", error.c_str());
        return 1;
    }
    if (!sounds.empty()) {
        if (!q::assets::WriteSoundFiles(sounds, &error)) {
            std::fprintf(stderr, "quorrel-assets: %s\n", error.c_str());
            return 1;
        }
        std::printf("wrote the sounds to %s\n", sounds.c_str());
    }
    if (!icon.empty()) {
        const std::vector<uint8_t> bytes = q::assets::BuildIconFile(q::assets::PaintAtlas());
        std::FILE* f = std::fopen(icon.c_str(), "wb");
        bool written = false;
        if (f) {
            written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
            written = std::fclose(f) == 0 && written;
        }
        if (!written) {
            std::fprintf(stderr, "quorrel-assets: cannot write %s\n", icon.c_str());
            return 1;
        }
        std::printf("wrote the icon to %s\n", icon.c_str());
    }
    return 0;
}
