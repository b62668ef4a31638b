#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets/canvas.hpp"
#include "platform/core/rect.hpp"

namespace q::assets {

// One rectangle of the atlas that the game draws, with what it shows; a copy
// of an entry of the game's atlas layout.
struct AtlasRegion {
    std::string name;
    Rect rect;
    std::string shows;
};

// Every region the game draws, in the order they are painted.
const std::vector<AtlasRegion>& AtlasRegions();
// The rectangle of the region with this name; a name missing from the table
// is a programming error and ends the program.
Rect RegionRect(const std::string& name);
// Whether two regions are meant to share pixels: a portrait is the pose
// sheet it frames, so it contains that character's poses.
bool OverlapIntended(const AtlasRegion& a, const AtlasRegion& b);

// The 2048 x 2048 RGBA atlas, painted from code; same sources, same pixels.
Canvas PaintAtlas();
// The painted atlas as PNG file bytes (archive entry 0).
std::vector<uint8_t> BuildAtlasPng();
// A preview of the painted atlas with every region outlined and named.
bool WriteAtlasPreview(const char* path, const Canvas& atlas);

}  // namespace q::assets
