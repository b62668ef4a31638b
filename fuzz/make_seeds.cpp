// quorrel-fuzz-seeds OUT: writes the harnesses' seed corpus into OUT/NAME/,
// every seed made by the project's own writers from its own sources, small
// enough that the fuzzer spends its time on mutations.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "assets/archive_writer.hpp"
#include "assets/canvas.hpp"
#include "assets/wave_writer.hpp"
#include "floors/floor_set.hpp"
#include "floors/floor_link.hpp"
#include "floors/floor_source.hpp"
#include "world/replay_file.hpp"

namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

fs::path out;

void Seed(const char* harness, const std::string& name, const Bytes& bytes) {
    const fs::path dir = out / harness;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                       std::streamsize(bytes.size()));
}

void Seed(const char* harness, const std::string& name, const std::string& text) {
    Seed(harness, name, Bytes(text.begin(), text.end()));
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Picture(int width, int height) {
    using namespace q::assets;
    Canvas canvas(width, height);
    canvas.FillRect(q::Rect{1, 1, width - 1, height / 2}, Rgb(200, 40, 40));
    canvas.FillRect(q::Rect{0, height / 2, width / 2, height}, Argb(128, 20, 90, 220));
    return EncodePng(canvas);
}

Bytes Wave(int samples, int period) {
    std::vector<int16_t> s(static_cast<size_t>(samples));
    for (int i = 0; i < samples; ++i) s[size_t(i)] = int16_t((i / period) % 2 ? 9000 : -9000);
    return q::assets::WriteWave16Mono(s, 22050);
}

Bytes Le16(size_t v) { return {uint8_t(v), uint8_t(v >> 8)}; }

}  // namespace

int main(int argc, char** argv) {
    using namespace q::floors;
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorrel-fuzz-seeds OUT\n");
        return 2;
    }
    out = argv[1];
    FloorSet set;
    std::string error;
    if (!LoadFloorSet(QUORREL_ASSET_DIR "/floors", set, error)) {
        std::fprintf(stderr, "quorrel-fuzz-seeds: %s\n", error.c_str());
        return 1;
    }

    std::vector<Bytes> entries{Picture(16, 8)};
    for (int i = 1; i <= 12; ++i) entries.push_back(Wave(8 + i, 1 + i % 3));
    Seed("archive", "small", q::assets::PackArchive(entries));
    entries.resize(3);
    Seed("archive", "three-entries", q::assets::PackArchive(entries));

    Seed("atlas", "16x8", Picture(16, 8));
    Seed("atlas", "3x5", Picture(3, 5));

    Seed("wave", "44100-short", Concat({0}, Wave(16, 2)));
    Seed("wave", "22050-longer", Concat({2}, Wave(64, 5)));

    Seed("settings", "defaults", Bytes{1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0});
    Seed("settings", "full-screen-16-bit", Bytes{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0});

    Seed("headless_script", "menus", std::string("# title to play\n0 down Enter\n1 up Enter\n"
                                                 "30 down Right\n31 up Right\n40 shot title.png\n"
                                                 "50 down Z\n50 down Shift\n52 up Z\n52 up Shift\n"));
    Seed("headless_script", "keys", std::string("3 down Ctrl\n3 down Space\n4 up Escape\n7 down Q\n9 down Left\n"));

    for (int n : {1, 9, 30}) {
        const Floor& floor = set.floors[size_t(n - 1)];
        const std::string name = "floor-" + std::to_string(n);
        Seed("floor_source", name, WriteFloorSource(floor, n));
        Seed("floor_link", name, EncodeFloorLink(floor, n));
        const Bytes dat = BuildFloorDat({floor});
        Seed("floor_dat", name, dat);
        // A few hundred of the floor's own demo commands, live and replayed.
        const Bytes demo(floor.demo.begin(), floor.demo.begin() + long(std::min<size_t>(floor.demo.size(), 300)));
        Seed("world", name + "-live", Concat(Concat({1, 0}, Le16(demo.size())), Concat(demo, dat)));
        Seed("world", name + "-replay", Concat(Concat({1, 1}, Le16(demo.size())), Concat(demo, dat)));
        Seed("sim_commands", name, Concat({uint8_t(n - 1)}, demo));
        // The floor's demo as a player's recorded run of it.
        auto run = std::make_unique<q::Replay>();
        run->header.floor = n;
        run->header.floorChecksum = q::FloorChecksum(floor.rows, floor.startRow, floor.tiles.data(), floor.objects.data());
        run->header.steps = int32_t(demo.size());
        std::copy(demo.begin(), demo.end(), run->commands.begin());
        Bytes file(q::kMaxReplayFileBytes);
        file.resize(q::EncodeReplay(*run, file.data(), file.size()));
        Seed("replay", name, file);
    }
    Seed("floor_dat", "two-floors", BuildFloorDat({set.floors[0], set.floors[1]}));
    return 0;
}
