#include "assets/atlas.hpp"

#include <stb_image_write.h>

#include <cstdio>

#include "assets/art.hpp"
#include "assets/text.hpp"
#include "platform/core/atlas_layout.hpp"

namespace q::assets {
namespace {
constexpr int kAtlasSize = atlas::kSide;
}  // namespace

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

void Stamp(Canvas& c, const std::string& region, const Rect& dest) {
    Rect src = RegionRect(region);
    c.CopyScaled(c, src, dest, true);
}

void Stamp(Canvas& c, const std::string& region, int x, int y) {
    Rect src = RegionRect(region);
    Stamp(c, region, Rect{x, y, x + src.Width(), y + src.Height()});
}

std::vector<uint8_t> BuildAtlasPng() { return EncodePng(PaintAtlas()); }

bool WriteAtlasPreview(const char* path, const Canvas& atlas) {
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
    // Names after all frames, so a frame never cuts through a name. Each
    // name goes where it covers the fewest pictures: above or below its
    // region when there is room, inside its top-left corner otherwise.
    std::vector<Rect> placed;
    auto crowding = [&](const Rect& box, const AtlasRegion& own) {
        if (box.left < 0 || box.top < 0 || box.right > kAtlasSize || box.bottom > kAtlasSize) return 1 << 30;
        int n = 0;
        for (const AtlasRegion& o : AtlasRegions()) {
            if (&o == &own) continue;
            const Rect& q = o.rect;
            if (box.left < q.right && q.left < box.right && box.top < q.bottom && q.top < box.bottom) n += 4;
        }
        for (const Rect& q : placed)
            if (box.left < q.right && q.left < box.right && box.top < q.bottom && q.top < box.bottom) n += 8;
        return n;
    };
    for (const AtlasRegion& r : AtlasRegions()) {
        std::string name = r.name;
        if (PixelTextWidth(name) > r.rect.Width() + 8) {
            size_t dot = name.rfind('.');
            if (dot != std::string::npos) name = name.substr(dot + 1);
        }
        int w = PixelTextWidth(name) + 4;
        const Rect candidates[] = {
            {r.rect.left, r.rect.top - 12, r.rect.left + w, r.rect.top - 1},
            {r.rect.left, r.rect.bottom + 1, r.rect.left + w, r.rect.bottom + 12},
            {r.rect.right + 1, r.rect.top, r.rect.right + 1 + w, r.rect.top + 11},
            {r.rect.left, r.rect.top, r.rect.left + w, r.rect.top + 11},
        };
        Rect box = candidates[3];
        int best = crowding(box, r) + 1;  // inside is the last resort
        for (const Rect& cand : candidates) {
            int score = crowding(cand, r) + (&cand == &candidates[3] ? 1 : 0);
            if (score < best) {
                best = score;
                box = cand;
            }
        }
        placed.push_back(box);
        p.BlendRect(box, Argb(190, 0, 0, 0));
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
