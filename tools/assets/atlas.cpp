#include "assets/atlas.hpp"

#include <stb_image_write.h>

#include <cstdio>

#include "assets/art.hpp"
#include "assets/text.hpp"

namespace q::assets {
namespace {

constexpr int kAtlasSize = 2048;

Canvas PaintAtlas() {
    Canvas c(kAtlasSize, kAtlasSize);
    // Sprites first: the screens and help pages are composed from them.
    PaintCharacters(c);
    PaintTiles(c);
    PaintBackground(c);
    PaintObjects(c);
    PaintLabels(c);
    PaintScreens(c);
    PaintHelp(c);
    c.ClearClip();
    return c;
}

}  // namespace

void Stamp(Canvas& c, const std::string& region, const Rect& dest) {
    Rect src = RegionRect(region);
    c.CopyScaled(c, src, dest, true);
}

void Stamp(Canvas& c, const std::string& region, int x, int y) {
    Rect src = RegionRect(region);
    Stamp(c, region, Rect{x, y, x + src.Width(), y + src.Height()});
}

std::vector<uint8_t> BuildAtlasPixels() { return PaintAtlas().Bytes(); }

std::vector<uint8_t> BuildAtlasPng() { return EncodePng(PaintAtlas()); }

bool WriteAtlasPreview(const char* path) {
    Canvas atlas = PaintAtlas();
    Canvas p(kAtlasSize, kAtlasSize);
    // A dark checkerboard shows which pixels are see-through.
    for (int y = 0; y < kAtlasSize; ++y)
        for (int x = 0; x < kAtlasSize; ++x) p.Put(x, y, ((x / 8 + y / 8) & 1) ? Rgb(40, 40, 48) : Rgb(28, 28, 34));
    p.CopyScaled(atlas, Rect{0, 0, kAtlasSize, kAtlasSize}, Rect{0, 0, kAtlasSize, kAtlasSize}, true);
    static const Colour kEdge[4] = {Rgb(255, 80, 80), Rgb(80, 255, 120), Rgb(90, 160, 255), Rgb(255, 220, 60)};
    int i = 0;
    for (const AtlasRegion& r : AtlasRegions()) {
        Colour edge = kEdge[i++ % 4];
        p.FrameRect(Rect{r.rect.left - 1, r.rect.top - 1, r.rect.right + 1, r.rect.bottom + 1}, edge);
    }
    // Names after all frames, so a frame never cuts through a name.
    for (const AtlasRegion& r : AtlasRegions()) {
        std::string name = r.name;
        if (PixelTextWidth(name) > r.rect.Width() + 40) {
            size_t dot = name.rfind('.');
            if (dot != std::string::npos) name = name.substr(dot + 1);
        }
        int w = PixelTextWidth(name);
        Rect box{r.rect.left, r.rect.top, r.rect.left + w + 4, r.rect.top + 11};
        p.BlendRect(box, Argb(170, 0, 0, 0));
        DrawPixelText(p, box.left + 2, box.top + 2, name, Rgb(255, 255, 255));
    }
    std::vector<uint8_t> png = EncodePng(p);
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace q::assets
