#pragma once
// Internal to the platform layer: sprites drawn through SDL's software
// renderer. It blends every pixel of every copy and stretches through its
// slowest blitters, which made a full play field cost a quarter of a core.
// Here a picture with no transparent pixel is copied from a texture of its
// own in the screen's format without blending (a plain row copy); one with
// clear margins is drawn without them (the empty cell is clear but for a
// speck, and stands in every empty place of a floor); and one drawn at
// another size is stretched once, with the same stretch SDL uses, into a
// texture of its own and copied from there ever after. Each is made the
// first time the picture is drawn.
#include <SDL.h>

#include <cstdint>
#include <unordered_map>

#include "platform/core/atlas_image.hpp"

namespace q {

class SoftwareSprites {
public:
    // Takes the decoded atlas (kept to read pictures from); `atlas` is the
    // blended texture already made from the same image on `renderer`.
    // `screenFormat` is the format of what the renderer draws into.
    bool Create(SDL_Renderer* renderer, SDL_Texture* atlas, AtlasImage image, Uint32 screenFormat);
    void Release();
    bool Active() const { return renderer_ != nullptr; }
    // Stretched pictures made with the other filter are dropped.
    void SetScaleMode(SDL_ScaleMode mode);
    // One picture: `src` in texture pixels (a negative size mirrors it, as
    // the renderer's own quads do), `dst` in screen pixels, tinted.
    void Draw(SDL_Rect src, const SDL_Rect& dst, SDL_Color tint);

private:
    struct Stretch {
        int x, y, w, h;       // of the picture in the atlas
        int toW, toH;         // drawn size
        bool operator==(const Stretch&) const = default;
    };
    struct StretchHash {
        size_t operator()(const Stretch& s) const;
    };

    bool InsideImage(const SDL_Rect& src) const;
    // What is known of a picture drawn at its own size.
    struct Look {
        SDL_Texture* opaque = nullptr;  // its unblended copy, when it has no transparent pixel
        SDL_Rect inked{};               // the part of it with any pixel not fully clear
    };
    const Look& LookOf(const SDL_Rect& src);
    SDL_Texture* Stretched(const SDL_Rect& src, int toW, int toH);
    SDL_Texture* MakeStretched(const SDL_Rect& src, int toW, int toH);
    void ForgetStretched();
    // No flip and no angle is SDL's plain copy.
    void Copy(SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect& dst, SDL_Color tint,
              SDL_RendererFlip flip = SDL_FLIP_NONE);

    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* atlas_ = nullptr;    // blended, as every renderer draws
    SDL_Surface* image_ = nullptr;    // a view of pixels_
    AtlasImage pixels_;
    Uint32 screenFormat_ = 0;
    SDL_ScaleMode scaleMode_ = SDL_ScaleModeNearest;
    // Learnt per picture on first use.
    std::unordered_map<uint64_t, Look> looks_;
    std::unordered_map<Stretch, SDL_Texture*, StretchHash> stretched_;
};

}  // namespace q
