#include "platform/backend.hpp"

#include "platform/backend_table.hpp"
#include "platform/core/sound_convert.hpp"
#include "platform/sdl/sound_mixer.hpp"

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
    .createWindow = sdl::CreateWindow,
    .destroyWindow = sdl::DestroyWindow,
    .hasWindow = sdl::HasWindow,
    .showWindow = sdl::ShowWindow,
    .endWindowSystem = sdl::EndWindowSystem,
    .desktopBounds = sdl::DesktopBounds,
    .showErrorBox = sdl::ShowErrorBox,
    .pumpEvents = sdl::PumpEvents,
    .keyDown = sdl::KeyDown,
    .createRenderer = sdl::CreateRenderer,
    .openAudio = mixer::Open,
    .startAudio = mixer::Start,
    .closeAudio = mixer::Close,
    .audioLost = mixer::Lost,
    .prepareWave = ConvertWave,
    .canPrepareWave = WaveConvertible,
    .startVoice = mixer::StartVoice,
    .stopVoice = mixer::StopVoice,
    .voicePlaying = mixer::VoicePlaying,
    .effectPlayed = [](int) {},
    .waitsForFrames = kSdlWaitsForFrames,
};

const BackendTable kHeadlessBackend = {
    .createWindow = headless::CreateWindow,
    .destroyWindow = headless::DestroyWindow,
    .hasWindow = headless::HasWindow,
    .showWindow = Nothing,
    .endWindowSystem = Nothing,
    .desktopBounds = headless::DesktopBounds,
    .showErrorBox = headless::ShowErrorBox,
    .pumpEvents = headless::PumpEvents,
    .keyDown = headless::KeyDown,
    .createRenderer = headless::CreateRenderer,
    .openAudio = headless::OpenAudio,
    .startAudio = Nothing,
    .closeAudio = headless::CloseAudio,
    .audioLost = Never,
    .prepareWave = headless::PrepareWave,
    .canPrepareWave = [](const WaveData&, int) { return true; },
    .startVoice = headless::StartVoice,
    .stopVoice = headless::StopVoice,
    .voicePlaying = headless::VoicePlaying,
    .effectPlayed = headless::EffectPlayed,
    .waitsForFrames = false,
};

// The process runs on one back end at a time: the window or the headless stand-ins.
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
