#include "floors/render_map.hpp"

#include <stb_image_write.h>

#include <algorithm>
#include <memory>

#include "floors/floor_world.hpp"
#include "platform/core/archive.hpp"
#include "platform/backend.hpp"
#include "platform/graphics.hpp"
#include "platform/core/sprite.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"

namespace q::floors {

namespace {

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kSheetBackground = 0xFF202028u;
constexpr int kSheetGap = 12;
constexpr int kLabelGap = 4;

void FillRect(Picture& p, int x, int y, int w, int h, uint32_t c) {
    for (int j = std::max(0, y); j < std::min(p.height, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(p.width, x + w); ++i) p.Set(i, j, c);
}

void Outline(Picture& p, int x, int y, int w, int h, int thickness, uint32_t c) {
    FillRect(p, x, y, w, thickness, c);
    FillRect(p, x, y + h - thickness, w, thickness, c);
    FillRect(p, x, y, thickness, h, c);
    FillRect(p, x + w - thickness, y, thickness, h, c);
}

void Paste(Picture& into, const Picture& from, int x, int y) {
    for (int j = 0; j < from.height; ++j)
        for (int i = 0; i < from.width; ++i) into.Set(x + i, y + j, from.At(i, j));
}

// One frame drawn by `draw` on the device, read back.
template <typename Draw>
bool DrawFrame(Draw draw, std::vector<uint32_t>& pixels) {
    BeginFrameDraw();
    draw();
    EndFrameDraw();
    PresentFrame();
    return headless::ReadFramePixels(pixels);
}

}  // namespace

MapPainter::~MapPainter() {
    if (!open_) return;
    ReleaseGraphics();
    FreeArchive();
    settings = savedSettings_;
    SelectBackend(static_cast<BackendKind>(savedBackend_));
}

bool MapPainter::Open(const std::string& dataPath, std::string& error) {
    if (open_) return true;
    savedBackend_ = static_cast<int>(ActiveBackend());
    savedSettings_ = settings;
    SelectBackend(BackendKind::Headless);
    // Point filtering: each atlas texel lands on exactly one pixel.
    settings = GameSettings{};
    settings.linearFilter = 0;
    if (!LoadArchive(dataPath.c_str())) {
        error = dataPath + ": cannot be read as a data.dat";
    } else if (!CreateGraphics()) {
        error = dataPath + ": its atlas cannot be drawn with (entry 0 is not a picture the game reads)";
    } else {
        open_ = true;
        return true;
    }
    FreeArchive();
    settings = savedSettings_;
    SelectBackend(static_cast<BackendKind>(savedBackend_));
    return false;
}

Picture MapPainter::PaintFloor(const Floor& floor) {
    Picture map(kScreenWidth, std::max(0, floor.rows) * kTileSize, kBlack);
    if (!open_ || map.height == 0) return map;
    const std::unique_ptr<World> start = EnterFloor(floor, EntryOptions{});
    auto view = std::make_unique<World>();
    std::vector<uint32_t> frame;
    // The screen shows 480 rows of pixels: the floor is drawn a screen at a
    // time, each time with the view scrolled there and the actors moved with
    // it as the game moves them.
    for (int top = 0; top < map.height; top += kScreenHeight) {
        *view = *start;
        const int shift = top - view->scrollY;
        view->scrollY = top;
        for (Actor* a = FirstActive(*view); a; a = NextActive(*view, *a)) a->y -= shift;
        if (!DrawFrame(
                [&] {
                    DrawTerrain(*view);
                    DrawActors(*view);
                },
                frame))
            return map;
        const int rows = std::min(kScreenHeight, map.height - top);
        std::copy(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(rows) * kScreenWidth,
                  map.pixels.begin() + static_cast<std::ptrdiff_t>(top) * kScreenWidth);
    }
    return map;
}

Picture MapPainter::PaintNumber(int number) {
    int digits = 1, divisor = 1;
    for (int n = number; n >= 10; n /= 10) {
        ++digits;
        divisor *= 10;
    }
    std::vector<uint32_t> frame;
    if (!open_ || !DrawFrame([&] { DrawBigNumber(0, 0, number, digits, divisor); }, frame)) return {};
    int right = 0, bottom = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            if ((frame[static_cast<size_t>(y) * kScreenWidth + x] & 0xFFFFFF) != 0) {
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
    Picture label(right, bottom, kBlack);
    for (int y = 0; y < bottom; ++y)
        for (int x = 0; x < right; ++x) label.Set(x, y, frame[static_cast<size_t>(y) * kScreenWidth + x]);
    return label;
}

void MarkStartAndExits(Picture& map, const Floor& floor, int scale) {
    scale = std::max(1, scale);
    const int thickness = scale == 1 ? 2 : 1;
    const int cell = std::max(1, kTileSize / scale);
    for (int row = 0; row < floor.rows; ++row)
        for (int column = 0; column < kColumns; ++column) {
            const int8_t o = floor.Object(column, row);
            // A lock opens into two exit cells: its own and the one to its right.
            const int width = o == EXIT_CELL ? 1 : o == KIND_EXIT_LOCK ? 2 : 0;
            if (width)
                Outline(map, column * kTileSize / scale, row * kTileSize / scale, width * cell, cell, thickness, kExitColour);
        }
    Outline(map, 0, floor.startRow * kTileSize / scale, kScreenWidth / scale, kScreenHeight / scale, thickness,
            kStartViewColour);
}

Picture ScaleDown(const Picture& picture, int factor) {
    factor = std::max(1, factor);
    Picture out(picture.width / factor, picture.height / factor, kBlack);
    const uint32_t area = static_cast<uint32_t>(factor * factor);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            uint32_t sum[3] = {0, 0, 0};
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const uint32_t p = picture.At(x * factor + i, y * factor + j);
                    sum[0] += (p >> 16) & 0xFF;
                    sum[1] += (p >> 8) & 0xFF;
                    sum[2] += p & 0xFF;
                }
            out.Set(x, y, kBlack | (sum[0] / area) << 16 | (sum[1] / area) << 8 | (sum[2] / area));
        }
    return out;
}

Picture ContactSheet(const std::vector<SheetEntry>& entries, int perRow) {
    perRow = std::max(1, perRow);
    int cellWidth = 0;
    std::vector<int> rowHeights;  // map part and label part of each row
    std::vector<int> labelHeights;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i % static_cast<size_t>(perRow) == 0) {
            rowHeights.push_back(0);
            labelHeights.push_back(0);
        }
        cellWidth = std::max({cellWidth, entries[i].map.width, entries[i].label.width});
        rowHeights.back() = std::max(rowHeights.back(), entries[i].map.height);
        labelHeights.back() = std::max(labelHeights.back(), entries[i].label.height);
    }
    const int columns = std::min(perRow, static_cast<int>(entries.size()));
    int height = kSheetGap;
    for (size_t r = 0; r < rowHeights.size(); ++r) height += rowHeights[r] + kLabelGap + labelHeights[r] + kSheetGap;
    Picture sheet(kSheetGap + columns * (cellWidth + kSheetGap), height, kSheetBackground);
    int top = kSheetGap;
    for (size_t i = 0; i < entries.size(); ++i) {
        const size_t r = i / static_cast<size_t>(perRow);
        const int left = kSheetGap + static_cast<int>(i % static_cast<size_t>(perRow)) * (cellWidth + kSheetGap);
        const SheetEntry& e = entries[i];
        const int base = top + rowHeights[r];
        Paste(sheet, e.map, left, base - e.map.height);
        Paste(sheet, e.label, left + (cellWidth - e.label.width) / 2, base + kLabelGap);
        if ((i + 1) % static_cast<size_t>(perRow) == 0)
            top = base + kLabelGap + labelHeights[r] + kSheetGap;
    }
    return sheet;
}

std::vector<uint8_t> EncodePng(const Picture& picture) {
    std::vector<uint8_t> rgb(static_cast<size_t>(picture.width) * picture.height * 3);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const uint32_t p = picture.pixels[i];
        rgb[i * 3 + 0] = static_cast<uint8_t>(p >> 16);
        rgb[i * 3 + 1] = static_cast<uint8_t>(p >> 8);
        rgb[i * 3 + 2] = static_cast<uint8_t>(p);
    }
    std::vector<uint8_t> png;
    if (picture.width <= 0 || picture.height <= 0) return png;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* out = static_cast<std::vector<uint8_t>*>(context);
            const auto* bytes = static_cast<const uint8_t*>(data);
            out->insert(out->end(), bytes, bytes + size);
        },
        &png, picture.width, picture.height, 3, rgb.data(), picture.width * 3);
    return png;
}

}  // namespace q::floors
