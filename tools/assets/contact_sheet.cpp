#include "assets/contact_sheet.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "assets/canvas.hpp"
#include "assets/text.hpp"
#include "platform/core/atlas_image.hpp"

namespace q::assets {
namespace {

constexpr int kLabelHeight = 14;
constexpr int kGap = 8;

bool Load(const std::string& path, AtlasImage* image) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return !bytes.empty() && DecodeAtlasImage(bytes.data(), uint32_t(bytes.size()), image);
}

// The file name without its folder and extension, in the pixel font's capitals.
std::string Caption(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    name = name.substr(0, name.rfind('.'));
    for (char& ch : name) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    return name;
}

// Each 2 x 2 block of the image averaged into one pixel at (x, y).
void PasteHalf(Canvas& sheet, const AtlasImage& image, int x, int y) {
    const uint8_t* p = image.rgba.get();
    for (int sy = 0; sy + 1 < image.height; sy += 2)
        for (int sx = 0; sx + 1 < image.width; sx += 2) {
            int sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    for (int k = 0; k < 4; ++k) sum[k] += p[(size_t(sy + dy) * image.width + sx + dx) * 4 + k];
            sheet.Put(x + sx / 2, y + sy / 2, Argb(255, sum[0] / 4, sum[1] / 4, sum[2] / 4));
        }
}

}  // namespace

bool WriteContactSheet(const std::string& out, const std::vector<std::string>& images, int columns,
                       std::string* error) {
    if (images.empty() || columns < 1) {
        *error = "no screenshots for the contact sheet";
        return false;
    }
    std::vector<AtlasImage> loaded(images.size());
    int cellW = 0, cellH = 0;
    for (size_t i = 0; i < images.size(); ++i) {
        if (!Load(images[i], &loaded[i])) {
            *error = "cannot read " + images[i];
            return false;
        }
        cellW = std::max(cellW, loaded[i].width / 2);
        cellH = std::max(cellH, loaded[i].height / 2);
    }
    const int rows = (int(images.size()) + columns - 1) / columns;
    const int pitchX = cellW + kGap, pitchY = cellH + kLabelHeight + kGap;
    Canvas sheet(kGap + columns * pitchX, kGap + rows * pitchY);
    sheet.FillRect(Rect{0, 0, sheet.Width(), sheet.Height()}, Rgb(40, 40, 48));
    for (size_t i = 0; i < images.size(); ++i) {
        const int x = kGap + int(i) % columns * pitchX, y = kGap + int(i) / columns * pitchY;
        DrawPixelText(sheet, x, y + 2, Caption(images[i]), Rgb(255, 255, 255));
        PasteHalf(sheet, loaded[i], x, y + kLabelHeight);
    }
    const std::vector<uint8_t> png = EncodePng(sheet);
    FILE* f = std::fopen(out.c_str(), "wb");
    bool ok = f && std::fwrite(png.data(), 1, png.size(), f) == png.size();
    if (f) ok = std::fclose(f) == 0 && ok;
    if (!ok) *error = "cannot write " + out;
    return ok;
}

}  // namespace q::assets
