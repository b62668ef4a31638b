#include "platform/backend.hpp"

#include "platform/backend_table.hpp"
#include "platform/sound_convert.hpp"
#include "platform/sound_mixer.hpp"

namespace q {

namespace {

// In a browser the page's animation frames pace the game (platform/web), and
// a frame that blocked would stop the page from drawing at all.
#ifdef __EMSCRIPTEN__
constexpr bool kSdlWaitsForFrames = false;
#else
constexpr bool kSdlWaitsForFrames = true;
#endif

void Nothing() {}
bool Never() { return false; }

const BackendTable kSdlBackend = {
    sdl::CreateWindow,
    sdl::DestroyWindow,
    sdl::HasWindow,
    sdl::ShowWindow,
    sdl::EndWindowSystem,
    sdl::DesktopBounds,
    sdl::ShowErrorBox,
    sdl::PumpEvents,
    sdl::KeyDown,
    sdl::CreateRenderer,
    mixer::Open,
    mixer::Start,
    mixer::Close,
    mixer::Lost,
    ConvertWave,
    WaveConvertible,
    mixer::StartVoice,
    mixer::StopVoice,
    mixer::VoicePlaying,
    [](int) {},
    kSdlWaitsForFrames,
};

const BackendTable kHeadlessBackend = {
    headless::CreateWindow,
    headless::DestroyWindow,
    headless::HasWindow,
    Nothing,
    Nothing,
    headless::DesktopBounds,
    headless::ShowErrorBox,
    headless::PumpEvents,
    headless::KeyDown,
    headless::CreateRenderer,
    headless::OpenAudio,
    Nothing,
    headless::CloseAudio,
    Never,
    headless::PrepareWave,
    [](const WaveData&, int) { return true; },
    headless::StartVoice,
    headless::StopVoice,
    headless::VoicePlaying,
    headless::EffectPlayed,
    false,
};

BackendKind activeKind = BackendKind::Sdl;
const BackendTable* active = &kSdlBackend;

}  // namespace

void SelectBackend(BackendKind kind) {
    activeKind = kind;
    active = kind == BackendKind::Headless ? &kHeadlessBackend : &kSdlBackend;
}

BackendKind ActiveBackend() { return activeKind; }

const BackendTable& Backend() { return *active; }

}  // namespace q
