// The graphics device on an SDL renderer: a window renderer for the game, an
// offscreen software renderer for the headless back end. Both draw the same
// way; only where the pixels go differs.
#include <SDL.h>

#include <atomic>
#include <vector>

#include "platform/core/archive.hpp"
#include "platform/sdl/atlas_decode_job.hpp"
#include "platform/core/atlas_image.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/backend_table.hpp"
#include "platform/graphics.hpp"
#include "platform/headless/stand_ins.hpp"
#include "platform/core/render_queue.hpp"
#include "platform/sdl/renderer_choice.hpp"
#include "platform/sdl/sdl_window.hpp"
#include "platform/core/settings.hpp"
#include "platform/sdl/software_sprites.hpp"
#include "platform/test_hooks.hpp"
#include "platform/window.hpp"

namespace q {

namespace {

constexpr float kAtlasSpace = float(atlas::kSide);
// Where in the picture a pixel takes its colour from: with linear filtering,
// around the pixel's centre; with point sampling, the texel under the pixel's
// top-left corner, nudged a 64th of a pixel inside it so that rounding never
// picks the neighbour. The renderer samples at pixel centres, so a
// point-sampled sprite is moved right and down by just under half a pixel.
constexpr float kPointSampleShift = 0.5f - 1.0f / 64.0f;
// Room for several full play fields (1240 tiles, 400 actors, HUD each) in one
// frame, so that drawing never allocates after start-up.
constexpr size_t kQuadReserve = 8192;

struct Device {
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* atlas = nullptr;
    SDL_Texture* target565 = nullptr;   // 16-bit full screen renders through this
    SDL_Surface* offscreen = nullptr;   // headless: where the frame is rasterised
    float uScale = 1.0f, vScale = 1.0f; // 2048 space to the texture's 0..1
    bool inFrame = false;
    bool watching = false;
    bool snapToPixels = false;          // the software renderer truncates positions
    float pointShift = kPointSampleShift;  // kPointSampleShift in the frame's own pixels
};

// One window has one renderer: the device lives as long as the process and every draw call reaches it here.
Device device;
// Used in place of the quads below when the renderer is SDL's software one.
SoftwareSprites softwareSprites;
std::vector<SDL_Vertex> vertices;
std::vector<int> indices;
std::atomic<bool> deviceLost{false};
uint32_t devicesCreated = 0;

int SDLCALL WatchForDeviceReset(void*, SDL_Event* event) {
    if (event->type == SDL_RENDER_TARGETS_RESET || event->type == SDL_RENDER_DEVICE_RESET) deviceLost = true;
    return 0;
}

// Cuts the part of one axis of a quad whose texture coordinates leave the
// texture (0..1): the renderer refuses such coordinates, and beyond the
// picture there is nothing to show. False when nothing is left.
bool ClipToTexture(float& p0, float& p1, float& t0, float& t1) {
    if (t0 >= 0.0f && t0 <= 1.0f && t1 >= 0.0f && t1 <= 1.0f) return true;
    if (t0 == t1) return false;
    const float sa = (0.0f - t0) / (t1 - t0);
    const float sb = (1.0f - t0) / (t1 - t0);
    const float from = SDL_max(0.0f, SDL_min(sa, sb));
    const float to = SDL_min(1.0f, SDL_max(sa, sb));
    if (from >= to) return false;
    const float dp = p1 - p0, dt = t1 - t0;
    const float np0 = p0 + from * dp, np1 = p0 + to * dp;
    t1 = SDL_clamp(t0 + to * dt, 0.0f, 1.0f);
    t0 = SDL_clamp(t0 + from * dt, 0.0f, 1.0f);
    p0 = np0;
    p1 = np1;
    return true;
}

// The first pixel whose centre lies at or after p: whole-pixel positions are
// drawn the same by a renderer that truncates toward zero.
float SnapToPixel(float p) { return SDL_ceilf(p - 0.5f); }

bool SixteenBitFrame() { return settings.windowed != 1 && settings.colorDepth32 == 0; }

// The decoded picture is handed to `keep` when one is given.
bool CreateAtlasTexture(AtlasImage* keep) {
    uint32_t size = 0;
    const uint8_t* bytes = ArchiveEntry(0, &size);
    if (!bytes) return false;
    AtlasImage image;
    if (!TakeAtlasImage(bytes, size, &image)) return false;

    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(device.renderer, &info) == 0) {
        if ((info.max_texture_width && image.textureWidth > info.max_texture_width) ||
            (info.max_texture_height && image.textureHeight > info.max_texture_height))
            return false;
    }
    device.atlas = SDL_CreateTexture(device.renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                     image.textureWidth, image.textureHeight);
    if (!device.atlas) return false;

