#include <cstdint>

#include "platform/sprite.hpp"

namespace q {

namespace {

constexpr int kMaxDigitPositions = 10;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// Small digits 0..9; all share top 210 and bottom 220.
constexpr Rect kSmallDigits[10] = {
    {326, 210, 334, 220}, {335, 210, 343, 220}, {345, 210, 353, 220}, {355, 210, 363, 220},
    {365, 210, 374, 220}, {376, 210, 384, 220}, {386, 210, 394, 220}, {396, 210, 404, 220},
    {406, 210, 414, 220}, {416, 210, 424, 220},
};

// Large digits 0..9; the 0 is one pixel taller than the others.
constexpr Rect kBigDigits[10] = {
    {1033, 621, 1050, 642}, {1052, 621, 1063, 641}, {1065, 621, 1081, 641}, {1083, 621, 1099, 641},
    {1101, 621, 1120, 641}, {1122, 621, 1138, 641}, {1141, 621, 1157, 641}, {1159, 621, 1176, 641},
    {1178, 621, 1195, 641}, {1199, 621, 1215, 641},
};

}  // namespace

void DrawDigits(int x, int y, int value, int digits, int divisor, const Rect glyphs[10]) {
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
        const Rect& glyph = glyphs[(digit < 0 || digit > 9) ? 0 : digit];
        if (digit != 0 || significant || i == digits - 1)
            DrawSprite(Rect{pen, y, pen + glyph.Width(), y + glyph.Height()}, glyph, kOpaqueWhite);
        pen += glyph.Width() + 1;
    }
}

void DrawNumber(int x, int y, int value, int digits, int divisor) {
    DrawDigits(x, y, value, digits, divisor, kSmallDigits);
}

void DrawBigNumber(int x, int y, int value, int digits, int divisor) {
    DrawDigits(x, y, value, digits, divisor, kBigDigits);
}

}  // namespace q
