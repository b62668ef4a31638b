#include "assets/icon.hpp"

#include <algorithm>

#include "platform/atlas_layout.hpp"

namespace q::assets {

Canvas PaintIcon(const Canvas& atlas, int size) {
    Canvas icon(size, size);
    const Rect square{0, 0, size, size};
    icon.Gradient(square, Rgb(120, 178, 232), Rgb(232, 206, 150));
    icon.FrameRect(square, Rgb(40, 52, 84));
    const Rect pose = atlas::Pose(0, 2, 0);
    const int w = pose.right - pose.left, h = pose.bottom - pose.top;
    // The largest whole scale that leaves a border; at 16 pixels the figure is
    // cut at the knees rather than blurred.
    const int scale = std::max(1, (size - 4) / h);
    const int left = (size - w * scale) / 2;
    const int top = std::max(2, (size - h * scale) / 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Colour c = atlas.Get(pose.left + x, pose.top + y);
            if (AlphaOf(c) == 0) continue;
            for (int sy = 0; sy < scale; ++sy)
                for (int sx = 0; sx < scale; ++sx) icon.Blend(left + x * scale + sx, top + y * scale + sy, c);
        }
    return icon;
}

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