    // A new texture's contents are undefined: the part outside the image must
    // be transparent, as if the image had been padded.
    SDL_Rect picture{0, 0, image.width, image.height};
    if (SDL_UpdateTexture(device.atlas, &picture, image.rgba.get(), image.width * 4) != 0) return false;
    const int right = image.textureWidth - image.width;
    const int below = image.textureHeight - image.height;
    if (right > 0 || below > 0) {
        const int widest = image.textureWidth;
        std::vector<uint8_t> zeros(size_t(widest) * 4 * 64, 0);
        auto clearArea = [&](int x, int y, int w, int h) {
            for (int row = y; row < y + h; row += 64) {
                SDL_Rect band{x, row, w, SDL_min(64, y + h - row)};
                SDL_UpdateTexture(device.atlas, &band, zeros.data(), widest * 4);
            }
        };
        if (right > 0) clearArea(image.width, 0, right, image.height);
        if (below > 0) clearArea(0, image.height, image.textureWidth, below);
    }
    SDL_SetTextureBlendMode(device.atlas, SDL_BLENDMODE_BLEND);
    device.uScale = kAtlasSpace / float(image.textureWidth);
    device.vScale = kAtlasSpace / float(image.textureHeight);
    if (keep) *keep = std::move(image);
    return true;
}

// The format of what the software renderer draws into.
Uint32 SoftwareScreenFormat() {
    if (device.target565) return SDL_PIXELFORMAT_RGB565;
    if (device.offscreen) return device.offscreen->format->format;
    SDL_Window* window = MainSdlWindow();
    return window ? SDL_GetWindowPixelFormat(window) : Uint32(SDL_PIXELFORMAT_RGB888);
}

bool CreateAttempt() {
    deviceLost = false;
    if (!Backend().createRenderer()) return false;
    SDL_RendererInfo rendererInfo;
    device.snapToPixels =
        SDL_GetRendererInfo(device.renderer, &rendererInfo) == 0 && (rendererInfo.flags & SDL_RENDERER_SOFTWARE);
    AtlasImage kept;
    if (!CreateAtlasTexture(device.snapToPixels ? &kept : nullptr)) return false;
    // The picture keeps its 4:3 shape in any window, centred between black bars.
    SDL_RenderSetLogicalSize(device.renderer, kScreenWidth, kScreenHeight);
    SDL_SetRenderDrawBlendMode(device.renderer, SDL_BLENDMODE_NONE);
    if (SixteenBitFrame()) {
        SDL_RendererInfo info;
        // A renderer that cannot draw into a texture shows the frame in its
        // own depth rather than not at all.
        if (SDL_GetRendererInfo(device.renderer, &info) == 0 && (info.flags & SDL_RENDERER_TARGETTEXTURE)) {
            device.target565 = SDL_CreateTexture(device.renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_TARGET,
                                                 kScreenWidth, kScreenHeight);
        }
    }
    // Without its faster copies the software renderer still draws every
    // picture, only slower.
    if (device.snapToPixels) softwareSprites.Create(device.renderer, device.atlas, std::move(kept), SoftwareScreenFormat());
    ApplyTextureFilter();
    vertices.reserve(kQuadReserve * 4);
    indices.reserve(kQuadReserve * 6);
    return true;
}

void Flush() {
    if (!device.renderer || indices.empty()) return;
    SDL_RenderGeometry(device.renderer, device.atlas, vertices.data(), int(vertices.size()), indices.data(),
                       int(indices.size()));
    vertices.clear();
    indices.clear();
}

void CaptureOffscreenFrame() {
    SDL_Surface* s = device.offscreen;
    if (!s) return;
    if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
    headless::StoreFrame(static_cast<const uint8_t*>(s->pixels), s->pitch);
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
}

}  // namespace

