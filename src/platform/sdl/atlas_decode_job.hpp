#pragma once
// Internal to the platform layer: the atlas picture decoded on a thread of its
// own while the rest of start-up goes on.
#include <cstdint>

#include "platform/core/atlas_image.hpp"

namespace q {

// Decodes `bytes` (copied first) on another thread; without a thread, nothing
// happens and TakeAtlasImage decodes when asked.
void StartAtlasDecode(const uint8_t* bytes, uint32_t size);

// The picture of `bytes`: the one decoded in the background when it was
// started for the same bytes (waiting for it to finish), else decoded here.
bool TakeAtlasImage(const uint8_t* bytes, uint32_t size, AtlasImage* out);

// Waits for a decode in progress and forgets it.
void DropAtlasDecode();

}  // namespace q
