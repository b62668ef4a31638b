#pragma once
// Internal to the platform layer: which kind of SDL renderer suits this
// machine's window.
struct SDL_Renderer;

namespace q {

// True when an accelerated renderer is worth trying: on Linux, only when the
// machine shows a graphics device; without one every GL driver rasterises on
// the CPU.
bool GpuDevicePresent();

// True when the renderer is OpenGL running on a driver that rasterises on the
// CPU (Mesa's llvmpipe or softpipe, as under a virtual X server). SDL's own
// software renderer draws our quads several times cheaper there.
bool RunsOnSoftwareGl(SDL_Renderer* renderer);

}  // namespace q