namespace {

void QueueDeviceSprite(const Rect& dest, const Rect& src, uint32_t colour) {
    if (!device.inFrame) return;
    const float shift = settings.linearFilter ? 0.0f : device.pointShift;
    float x0 = float(dest.left) + shift, x1 = float(dest.right) + shift;
    float y0 = float(dest.top) + shift, y1 = float(dest.bottom) + shift;
    float u0 = float(src.left) / kAtlasSpace * device.uScale, u1 = float(src.right) / kAtlasSpace * device.uScale;
    float t0 = float(src.top) / kAtlasSpace * device.vScale, t1 = float(src.bottom) / kAtlasSpace * device.vScale;
    if (!ClipToTexture(x0, x1, u0, u1) || !ClipToTexture(y0, y1, t0, t1)) return;
    if (device.snapToPixels) {
        x0 = SnapToPixel(x0);
        x1 = SnapToPixel(x1);
        y0 = SnapToPixel(y0);
        y1 = SnapToPixel(y1);
    }
    const SDL_Color tint{Uint8(colour >> 16), Uint8(colour >> 8), Uint8(colour), Uint8(colour >> 24)};
    if (softwareSprites.Active()) {
        // The rectangles SDL would make of this quad, in whole pixels.
        int texW = 0, texH = 0;
        SDL_QueryTexture(device.atlas, nullptr, nullptr, &texW, &texH);
        SDL_Rect s{int(u0 * float(texW)), int(t0 * float(texH)), 0, 0};
        s.w = int(u1 * float(texW) - float(s.x));
        s.h = int(t1 * float(texH) - float(s.y));
        softwareSprites.Draw(s, SDL_Rect{int(x0), int(y0), int(x1 - x0), int(y1 - y0)}, tint);
        return;
    }
    const int base = int(vertices.size());
    vertices.push_back(SDL_Vertex{{x0, y0}, tint, {u0, t0}});
    vertices.push_back(SDL_Vertex{{x1, y0}, tint, {u1, t0}});
    vertices.push_back(SDL_Vertex{{x1, y1}, tint, {u1, t1}});
    vertices.push_back(SDL_Vertex{{x0, y1}, tint, {u0, t1}});
    const int fan[6] = {0, 1, 2, 0, 2, 3};
    for (int i : fan) indices.push_back(base + i);
}

bool DeviceFrameOpen() { return device.renderer && device.inFrame; }

void ClearDeviceTarget() {
    if (!device.inFrame) return;
    Flush();
    SDL_SetRenderDrawColor(device.renderer, 0, 0, 0, 255);
    SDL_RenderClear(device.renderer);
}

const render::SpriteSink kDeviceSink{
    .queue = QueueDeviceSprite,
    .frameOpen = DeviceFrameOpen,
    .clearTarget = ClearDeviceTarget,
};

}  // namespace

bool sdl::CreateRenderer() {
    SDL_Window* window = MainSdlWindow();
    if (!window) return false;
    // Full screen is the desktop's own mode: the 640 x 480 picture is scaled
    // onto it with its aspect kept (the logical size below).
    SDL_SetWindowFullscreen(window, settings.windowed == 1 ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    const Uint32 vsync = settings.vsync ? SDL_RENDERER_PRESENTVSYNC : 0;
    // The accelerated renderer where there is real hardware under it; SDL's
    // software one where there is none, or where GL itself is software.
    bool softwareGl = !GpuDevicePresent();
    if (!softwareGl) {
        device.renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | vsync);
        softwareGl = RunsOnSoftwareGl(device.renderer);
        if (softwareGl) {
            SDL_DestroyRenderer(device.renderer);
            device.renderer = nullptr;
        }
    }
    // SDL would otherwise put the software renderer's picture on the screen
    // through a GL texture, on that same CPU-bound GL.
    if (softwareGl) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    const Uint32 softwareAttempts[] = {SDL_RENDERER_SOFTWARE | vsync, SDL_RENDERER_SOFTWARE};
    for (Uint32 flags : softwareAttempts) {
        if (device.renderer) break;
        device.renderer = SDL_CreateRenderer(window, -1, flags);
    }
    if (!device.renderer) return false;
    if (!device.watching) {
        SDL_AddEventWatch(WatchForDeviceReset, nullptr);
        device.watching = true;
    }
    return true;
}

bool headless::CreateRenderer() {
    device.offscreen = SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!device.offscreen) return false;
    device.renderer = SDL_CreateSoftwareRenderer(device.offscreen);
    return device.renderer != nullptr;
}

