#include "assets/canvas.hpp"

#include <stb_image_write.h>

#include <algorithm>
#include <cstdlib>

namespace q::assets {

Colour Shade(Colour c, int num) {
    auto ch = [num](int v) { return std::clamp(v * num / 256, 0, 255); };
    return Argb(AlphaOf(c), ch(RedOf(c)), ch(GreenOf(c)), ch(BlueOf(c)));
}

Colour MixColours(Colour a, Colour b, int t) {
    auto ch = [t](int x, int y) { return x + (y - x) * t / 256; };
    return Argb(ch(AlphaOf(a), AlphaOf(b)), ch(RedOf(a), RedOf(b)), ch(GreenOf(a), GreenOf(b)),
                ch(BlueOf(a), BlueOf(b)));
}

Colour WithAlpha(Colour c, int alpha) { return (c & 0xFFFFFFu) | (Colour(std::clamp(alpha, 0, 255)) << 24); }

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), clip_{0, 0, width, height},
      pixels_(size_t(width) * size_t(height) * 4, 0) {}

void Canvas::SetClip(const Rect& r) {
    clip_ = Rect{std::max(0, r.left), std::max(0, r.top), std::min(width_, r.right), std::min(height_, r.bottom)};
}

void Canvas::ClearClip() { clip_ = Rect{0, 0, width_, height_}; }

bool Canvas::Inside(int x, int y) const {
    return x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom;
}

Colour Canvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint8_t* p = &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    return Argb(p[3], p[0], p[1], p[2]);
}

void Canvas::Put(int x, int y, Colour c) {
    if (!Inside(x, y)) return;
    uint8_t* p = &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 4];
    p[0] = uint8_t(RedOf(c));
    p[1] = uint8_t(GreenOf(c));
    p[2] = uint8_t(BlueOf(c));
    p[3] = uint8_t(AlphaOf(c));
}

void Canvas::Blend(int x, int y, Colour c) {
    if (!Inside(x, y)) return;
    int sa = AlphaOf(c);
    if (sa == 0) return;
    if (sa == 255) {
        Put(x, y, c);
        return;
    }
    Colour d = Get(x, y);
    int da = AlphaOf(d);
    // Porter-Duff "over" in integers; out alpha = sa + da(1 - sa).
    int oa = sa + da * (255 - sa) / 255;
    if (oa == 0) return;
    auto ch = [&](int s, int dv) { return (s * sa + dv * da * (255 - sa) / 255) / oa; };
    Put(x, y, Argb(oa, ch(RedOf(c), RedOf(d)), ch(GreenOf(c), GreenOf(d)), ch(BlueOf(c), BlueOf(d))));
}

void Canvas::FillRect(const Rect& r, Colour c) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) Put(x, y, c);
}

void Canvas::BlendRect(const Rect& r, Colour c) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) Blend(x, y, c);
}

void Canvas::FrameRect(const Rect& r, Colour c) {
    for (int x = r.left; x < r.right; ++x) {
        Put(x, r.top, c);
        Put(x, r.bottom - 1, c);
    }
    for (int y = r.top; y < r.bottom; ++y) {
        Put(r.left, y, c);
        Put(r.right - 1, y, c);
    }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Colour c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Blend(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::FillEllipse(int cx2, int cy2, int rx2, int ry2, Colour c) {
    if (rx2 <= 0 || ry2 <= 0) return;
    int left = (cx2 - rx2) / 2 - 1, right = (cx2 + rx2) / 2 + 1;
    int top = (cy2 - ry2) / 2 - 1, bottom = (cy2 + ry2) / 2 + 1;
    long long rx = rx2, ry = ry2;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            long long px = 2LL * x + 1 - cx2, py = 2LL * y + 1 - cy2;
            if (px * px * ry * ry + py * py * rx * rx <= rx * rx * ry * ry) Blend(x, y, c);
        }
}

void Canvas::Gradient(const Rect& r, Colour top, Colour bottom) {
    int h = std::max(1, r.Height() - 1);
    for (int y = r.top; y < r.bottom; ++y) {
        Colour c = MixColours(top, bottom, (y - r.top) * 256 / h);
        for (int x = r.left; x < r.right; ++x) Put(x, y, c);
    }
}

void Canvas::Art(int x, int y, const std::vector<std::string>& rows, const std::vector<PaletteEntry>& palette,
                 bool mirror) {
    for (size_t j = 0; j < rows.size(); ++j) {
        const std::string& row = rows[j];
        for (size_t i = 0; i < row.size(); ++i) {
            char k = row[i];
            if (k == '.' || k == ' ') continue;
            for (const PaletteEntry& e : palette) {
                if (e.key != k) continue;
                int px = mirror ? x + int(row.size()) - 1 - int(i) : x + int(i);
                Blend(px, y + int(j), e.colour);
                break;
            }
        }
    }
}

void Canvas::CopyScaled(const Canvas& from, const Rect& src, const Rect& dest, bool blend) {
    int sw = src.Width(), sh = src.Height(), dw = dest.Width(), dh = dest.Height();
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            Colour c = from.Get(src.left + x * sw / dw, src.top + y * sh / dh);
            if (blend)
                Blend(dest.left + x, dest.top + y, c);
            else
                Put(dest.left + x, dest.top + y, c);
        }
}

void Canvas::Outline(const Rect& r, Colour c) {
    std::vector<std::pair<int, int>> todo;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            if (AlphaOf(Get(x, y)) >= 128) continue;
            auto solid = [&](int px, int py) {
                return px >= r.left && px < r.right && py >= r.top && py < r.bottom && AlphaOf(Get(px, py)) >= 128;
            };
            if (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1)) todo.emplace_back(x, y);
        }
    for (auto [x, y] : todo) Put(x, y, c);
}

std::vector<uint8_t> EncodePng(const Canvas& canvas) {
    std::vector<uint8_t> out;
    auto sink = [](void* ctx, void* data, int size) {
        auto* v = static_cast<std::vector<uint8_t>*>(ctx);
        const auto* b = static_cast<const uint8_t*>(data);
        v->insert(v->end(), b, b + size);
    };
    // No row filters: drawn art with flat areas and much transparency packs
    // smaller without them, and the game's start-up decodes it faster.
    stbi_write_force_png_filter = 0;
    stbi_write_png_to_func(sink, &out, canvas.Width(), canvas.Height(), 4, canvas.Bytes().data(), canvas.Width() * 4);
    return out;
}

}  // namespace q::assets
