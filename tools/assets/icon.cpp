// The desktop icon, composed from atlas pictures at the game's own scale on a
// 64-pixel square, then resized: whole multiples keep the pixels sharp, the
// small sizes average each block of pixels so nothing is simply dropped.
#include "assets/icon.hpp"

#include <cstdint>
#include <filesystem>

#include "assets/archive_writer.hpp"
#include "assets/atlas.hpp"

namespace q::assets {
namespace {

constexpr int kBase = 64;
constexpr Colour kInk = Rgb(24, 16, 32);

void Put(Canvas& icon, const Canvas& atlas, const char* region, int x, int y) {
    const Rect src = RegionRect(region);
    icon.CopyScaled(atlas, src, Rect{x, y, x + src.Width(), y + src.Height()}, true);
}

Canvas PaintBase(const Canvas& atlas) {
    Canvas icon(kBase, kBase);
    const Rect wall = RegionRect("background");
    icon.CopyScaled(atlas, Rect{wall.left + 160, wall.top + 200, wall.left + 160 + kBase, wall.top + 200 + kBase},
                    Rect{0, 0, kBase, kBase}, false);
    for (int x = 0; x < kBase; x += 16) Put(icon, atlas, "tile.31", x, 48);
    Put(icon, atlas, "tile.24", 48, 32);
    Put(icon, atlas, "tile.24", 48, 16);
    Put(icon, atlas, "block.light.1", 18, 16);
    // The standing pose is narrower than its 16-pixel box; centre it in it.
    const Rect pose = RegionRect("char0.right.A");
    Put(icon, atlas, "char0.right.A", 4 + (16 - pose.Width()) / 2, 48 - pose.Height());
    icon.FrameRect(Rect{0, 0, kBase, kBase}, kInk);
    // Rounded corners: the outermost pixel of each corner is clear.
    for (int x : {0, kBase - 1})
        for (int y : {0, kBase - 1}) icon.Put(x, y, Argb(0, 0, 0, 0));
    return icon;
}

// Each target pixel is the average of the source pixels it covers, weighted
// by alpha so clear pixels do not darken the edges.
Canvas Shrink(const Canvas& from, int size) {
    Canvas to(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int x0 = x * from.Width() / size, x1 = (x + 1) * from.Width() / size;
            const int y0 = y * from.Height() / size, y1 = (y + 1) * from.Height() / size;
            long a = 0, r = 0, g = 0, b = 0, n = 0;
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const Colour c = from.Get(sx, sy);
                    const int alpha = AlphaOf(c);
                    a += alpha;
                    r += RedOf(c) * alpha;
                    g += GreenOf(c) * alpha;
                    b += BlueOf(c) * alpha;
                    ++n;
                }
            if (a == 0) continue;
            to.Put(x, y, Argb(int(a / n), int(r / a), int(g / a), int(b / a)));
        }
    return to;
}

}  // namespace

const std::vector<int>& IconSizes() {
    static const std::vector<int> sizes = {16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

Canvas PaintIcon(const Canvas& atlas, int size) {
    const Canvas base = PaintBase(atlas);
    if (size < kBase) return Shrink(base, size);
    Canvas icon(size, size);
    icon.CopyScaled(base, Rect{0, 0, kBase, kBase}, Rect{0, 0, size, size}, false);
    return icon;
}

bool WriteIcons(const std::string& dir, const Canvas& atlas, std::string* error) {
    std::error_code made;
    std::filesystem::create_directories(dir, made);
    for (int size : IconSizes()) {
        const std::string path = dir + "/quorrel-" + std::to_string(size) + ".png";
        if (!WriteFileBytes(path, EncodePng(PaintIcon(atlas, size)))) {
            *error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

// A Windows .ico file holding the icon at 256, 48, 32 and 16 pixels, each
// stored as a PNG (which every Windows since Vista reads).
std::vector<uint8_t> BuildIconFile(const Canvas& atlas) {
    static constexpr int kSizes[] = {256, 48, 32, 16};
    constexpr int kCount = sizeof kSizes / sizeof kSizes[0];
    std::vector<std::vector<uint8_t>> images;
    for (int size : kSizes) images.push_back(EncodePng(PaintIcon(atlas, size)));
    std::vector<uint8_t> out;
    auto put16 = [&](uint32_t v) { out.push_back(uint8_t(v)); out.push_back(uint8_t(v >> 8)); };
    auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    put16(0);       // reserved
    put16(1);       // an icon, not a cursor
    put16(kCount);
    uint32_t offset = 6 + 16 * kCount;
    for (int i = 0; i < kCount; ++i) {
        out.push_back(uint8_t(kSizes[i] & 255));  // 256 is written as 0
        out.push_back(uint8_t(kSizes[i] & 255));
        out.push_back(0);  // no palette
        out.push_back(0);  // reserved
        put16(1);          // colour planes
        put16(32);         // bits per pixel
        put32(uint32_t(images[i].size()));
        put32(offset);
        offset += uint32_t(images[i].size());
    }
    for (const auto& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace q::assets
