#include <cstdint>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"

namespace q {

namespace {

constexpr int kMaxDigitPositions = 10;

}  // namespace

void DrawDigits(int x, int y, int value, int digits, int divisor, const atlas::Picture glyphs[10]) {
    if (digits > kMaxDigitPositions) digits = kMaxDigitPositions;
    // 64 bits: INT_MIN divided by -1 must not overflow.
    int64_t v = value;
    int64_t d = divisor;
    int pen = x;
    bool significant = false;
    for (int i = 0; i < digits; ++i) {
        int64_t digit = 0;
        // Once the divisor has run out there is nothing left to split off;
        // the remaining positions hold 0.
        if (d != 0) {
            const int64_t q = v / d;
            if (q != 0) {
                digit = q;
                v %= d;
            }
            d /= 10;
        }
        if (digit > 0) significant = true;
        const Rect glyph = glyphs[(digit < 0 || digit > 9) ? 0 : digit];
        if (digit != 0 || significant || i == digits - 1)
            DrawSprite(Rect{pen, y, pen + glyph.Width(), y + glyph.Height()}, glyph, kUntinted);
        pen += glyph.Width() + 1;
    }
}

void DrawNumber(int x, int y, int value, int digits, int divisor) {
    DrawDigits(x, y, value, digits, divisor, atlas::kSmallDigits);
}

void DrawBigNumber(int x, int y, int value, int digits, int divisor) {
    DrawDigits(x, y, value, digits, divisor, atlas::kBigDigits);
}

}  // namespace q
