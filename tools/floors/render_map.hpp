#pragma once
// Floor maps drawn by the game itself: its terrain and its actors' draw
// handlers on the headless back end, one 640 x 480 frame at a time, stacked
// into the whole floor. Marks for the start view and the exits go on top, and
// the maps of a set are laid out on one contact sheet.
#include <cstdint>
#include <string>
#include <vector>

#include "floors/floor_source.hpp"
#include "platform/core/settings.hpp"

namespace q::floors {

// Opaque ARGB pixels, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Picture() = default;
    Picture(int w, int h, uint32_t fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    void Set(int x, int y, uint32_t c) {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[static_cast<size_t>(y) * width + x] = c;
    }
};

// The colours of the marks: chosen bright and unlike anything in the art.
constexpr uint32_t kStartViewColour = 0xFFFFE000u;
constexpr uint32_t kExitColour = 0xFF00FF40u;

// The game's graphics device on the headless back end with the atlas of a
// data.dat, for as long as the painter lives. One at a time: the device is
// the program's.
class MapPainter {
public:
    MapPainter() = default;
    ~MapPainter();
    MapPainter(const MapPainter&) = delete;
    MapPainter& operator=(const MapPainter&) = delete;

    // false with a message when the file holds no atlas the game could use.
    bool Open(const std::string& dataPath, std::string& error);

    // The floor as it stands when play begins (the world right after it is
    // populated), every row from the top, 640 x rows * 16, without marks.
    Picture PaintFloor(const Floor& floor);
    // A number in the game's large digits on black, cropped to the digits.
    Picture PaintNumber(int number);

private:
    bool open_ = false;
    // What the painter found, given back when it is done.
    int savedBackend_ = 0;
    GameSettings savedSettings_;
};

// Outlines the start view (the 640 x 480 window at the start row) and every
// exit cell on a map drawn at 1/scale of the floor's size.
void MarkStartAndExits(Picture& map, const Floor& floor, int scale);

// Every `factor` x `factor` block of pixels averaged into one.
Picture ScaleDown(const Picture& picture, int factor);

// The floors' maps side by side in rows, bottom-aligned (the floors are
// climbed from below), each with its label under it.
struct SheetEntry {
    Picture map;
    Picture label;
};
Picture ContactSheet(const std::vector<SheetEntry>& entries, int perRow);

// PNG bytes of a picture.
std::vector<uint8_t> EncodePng(const Picture& picture);

}  // namespace q::floors
