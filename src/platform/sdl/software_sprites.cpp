#include "platform/sdl/software_sprites.hpp"

#include <utility>
#include <vector>

namespace q {

namespace {

// Every stretched picture the game draws at once (characters, props, banners
// at twice their size) fits many times over; past this many the oldest are
// not worth telling apart, and all are made afresh.
constexpr size_t kMaxStretched = 256;

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
    if (!image_) {
        Release();
        return false;
    }
    renderer_ = renderer;
    atlas_ = atlas;
    screenFormat_ = screenFormat;
    return true;
}

void SoftwareSprites::Release() {
    for (const auto& [key, look] : looks_)
        if (look.opaque) SDL_DestroyTexture(look.opaque);
    looks_.clear();
    ForgetStretched();
    if (image_) SDL_FreeSurface(image_);
    image_ = nullptr;
    pixels_ = AtlasImage{};
    renderer_ = nullptr;
    atlas_ = nullptr;
}

void SoftwareSprites::SetScaleMode(SDL_ScaleMode mode) {
    if (mode == scaleMode_) return;
    scaleMode_ = mode;
    ForgetStretched();
}

void SoftwareSprites::ForgetStretched() {
    // Copies already queued from these are drawn first: SDL flushes its
    // queue before it destroys a texture the queue uses.
    for (const auto& [key, texture] : stretched_)
        if (texture) SDL_DestroyTexture(texture);
    stretched_.clear();
}

bool SoftwareSprites::InsideImage(const SDL_Rect& src) const {
    return src.x >= 0 && src.y >= 0 && src.w > 0 && src.h > 0 && src.x + src.w <= pixels_.width &&
           src.y + src.h <= pixels_.height;
}

const SoftwareSprites::Look& SoftwareSprites::LookOf(const SDL_Rect& src) {
    const uint64_t key = RectKey(src);
    if (const auto found = looks_.find(key); found != looks_.end()) return found->second;
    Look look;
    look.inked = src;
    if (!InsideImage(src)) return looks_.emplace(key, look).first->second;

    const uint8_t* rgba = pixels_.rgba.get();
    const int pitch = pixels_.width * 4;
    bool opaque = true;
    int left = src.x + src.w, right = src.x, top = src.y + src.h, bottom = src.y;
    for (int y = src.y; y < src.y + src.h; ++y)
        for (int x = src.x; x < src.x + src.w; ++x) {
            const uint8_t alpha = rgba[size_t(y) * size_t(pitch) + size_t(x) * 4 + 3];
            opaque = opaque && alpha == 255;
            if (alpha == 0) continue;
            left = SDL_min(left, x);
            right = SDL_max(right, x + 1);
            top = SDL_min(top, y);
            bottom = SDL_max(bottom, y + 1);
        }
    // Clear pixels change nothing where they are blended, so they need not
    // be drawn at all.
    look.inked = left < right ? SDL_Rect{left, top, right - left, bottom - top} : SDL_Rect{src.x, src.y, 0, 0};
    if (opaque) {
        std::vector<uint8_t> converted(size_t(src.w) * size_t(src.h) * 4);
        const uint8_t* from = rgba + size_t(src.y) * size_t(pitch) + size_t(src.x) * 4;
        const int toPitch = src.w * SDL_BYTESPERPIXEL(screenFormat_);
        SDL_Texture* texture = SDL_CreateTexture(renderer_, screenFormat_, SDL_TEXTUREACCESS_STATIC, src.w, src.h);
        if (texture && (SDL_ConvertPixels(src.w, src.h, SDL_PIXELFORMAT_RGBA32, from, pitch, screenFormat_,
                                          converted.data(), toPitch) != 0 ||
                        SDL_UpdateTexture(texture, nullptr, converted.data(), toPitch) != 0)) {
            SDL_DestroyTexture(texture);
            texture = nullptr;
        }
        if (texture) SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
        look.opaque = texture;
    }
    return looks_.emplace(key, look).first->second;
}

SDL_Texture* SoftwareSprites::Stretched(const SDL_Rect& src, int toW, int toH) {
    const Stretch key{src.x, src.y, src.w, src.h, toW, toH};
    if (const auto found = stretched_.find(key); found != stretched_.end()) return found->second;
    if (stretched_.size() >= kMaxStretched) ForgetStretched();
    // A picture that cannot be stretched here is remembered as such and
    // drawn by the renderer itself.
    SDL_Texture* texture = InsideImage(src) ? MakeStretched(src, toW, toH) : nullptr;
    stretched_.emplace(key, texture);
    return texture;
}

SDL_Texture* SoftwareSprites::MakeStretched(const SDL_Rect& src, int toW, int toH) {
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STREAMING, toW, toH);
    void* pixels = nullptr;
    int pitch = 0;
    bool done = false;
    if (texture && SDL_LockTexture(texture, nullptr, &pixels, &pitch) == 0) {
        SDL_Surface* to = SDL_CreateRGBSurfaceWithFormatFrom(pixels, toW, toH, 32, pitch, SDL_PIXELFORMAT_RGBA32);
        // SDL's own stretches, with the filter the renderer would use.
        SDL_Rect from = src;
        done = to && (scaleMode_ == SDL_ScaleModeNearest ? SDL_SoftStretch(image_, &from, to, nullptr)
                                                         : SDL_SoftStretchLinear(image_, &from, to, nullptr)) == 0;
        if (to) SDL_FreeSurface(to);
        SDL_UnlockTexture(texture);
    }
    if (!done) {
        if (texture) SDL_DestroyTexture(texture);
        return nullptr;
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    return texture;
}

void SoftwareSprites::Copy(SDL_Texture* texture, const SDL_Rect* src, const SDL_Rect& dst, SDL_Color tint,
                           SDL_RendererFlip flip) {
    SDL_SetTextureAlphaMod(texture, tint.a);
    SDL_SetTextureColorMod(texture, tint.r, tint.g, tint.b);
    SDL_RenderCopyEx(renderer_, texture, src, &dst, 0.0, nullptr, flip);
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
        Copy(atlas_, &src, dst, tint, SDL_RendererFlip(flip));
        return;
    }
    if (src.w != dst.w || src.h != dst.h) {
        if (SDL_Texture* stretched = Stretched(src, dst.w, dst.h))
            Copy(stretched, nullptr, dst, tint);
        else
            Copy(atlas_, &src, dst, tint);
        return;
    }
    const Look& look = LookOf(src);
    if (look.opaque && tint.a == 255) {
        Copy(look.opaque, nullptr, dst, tint);
    } else if (look.inked.w > 0) {
        const SDL_Rect to{dst.x + look.inked.x - src.x, dst.y + look.inked.y - src.y, look.inked.w, look.inked.h};
        Copy(atlas_, &look.inked, to, tint);
    }
}

}  // namespace q
