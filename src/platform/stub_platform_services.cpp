// Placeholder definitions until the archive, graphics, drawing and sound
// services land; delete each as it is written.
#include "platform/archive.hpp"
#include "platform/backend.hpp"
#include "platform/graphics.hpp"
#include "platform/sound.hpp"
#include "platform/sprite.hpp"

namespace q {
bool LoadArchive(const char*) { return false; }
const uint8_t* ArchiveEntry(int, uint32_t* size) { *size = 0; return nullptr; }
void FreeArchive() {}
bool ArchiveLoaded() { return false; }

bool CreateGraphics() { return false; }
void ReleaseGraphics() {}
void ApplyTextureFilter() {}
void RecreateDevice() {}
void ApplyGraphicsSettings() {}
bool HasDevice() { return false; }
void BeginFrameDraw() {}
void EndFrameDraw() {}
PresentResult PresentFrame() { return PresentResult::Ok; }

void BuildSpriteVertices(const Rect&, const Rect&, uint32_t, SpriteVertex*) {}
void DrawSprite(const Rect&, const Rect&, uint32_t) {}
void DrawSpriteAt(int, int, int, uint32_t, const Rect&) {}
void DrawSpriteCentered(int, int, const Rect&, uint32_t) {}
void DrawSpriteBox(int, int, int, int, const Rect&) {}
void DrawScreenImage(int, int, int, int, uint32_t) {}
void DrawDimBackdrop() {}
void DrawDigits(int, int, int, int, int, const Rect*) {}
void DrawNumber(int, int, int, int, int) {}
void DrawBigNumber(int, int, int, int, int) {}
void DrawPlayHud(int, int) {}
void StartDrawRecording() {}
void StopDrawRecording() {}
const DrawCall* RecordedDraws(int* count) { *count = 0; return nullptr; }
void ClearRecordedDraws() {}

bool InitSound() { return false; }
void ReleaseSound() {}
void RequestSe(int) {}
void PlaySe(int) {}
void StopAllSe() {}
void StartBgm() {}
void StopBgm() {}
void ClearSoundRequests() {}
void PlayRequestedSounds() {}
bool SoundRequested(int) { return false; }

namespace headless {
std::vector<int> TakePlayedSounds() { return {}; }
bool WriteFramePng(const char*) { return false; }
bool ReadFramePixels(std::vector<uint32_t>&) { return false; }
void FailAudioDevice(bool) {}
}  // namespace headless
}  // namespace q

#include "platform/wave.hpp"
namespace q {
bool ParseWave(const uint8_t*, uint32_t, WaveData*) { return false; }
}  // namespace q
