#include "platform/sdl/renderer_choice.hpp"

#include <SDL.h>

#include <cstring>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace q {

namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

// Names Mesa and others give their CPU rasterisers in GL_RENDERER.
constexpr const char* kSoftwareGlNames[] = {"llvmpipe", "softpipe", "Software Rasterizer", "SWR"};

}  // namespace

bool GpuDevicePresent() {
#if defined(__linux__)
    // Direct rendering devices, and NVIDIA's own driver, which has none.
    return access("/dev/dri", F_OK) == 0 || access("/dev/nvidiactl", F_OK) == 0;
#else
    return true;
#endif
}

bool RunsOnSoftwareGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (!renderer || SDL_GetRendererInfo(renderer, &info) != 0 || !info.name) return false;
    if (std::strncmp(info.name, "opengl", 6) != 0) return false;  // "opengl" and "opengles2"
    // The renderer's context is current on this thread right after creation.
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) return false;
    const auto* name = reinterpret_cast<const char*>(getString(kGlRenderer));
    if (!name) return false;
    for (const char* software : kSoftwareGlNames)
        if (std::strstr(name, software)) return true;
    return false;
}

}  // namespace q
