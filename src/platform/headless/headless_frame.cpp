#include "platform/headless/headless_frame.hpp"

#include <cstring>
#include <vector>

#include <stb_image_write.h>

#include "platform/backend.hpp"
#include "platform/core/rect.hpp"
#include "platform/test_hooks.hpp"

namespace q::headless {

namespace {
std::vector<uint32_t> lastFrame;  // empty until a frame has been presented
}  // namespace

void StoreFrame(const uint8_t* pixels, int pitch) {
    lastFrame.resize(size_t(kScreenWidth) * kScreenHeight);
    for (int y = 0; y < kScreenHeight; ++y)
        std::memcpy(&lastFrame[size_t(y) * kScreenWidth], pixels + size_t(y) * size_t(pitch), kScreenWidth * 4);
}

void ForgetFrame() { lastFrame.clear(); }

bool ReadFramePixels(std::vector<uint32_t>& out) {
    if (lastFrame.empty()) return false;
    out = lastFrame;
    return true;
}

bool WriteFramePng(const char* path) {
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
