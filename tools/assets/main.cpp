// quorrel-assets [--out DIR] [--assets DIR] [--sounds DIR] [--icons DIR] [--icon FILE]:
// builds DIR/data.dat (the atlas, the eleven effects and the music),
// DIR/config.dat and DIR/atlas-preview.png. --assets names the folder holding
// the scores (sounds/, music/) when it is not the repository's assets/;
// --sounds also writes each sound as its own WAVE file there, to be listened
// to; --icons writes the desktop icon at every size there; --icon writes the
// Windows program icon (.ico).
// quorrel-assets --sheet OUT.png [--columns N] SHOT.png...: lays screenshots
// out on one contact sheet, to look over the art scene by scene.
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/audio.hpp"
#include "assets/archive_writer.hpp"
#include "assets/atlas.hpp"
#include "assets/contact_sheet.hpp"
#include "assets/game_data.hpp"
#include "assets/icon.hpp"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: quorrel-assets [--out DIR] [--assets DIR] [--sounds DIR] [--icons DIR] [--icon FILE]\n"
                 "       quorrel-assets --sheet OUT.png [--columns N] SHOT.png...\n");
    return 2;
}

int Sheet(int argc, char** argv) {
    const std::string out = argv[2];
    int columns = 6;
    std::vector<std::string> shots;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--columns") == 0 && i + 1 < argc)
            columns = std::atoi(argv[++i]);
        else
            shots.push_back(argv[i]);
    }
    std::string error;
    if (!q::assets::WriteContactSheet(out, shots, columns, &error)) {
        std::fprintf(stderr, "quorrel-assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--sheet") == 0) return Sheet(argc, argv);
    std::string out, sounds, icons, icon;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else if (std::strcmp(argv[i], "--assets") == 0 && i + 1 < argc) {
            q::assets::SetAudioSourceDir(argv[++i]);
        } else if (std::strcmp(argv[i], "--sounds") == 0 && i + 1 < argc) {
            sounds = argv[++i];
        } else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) {
            icons = argv[++i];
        } else if (std::strcmp(argv[i], "--icon") == 0 && i + 1 < argc) {
            icon = argv[++i];
        } else {
            return Usage();
        }
    }
    if (out.empty() && icon.empty()) return Usage();
    std::string error;
    // Painted once, for the archive, the preview and the icons.
    const q::assets::Canvas atlas = q::assets::PaintAtlas();
    if (!out.empty() && !q::assets::WriteGameData(out, atlas, &error, stdout)) {
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
    if (!icons.empty()) {
        if (!q::assets::WriteIcons(icons, atlas, &error)) {
            std::fprintf(stderr, "quorrel-assets: %s\n", error.c_str());
            return 1;
        }
        std::printf("wrote the icons to %s\n", icons.c_str());
    }
    if (!icon.empty()) {
        if (!q::assets::WriteFileBytes(icon, q::assets::BuildIconFile(atlas))) {
            std::fprintf(stderr, "quorrel-assets: cannot write %s\n", icon.c_str());
            return 1;
        }
        std::printf("wrote the icon to %s\n", icon.c_str());
    }
    return 0;
}