bool CreateGraphics() {
    render::SetSpriteSink(&kDeviceSink);
    headless::ForgetFrame();
    if (CreateAttempt()) {
        ++devicesCreated;
        return true;
    }
    ReleaseGraphics();
    return false;
}

void ReleaseGraphics() {
    DropAtlasDecode();
    vertices.clear();
    indices.clear();
    device.inFrame = false;
    softwareSprites.Release();
    if (device.atlas) SDL_DestroyTexture(device.atlas);
    device.atlas = nullptr;
    if (device.target565) SDL_DestroyTexture(device.target565);
    device.target565 = nullptr;
    if (device.renderer) SDL_DestroyRenderer(device.renderer);
    device.renderer = nullptr;
    if (device.offscreen) SDL_FreeSurface(device.offscreen);
    device.offscreen = nullptr;
    if (device.watching) {
        SDL_DelEventWatch(WatchForDeviceReset, nullptr);
        device.watching = false;
    }
}

bool HasDevice() { return device.renderer != nullptr; }

void ApplyTextureFilter() {
    const SDL_ScaleMode mode = settings.linearFilter ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    // Point sampling only stays crisp at a whole-number scale; linear
    // filtering fills the window at any size.
    if (device.renderer) SDL_RenderSetIntegerScale(device.renderer, settings.linearFilter ? SDL_FALSE : SDL_TRUE);
    if (device.atlas) SDL_SetTextureScaleMode(device.atlas, mode);
    if (device.target565) SDL_SetTextureScaleMode(device.target565, mode);
    softwareSprites.SetScaleMode(mode);
}

bool RecreateDevice() {
    if (!HasDevice()) return true;
    ReleaseGraphics();
    if (SDL_Window* window = MainSdlWindow(); window && settings.windowed == 1) {
        const bool wasFullScreen = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
        SDL_SetWindowFullscreen(window, 0);
        // Back from full screen the window is placed anew; a window the
        // player has sized keeps its size through any other rebuild.
        if (wasFullScreen) {
            int width = 0, height = 0, x = 0, y = 0;
            WindowedClientSize(&width, &height);
            SDL_SetWindowSize(window, width, height);
            CenterOnDesktop(width, height, &x, &y);
            SDL_SetWindowPosition(window, x, y);
        }
        SDL_ShowWindow(window);
    }
    return CreateGraphics();
}

bool ApplyDisplaySettings(const GameSettings& wanted) {
    const GameSettings before = settings;
    settings = wanted;
    if ((settings.linearFilter != 0) != (before.linearFilter != 0)) ApplyTextureFilter();
    if (settings.windowed != before.windowed || settings.colorDepth32 != before.colorDepth32 ||
        settings.vsync != before.vsync)
        return RecreateDevice();
    return true;
}

uint32_t DevicesCreated() { return devicesCreated; }

void SimulateDeviceLoss() { deviceLost = true; }

void BeginFrameDraw() {
    if (!device.renderer) return;
    vertices.clear();
    indices.clear();
    if (device.target565) SDL_SetRenderTarget(device.renderer, device.target565);
    // Scaled up, the nudge of point sampling is the same fraction of a real
    // pixel, so every picture pixel covers exactly `scale` of them.
    float scaleX = 1.0f, scaleY = 1.0f;
    SDL_RenderGetScale(device.renderer, &scaleX, &scaleY);
    device.pointShift = kPointSampleShift / (scaleX > 1.0f ? scaleX : 1.0f);
    SDL_SetRenderDrawColor(device.renderer, 0, 0, 0, 255);
    SDL_RenderClear(device.renderer);
    device.inFrame = true;
}

void EndFrameDraw() {
    if (!device.renderer || !device.inFrame) return;
    Flush();
    if (device.target565) {
        SDL_SetRenderTarget(device.renderer, nullptr);
        SDL_SetRenderDrawColor(device.renderer, 0, 0, 0, 255);
        SDL_RenderClear(device.renderer);
        SDL_RenderCopy(device.renderer, device.target565, nullptr, nullptr);
    }
    device.inFrame = false;
}

PresentResult PresentFrame() {
    if (!device.renderer) return PresentResult::Ok;
    SDL_RenderPresent(device.renderer);
    CaptureOffscreenFrame();
    if (deviceLost.exchange(false)) return PresentResult::DeviceLost;
    return PresentResult::Ok;
}


}  // namespace q
