#pragma once
// Runs quorrel-headless as its own process in a temporary working folder and
// reads back its per-frame log and screenshots.
//
//   test::GameFolder dir;                       // data.dat + config.dat
//   dir.WriteFloors(dat);                       // floor.dat
//   auto run = dir.Run("30 down Enter\n31 up Enter\n", 400);
//   run.frames[30].scene ...
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scene/scene.hpp"
#include "platform/core/atlas_image.hpp"
#include "support/data_dat.hpp"
#include "support/floor_dat.hpp"

namespace q::test {

struct LoggedFrame {
    int frame = -1;
    int scene = -1;
    int floor = -1;
    std::vector<int> sounds;
    bool Played(int n) const {
        for (int s : sounds) {
            if (s == n) return true;
        }
        return false;
    }
};

struct HeadlessRun {
    int exitCode = -1;
    std::vector<LoggedFrame> frames;
    std::string stderrText;

    // First frame at or after `from` whose scene is `scene`, or -1.
    int FirstFrameInScene(int scene, int from = 0) const {
        for (std::size_t i = static_cast<std::size_t>(from < 0 ? 0 : from); i < frames.size(); ++i) {
            if (frames[i].scene == scene) return static_cast<int>(i);
        }
        return -1;
    }
    // The scenes in the order they were current, each listed once per visit.
    std::vector<int> SceneVisits() const {
        std::vector<int> visits;
        for (const LoggedFrame& f : frames) {
            if (visits.empty() || visits.back() != f.scene) visits.push_back(f.scene);
        }
        return visits;
    }
};

inline std::vector<LoggedFrame> ParseHeadlessLog(const std::string& text) {
    std::vector<LoggedFrame> frames;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        LoggedFrame f;
        std::string sounds;
        if (!(words >> f.frame >> f.scene >> f.floor >> sounds)) continue;
        if (sounds != "-") {
            std::istringstream list(sounds);
            std::string item;
            while (std::getline(list, item, ',')) f.sounds.push_back(std::stoi(item));
        }
        frames.push_back(f);
    }
    return frames;
}

// A screenshot: 640 x 480 pixels as 0xAARRGGBB.
struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    bool Loaded() const { return width == 640 && height == 480; }
    uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    AtlasTexel TexelAt(int x, int y) const { return DecodeAtlasTexel(At(x, y)); }
    // Whether screen pixel (x, y) shows atlas texel (ax, ay).
    bool Shows(int x, int y, int ax, int ay) const {
        const AtlasTexel t = TexelAt(x, y);
        return t.x == ax && t.y == ay;
    }
    // Whether screen pixel (x, y) shows some texel of the atlas rectangle.
    bool ShowsFrom(int x, int y, int left, int top, int right, int bottom) const {
        const AtlasTexel t = TexelAt(x, y);
        return t.valid() && t.x >= left && t.x < right && t.y >= top && t.y < bottom;
    }
    bool operator==(const Screenshot& other) const = default;
};

inline Screenshot LoadScreenshot(const std::string& path) {
    Screenshot shot;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream file;
    file << in.rdbuf();
    const std::string png = file.str();
    AtlasImage image;
    if (!DecodeAtlasImage(reinterpret_cast<const uint8_t*>(png.data()), static_cast<uint32_t>(png.size()), &image))
        return {};
    shot.width = image.width;
    shot.height = image.height;
    const unsigned char* data = image.rgba.get();
    shot.pixels.resize(static_cast<std::size_t>(shot.width) * shot.height);
    for (std::size_t i = 0; i < shot.pixels.size(); ++i) {
        const unsigned char* p = data + i * 4;
        shot.pixels[i] = (static_cast<uint32_t>(p[3]) << 24) | (static_cast<uint32_t>(p[0]) << 16) |
                         (static_cast<uint32_t>(p[1]) << 8) | p[2];
    }
    return shot;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A temporary working folder holding the synthetic data.dat and a config.dat
// with point filtering; removed when it goes out of scope.
class GameFolder {
public:
    GameFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorrel-e2e-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (mkdtemp(buffer.data())) path_ = buffer.data();
        WriteFile(File("data.dat"), SyntheticDataDat());
        WriteFile(File("config.dat"), PointFilterConfigDat());
    }
    // QUORREL_E2E_KEEP=1 keeps the folder (log, script, shots) for a look.
    ~GameFolder() {
        if (std::getenv("QUORREL_E2E_KEEP")) {
            std::fprintf(stderr, "kept %s\n", path_.c_str());
            return;
        }
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void WriteFloors(const FloorDat& dat) const { WriteFile(File("floor.dat"), dat.Build()); }
    void Remove(const std::string& name) const {
        std::error_code ignored;
        std::filesystem::remove(File(name), ignored);
    }

    // Runs the game for `frames` frames with the given script text and any
    // of the game's own options (already quoted for the shell).
    HeadlessRun Run(const std::string& script, int frames, const std::string& gameOptions = "") const {
        // A run refused before it starts writes no log: none from before may stand in.
        Remove("log.txt");
        {
            std::ofstream out(File("script.txt"), std::ios::trunc);
            out << script;
        }
        const std::string command = "cd '" + path_ + "' && '" QUORREL_BINARY_DIR "/quorrel-headless' --script script.txt --frames " +
                                    std::to_string(frames) + " --log log.txt " + gameOptions + " > stdout.txt 2> stderr.txt";
        HeadlessRun run;
        const int status = std::system(command.c_str());
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.frames = ParseHeadlessLog(ReadText(File("log.txt")));
        run.stderrText = ReadText(File("stderr.txt"));
        return run;
    }

    Screenshot Shot(const std::string& name) const { return LoadScreenshot(File(name)); }

private:
    std::string path_;
};

// Script building: key presses and shots at frames.
class Script {
public:
    Script& Down(int frame, const char* key) { return Add(frame, "down", key); }
    Script& Up(int frame, const char* key) { return Add(frame, "up", key); }
    // Down at `frame`, up at the next frame: one press seen by one poll.
    Script& Tap(int frame, const char* key) { return Down(frame, key).Up(frame + 1, key); }
    Script& Shot(int frame, const std::string& file) { return Add(frame, "shot", file.c_str()); }
    const std::string& Text() const { return text_; }

private:
    Script& Add(int frame, const char* verb, const char* argument) {
        text_ += std::to_string(frame) + " " + verb + " " + argument + "\n";
        return *this;
    }
    std::string text_;
};

}  // namespace q::test
