#include "platform/software_sprites.hpp"

#include <utility>
#include <vector>

namespace q {

namespace {

// Room for every stretched picture the game draws at once (characters,
// props, banners at twice their size), with space to spare.
constexpr int kCacheSide = 1024;

uint64_t RectKey(const SDL_Rect& r) {
    return (uint64_t(uint16_t(r.x)) << 48) | (uint64_t(uint16_t(r.y)) << 32) | (uint64_t(uint16_t(r.w)) << 16) |
           uint64_t(uint16_t(r.h));
}

}  // namespace

size_t SoftwareSprites::StretchHash::operator()(const Stretch& s) const {
    return size_t(RectKey(SDL_Rect{s.x, s.y, s.w, s.h}) * 31u + uint64_t(s.toW) * 65599u + uint64_t(s.toH));
}

bool SoftwareSprites::Create(SDL_Renderer* renderer, SDL_Texture* atlas, AtlasImage image, Uint32 screenFormat) {
    Release();
    pixels_ = std::move(image);
    image_ = SDL_CreateRGBSurfaceWithFormatFrom(pixels_.rgba.get(), pixels_.width, pixels_.height, 32,
                                                pixels_.width * 4, SDL_PIXELFORMAT_RGBA32);
    opaque_ = SDL_CreateTexture(renderer, screenFormat, SDL_TEXTUREACCESS_STATIC, pixels_.textureWidth,
                                pixels_.textureHeight);
    stretched_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STREAMING, kCacheSide,
                                   kCacheSide);
    if (!image_ || !opaque_ || !stretched_) {
        Release();
        return false;
    }
    SDL_SetTextureBlendMode(opaque_, SDL_BLENDMODE_NONE);
    SDL_SetTextureBlendMode(stretched_, SDL_BLENDMODE_BLEND);
    renderer_ = renderer;
    atlas_ = atlas;
    screenFormat_ = screenFormat;
    return true;
}

void SoftwareSprites::Release() {
    if (opaque_) SDL_DestroyTexture(opaque_);
    if (stretched_) SDL_DestroyTexture(stretched_);
    if (image_) SDL_FreeSurface(image_);
    opaque_ = stretched_ = nullptr;
    image_ = nullptr;
    pixels_ = AtlasImage{};
    renderer_ = nullptr;
    atlas_ = nullptr;
    opaqueRects_.clear();
    ForgetStretched();
}

void SoftwareSprites::SetScaleMode(SDL_ScaleMode mode) {
    if (mode == scaleMode_) return;
    scaleMode_ = mode;
    ForgetStretched();
}

void SoftwareSprites::ForgetStretched() {
    stretchedRects_.clear();
    shelfX_ = shelfY_ = shelfHeight_ = 0;
}

bool SoftwareSprites::InsideImage(const SDL_Rect& src) const {
    return src.x >= 0 && src.y >= 0 && src.w > 0 && src.h > 0 && src.x + src.w <= pixels_.width &&
           src.y + src.h <= pixels_.height;
}

bool SoftwareSprites::Opaque(const SDL_Rect& src) {
    const uint64_t key = RectKey(src);
    if (const auto found = opaqueRects_.find(key); found != opaqueRects_.end()) return found->second;
    bool opaque = InsideImage(src);
    const uint8_t* rgba = pixels_.rgba.get();
    const int pitch = pixels_.width * 4;
    for (int y = src.y; opaque && y < src.y + src.h; ++y)
        for (int x = src.x; opaque && x < src.x + src.w; ++x) opaque = rgba[size_t(y) * size_t(pitch) + size_t(x) * 4 + 3] == 255;
    if (opaque) {
        // The picture's copy in the screen's format, made the first time it
        // is drawn.
        std::vector<uint8_t> converted(size_t(src.w) * size_t(src.h) * 4);
        const uint8_t* from = rgba + size_t(src.y) * size_t(pitch) + size_t(src.x) * 4;
        const int toPitch = src.w * SDL_BYTESPERPIXEL(screenFormat_);
        opaque = SDL_ConvertPixels(src.w, src.h, SDL_PIXELFORMAT_RGBA32, from, pitch, screenFormat_, converted.data(),
                                   toPitch) == 0 &&
                 SDL_UpdateTexture(opaque_, &src, converted.data(), toPitch) == 0;
    }
    opaqueRects_.emplace(key, opaque);
    return opaque;
}

