// quorrel-assets --out DIR [--assets DIR]: builds DIR/data.dat (the atlas,
// the eleven effects and the music) and DIR/atlas-preview.png.
#include <cstdio>
#include <cstring>
#include <string>

#include "assets/audio.hpp"
#include "assets/game_data.hpp"

int main(int argc, char** argv) {
    std::string out;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out = argv[++i];
        } else if (std::strcmp(argv[i], "--assets") == 0 && i + 1 < argc) {
            q::assets::SetAudioSourceDir(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: quorrel-assets --out DIR [--assets DIR]\n");
            return 2;
        }
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: quorrel-assets --out DIR [--assets DIR]\n");
        return 2;
    }
    std::string error;
    if (!q::assets::WriteGameData(out, &error, stdout)) {
        std::fprintf(stderr, "quorrel-assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
