// The contact sheet lays screenshots out at half size in reading order and
// says which file it could not read.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "assets/canvas.hpp"
#include "assets/contact_sheet.hpp"
#include "platform/core/atlas_image.hpp"

namespace q::assets {
namespace {

class ContactSheet : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("quorrel-sheet-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    // A screenshot of one colour, with a white top-left quarter.
    std::string Shot(const std::string& name, Colour colour) {
        Canvas c(640, 480);
        c.FillRect(Rect{0, 0, 640, 480}, colour);
        c.FillRect(Rect{0, 0, 320, 240}, Rgb(255, 255, 255));
        const std::vector<uint8_t> png = EncodePng(c);
        const std::string path = (dir_ / name).string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
        return path;
    }
    std::filesystem::path dir_;
};

TEST_F(ContactSheet, PutsEachShotAtHalfSizeInReadingOrder) {
    const std::vector<std::string> shots = {Shot("a.png", Rgb(200, 0, 0)), Shot("b.png", Rgb(0, 0, 200)),
                                            Shot("c.png", Rgb(0, 200, 0))};
    const std::string out = (dir_ / "sheet.png").string();
    std::string error;
    ASSERT_TRUE(WriteContactSheet(out, shots, 2, &error)) << error;

    std::ifstream in(out, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    AtlasImage sheet;
    ASSERT_TRUE(DecodeAtlasImage(bytes.data(), uint32_t(bytes.size()), &sheet));
    // Two columns of 320 x 240 cells, each under a caption line, with gaps.
    ASSERT_GT(sheet.width, 2 * 320);
    ASSERT_LT(sheet.width, 2 * 320 + 60);
    ASSERT_GT(sheet.height, 2 * 240);
    ASSERT_LT(sheet.height, 2 * 240 + 100);
    auto red = [&](int x, int y) { return sheet.rgba.get()[(size_t(y) * size_t(sheet.width) + size_t(x)) * 4]; };
    auto blue = [&](int x, int y) { return sheet.rgba.get()[(size_t(y) * size_t(sheet.width) + size_t(x)) * 4 + 2]; };
    auto green = [&](int x, int y) { return sheet.rgba.get()[(size_t(y) * size_t(sheet.width) + size_t(x)) * 4 + 1]; };
    // Bottom-right of each cell shows its shot's colour; the white quarter is
    // top left, a quarter of the cell.
    const int cellRight = sheet.width / 2 - 20, cellBottom = sheet.height / 2 - 20;
    EXPECT_EQ(red(cellRight, cellBottom), 200);
    EXPECT_EQ(blue(sheet.width - 20, cellBottom), 200);
    EXPECT_EQ(green(cellRight, sheet.height - 20), 200);
    EXPECT_EQ(red(sheet.width - 20, sheet.height - 20), 40) << "the third cell of two columns starts a new row";
}

TEST_F(ContactSheet, NamesTheShotItCannotRead) {
    const std::string missing = (dir_ / "missing.png").string();
    std::string error;
    EXPECT_FALSE(WriteContactSheet((dir_ / "sheet.png").string(), {Shot("a.png", Rgb(1, 2, 3)), missing}, 3, &error));
    EXPECT_NE(error.find("missing.png"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "sheet.png"));
}

}  // namespace
}  // namespace q::assets
