// Preloaded into the game by bench_cold_start: notes when the start-up calls
// into SDL begin and end, and ends the process right after the first present.
// Each note goes to the descriptor named by QUORREL_FIRST_PRESENT_FD as
// "NAME BEGIN_NS END_NS" on the monotonic clock.
#include <SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

void Note(const char* name, long long begin, long long end) {
    const char* fd = std::getenv("QUORREL_FIRST_PRESENT_FD");
    if (!fd) return;
    char line[128];
    const int n = std::snprintf(line, sizeof line, "%s %lld %lld\n", name, begin, end);
    if (n > 0 && write(std::atoi(fd), line, size_t(n)) < 0) _exit(3);
}

template <class F>
F Real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

__attribute__((constructor)) void Loaded() {
    const long long now = NowNs();
    Note("loaded", now, now);
}

}  // namespace

extern "C" {

int SDL_InitSubSystem(Uint32 flags) {
    const long long begin = NowNs();
    const int result = Real<int (*)(Uint32)>("SDL_InitSubSystem")(flags);
    Note((flags & SDL_INIT_VIDEO) ? "video-init" : "sdl-init", begin, NowNs());
    return result;
}

SDL_Window* SDL_CreateWindow(const char* title, int x, int y, int w, int h, Uint32 flags) {
    const long long begin = NowNs();
    SDL_Window* window = Real<SDL_Window* (*)(const char*, int, int, int, int, Uint32)>("SDL_CreateWindow")(
        title, x, y, w, h, flags);
    Note("window", begin, NowNs());
    return window;
}

SDL_AudioDeviceID SDL_OpenAudioDevice(const char* device, int iscapture, const SDL_AudioSpec* desired,
                                      SDL_AudioSpec* obtained, int allowed_changes) {
    const long long begin = NowNs();
    const SDL_AudioDeviceID id =
        Real<SDL_AudioDeviceID (*)(const char*, int, const SDL_AudioSpec*, SDL_AudioSpec*, int)>(
            "SDL_OpenAudioDevice")(device, iscapture, desired, obtained, allowed_changes);
    Note("audio-device", begin, NowNs());
    return id;
}

SDL_Renderer* SDL_CreateRenderer(SDL_Window* window, int index, Uint32 flags) {
    const long long begin = NowNs();
    SDL_Renderer* renderer = Real<SDL_Renderer* (*)(SDL_Window*, int, Uint32)>("SDL_CreateRenderer")(window, index, flags);
    Note((flags & SDL_RENDERER_SOFTWARE) ? "renderer-software" : "renderer-accelerated", begin, NowNs());
    return renderer;
}

int SDL_UpdateTexture(SDL_Texture* texture, const SDL_Rect* rect, const void* pixels, int pitch) {
    const long long begin = NowNs();
    const int result =
        Real<int (*)(SDL_Texture*, const SDL_Rect*, const void*, int)>("SDL_UpdateTexture")(texture, rect, pixels, pitch);
    Note("texture-upload", begin, NowNs());
    return result;
}

void SDL_RenderPresent(SDL_Renderer* renderer) {
    const long long begin = NowNs();
    Real<void (*)(SDL_Renderer*)>("SDL_RenderPresent")(renderer);
    Note("first-present", begin, NowNs());
    _exit(0);
}

}  // extern "C"