bool SoftwareSprites::PlaceInCache(int w, int h, SDL_Rect* slot) {
    if (w > kCacheSide || h > kCacheSide) return false;
    if (shelfX_ + w > kCacheSide) {
        shelfY_ += shelfHeight_;
        shelfX_ = shelfHeight_ = 0;
    }
    if (shelfY_ + h > kCacheSide) {
        // Full: start again. Whatever was drawn from it this frame has
        // already been drawn, as locking the texture flushes SDL's queue.
        ForgetStretched();
    }
    *slot = SDL_Rect{shelfX_, shelfY_, w, h};
    shelfX_ += w;
    if (h > shelfHeight_) shelfHeight_ = h;
    return true;
}

const SDL_Rect* SoftwareSprites::Stretched(const SDL_Rect& src, int toW, int toH) {
    const Stretch key{src.x, src.y, src.w, src.h, toW, toH};
    if (const auto found = stretchedRects_.find(key); found != stretchedRects_.end()) return &found->second;
    if (!InsideImage(src)) return nullptr;
    SDL_Rect slot;
    if (!PlaceInCache(toW, toH, &slot)) return nullptr;
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(stretched_, &slot, &pixels, &pitch) != 0) return nullptr;
    SDL_Surface* to = SDL_CreateRGBSurfaceWithFormatFrom(pixels, toW, toH, 32, pitch, SDL_PIXELFORMAT_RGBA32);
    // SDL's own stretches, with the filter the renderer would use.
    SDL_Rect from = src;
    const bool done = to && (scaleMode_ == SDL_ScaleModeNearest ? SDL_SoftStretch(image_, &from, to, nullptr)
                                                                : SDL_SoftStretchLinear(image_, &from, to, nullptr)) == 0;
    if (to) SDL_FreeSurface(to);
    SDL_UnlockTexture(stretched_);
    if (!done) return nullptr;
    return &stretchedRects_.emplace(key, slot).first->second;
}

void SoftwareSprites::Copy(SDL_Renderer* renderer, SDL_Texture* texture, const SDL_Rect& src, const SDL_Rect& dst,
                           SDL_Color tint) {
    SDL_SetTextureAlphaMod(texture, tint.a);
    SDL_SetTextureColorMod(texture, tint.r, tint.g, tint.b);
    SDL_RenderCopy(renderer, texture, &src, &dst);
}

void SoftwareSprites::Draw(SDL_Rect src, const SDL_Rect& dst, SDL_Color tint) {
    if (!renderer_ || dst.w <= 0 || dst.h <= 0 || src.w == 0 || src.h == 0) return;
    if (src.w < 0 || src.h < 0) {
        // Mirrored: rare, drawn as the renderer's quads would be.
        int flip = SDL_FLIP_NONE;
        if (src.w < 0) {
            flip |= SDL_FLIP_HORIZONTAL;
            src.w = -src.w;
            src.x -= src.w;
        }
        if (src.h < 0) {
            flip |= SDL_FLIP_VERTICAL;
            src.h = -src.h;
            src.y -= src.h;
        }
        SDL_SetTextureAlphaMod(atlas_, tint.a);
        SDL_SetTextureColorMod(atlas_, tint.r, tint.g, tint.b);
        SDL_RenderCopyEx(renderer_, atlas_, &src, &dst, 0.0, nullptr, SDL_RendererFlip(flip));
        return;
    }
    if (src.w != dst.w || src.h != dst.h) {
        if (const SDL_Rect* slot = Stretched(src, dst.w, dst.h)) {
            Copy(renderer_, stretched_, *slot, dst, tint);
            return;
        }
    } else if (tint.a == 255 && Opaque(src)) {
        Copy(renderer_, opaque_, src, dst, tint);
        return;
    }
    Copy(renderer_, atlas_, src, dst, tint);
}

}  // namespace q
