#include "platform/headless/stand_ins.hpp"

#include <cstring>
#include <vector>

#include <stb_image_write.h>

#include "platform/core/rect.hpp"
#include "platform/headless/headless.hpp"

namespace q::headless {

void StoreFrame(const uint8_t* pixels, int pitch) {
    std::vector<uint32_t>& lastFrame = Machine().lastFrame;
    lastFrame.resize(size_t(kScreenWidth) * kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y)
        std::memcpy(&lastFrame[size_t(y) * kScreenWidth], pixels + size_t(y) * size_t(pitch), kScreenWidth * 4);
}

void ForgetFrame() { Machine().lastFrame.clear(); }

bool ReadFramePixels(std::vector<uint32_t>& out) {
    const std::vector<uint32_t>& lastFrame = Machine().lastFrame;
    if (lastFrame.empty()) return false;
    out = lastFrame;
    return true;
}

bool WriteFramePng(const char* path) {
    const std::vector<uint32_t>& lastFrame = Machine().lastFrame;
    if (lastFrame.empty() || !path) return false;
    // The screen has no transparency: every pixel is written opaque.
    std::vector<uint8_t> rgb(size_t(kScreenWidth) * kScreenHeight * 3);
    for (size_t i = 0; i < lastFrame.size(); ++i) {
        const uint32_t p = lastFrame[i];
        rgb[i * 3 + 0] = uint8_t(p >> 16);
        rgb[i * 3 + 1] = uint8_t(p >> 8);
        rgb[i * 3 + 2] = uint8_t(p);
    }
    return stbi_write_png(path, kScreenWidth, kScreenHeight, 3, rgb.data(), kScreenWidth * 3) != 0;
}

}  // namespace q::headless
