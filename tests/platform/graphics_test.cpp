#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "platform/core/archive.hpp"
#include "platform/core/atlas_image.hpp"
#include "platform/backend.hpp"
#include "platform/graphics.hpp"
#include "platform/platform_helpers.hpp"
#include "platform/core/settings.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"

namespace q {
namespace {

using namespace testdata;

constexpr uint32_t kBlack = 0xFF000000u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// Renders frames with the headless back end from a synthetic archive.
class GraphicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = settings;
        SelectBackend(BackendKind::Headless);
        settings = GameSettings{};
    }
    void TearDown() override {
        ReleaseGraphics();
        FreeArchive();
        settings = saved;
        SelectBackend(BackendKind::Sdl);
        for (const std::string& p : paths) std::remove(p.c_str());
    }
    bool UseAtlas(const Picture& atlas) { return UseArchive(test::DataDatWithAtlas(EncodePng(atlas))); }
    bool UseArchive(const Bytes& archive) {
        ReleaseGraphics();
        paths.push_back(WriteTemp("graphics.dat", archive));
        if (!LoadArchive(paths.back().c_str())) return false;
        return CreateGraphics();
    }
    template <typename DrawFn>
    std::vector<uint32_t> Frame(DrawFn draw) {
        BeginFrameDraw();
        draw();
        EndFrameDraw();
        EXPECT_EQ(PresentFrame(), PresentResult::Ok);
        std::vector<uint32_t> pixels;
        EXPECT_TRUE(headless::ReadFramePixels(pixels));
        return pixels;
    }
    static uint32_t At(const std::vector<uint32_t>& frame, int x, int y) { return frame[size_t(y) * 640 + x]; }

    GameSettings saved;
    std::vector<std::string> paths;
};

// Compares the screen area at (x, y) with atlas texels, each texel `scale`
// pixels wide and high.
void ExpectTexels(const std::vector<uint32_t>& frame, int x, int y, const Picture& atlas, const Rect& src, int scale) {
    int wrong = 0;
    for (int py = 0; py < src.Height() * scale; ++py)
        for (int px = 0; px < src.Width() * scale; ++px) {
            const uint32_t want = atlas.At(src.left + px / scale, src.top + py / scale);
            const uint32_t got = frame[size_t(y + py) * 640 + (x + px)];
            if ((got & 0xFFFFFF) != (want & 0xFFFFFF) && wrong++ < 5)
                ADD_FAILURE() << "pixel (" << x + px << "," << y + py << ") " << std::hex << got << " want " << want;
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(GraphicsTest, PointFilteredSpritesShowTheirTexelsExactly) {
    settings.linearFilter = 0;
    const Picture atlas = PatternPicture(256, 128);
    ASSERT_TRUE(UseAtlas(atlas));
    const Rect src{37, 21, 37 + 48, 21 + 40};
    const auto frame = Frame([&] {
        DrawSpriteAt(13, 7, 1, kWhite, src);
        DrawSpriteAt(300, 200, 2, kWhite, src);
        DrawSpriteAt(-20, 400, 1, kWhite, src);  // partly off screen
    });
    ExpectTexels(frame, 13, 7, atlas, src, 1);
    ExpectTexels(frame, 300, 200, atlas, src, 2);
    ExpectTexels(frame, 0, 400, atlas, Rect{src.left + 20, src.top, src.right, src.bottom}, 1);
    // Nothing spills past the edges.
    EXPECT_EQ(At(frame, 12, 7), kBlack);
    EXPECT_EQ(At(frame, 13 + 48, 7), kBlack);
    EXPECT_EQ(At(frame, 13, 6), kBlack);
    EXPECT_EQ(At(frame, 13, 7 + 40), kBlack);
}

TEST_F(GraphicsTest, LinearFilteredSpritesAtTheirOwnSizeAreCrispToo) {
    settings.linearFilter = 1;
    const Picture atlas = PatternPicture(128, 128);
    ASSERT_TRUE(UseAtlas(atlas));
    const Rect src{5, 9, 5 + 32, 9 + 32};
    const auto frame = Frame([&] { DrawSpriteAt(100, 100, 1, kWhite, src); });
    ExpectTexels(frame, 100, 100, atlas, src, 1);
    EXPECT_EQ(At(frame, 99, 100), kBlack);
    EXPECT_EQ(At(frame, 132, 100), kBlack);
}

TEST_F(GraphicsTest, AnEnlargedSpriteCoversExactlyItsDestinationWithEitherFilter) {
    Picture white{16, 16, std::vector<uint8_t>(16 * 16 * 4, 255)};
    for (int filter : {0, 1}) {
        SCOPED_TRACE(filter ? "linear" : "point");
        settings.linearFilter = filter;
        ASSERT_TRUE(UseAtlas(white));
        // 6 x 4 texels three times enlarged: 18 x 12 pixels at (50, 60).
        const auto frame = Frame([] { DrawSpriteAt(50, 60, 3, kWhite, Rect{4, 4, 10, 8}); });
        int wrong = 0;
        for (int y = 60; y < 72; ++y)
            for (int x = 50; x < 68; ++x) wrong += (At(frame, x, y) & 0xFFFFFF) != 0xFFFFFF;
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(At(frame, 49, 65), kBlack);
        EXPECT_EQ(At(frame, 68, 65), kBlack);
        EXPECT_EQ(At(frame, 55, 59), kBlack);
        EXPECT_EQ(At(frame, 55, 72), kBlack);
    }
}

// The software renderer keeps enlarged pictures it has drawn; one frame may
// need more of them than it keeps.
TEST_F(GraphicsTest, EnlargedSpritesDrawnEarlyInAFrameSurviveTheCacheFillingUp) {
    settings.linearFilter = 0;
    // Left half red, right half blue, both opaque.
    Picture atlas{2, 1, {255, 0, 0, 255, 0, 0, 255, 255}};
    ASSERT_TRUE(UseAtlas(atlas));
    const auto frame = Frame([] {
        DrawSprite(Rect{0, 0, 250, 250}, Rect{0, 0, 1, 1}, kWhite);
        // Hundreds of blue enlargements of different sizes, off the screen.
        for (int i = 0; i < 600; ++i) DrawSprite(Rect{700, 0, 702 + i, 3}, Rect{1, 0, 2, 1}, kWhite);
        // The first one again, at the same size, and a blue one.
        DrawSprite(Rect{300, 0, 550, 250}, Rect{0, 0, 1, 1}, kWhite);
        DrawSprite(Rect{300, 300, 450, 450}, Rect{1, 0, 2, 1}, kWhite);
    });
    int wrong = 0;
    for (int y = 0; y < 250; y += 7)
        for (int x = 0; x < 250; x += 7)
            wrong += (At(frame, x, y) & 0xFFFFFF) != 0xFF0000u || (At(frame, 300 + x, y) & 0xFFFFFF) != 0xFF0000u;
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(At(frame, 449, 449) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(At(frame, 450, 449), kBlack);
}

TEST_F(GraphicsTest, APictureMostlyClearShowsItsInkInPlaceAndWhatIsUnderItElsewhere) {
    settings.linearFilter = 0;
    // Texels 0..3 of row 0 white and opaque; a 4 x 3 picture below them,
    // clear but for one red texel at (2, 2) of the atlas.
    Picture atlas{4, 3, std::vector<uint8_t>(4 * 3 * 4, 0)};
    for (int x = 0; x < 4; ++x)
        for (int c = 0; c < 4; ++c) atlas.rgba[size_t(x) * 4 + size_t(c)] = 255;
    const uint8_t red[4] = {255, 0, 0, 255};
    std::copy(red, red + 4, &atlas.rgba[(2 * 4 + 2) * 4]);
    ASSERT_TRUE(UseAtlas(atlas));
    const auto frame = Frame([] {
        DrawSprite(Rect{0, 0, 640, 480}, Rect{0, 0, 4, 1}, kWhite);
        DrawSpriteAt(100, 50, 1, kWhite, Rect{0, 1, 4, 3});
        DrawSpriteAt(200, 50, 1, 0xFF00FF00u, Rect{0, 1, 4, 3});  // tinted: red under green is black
    });
    EXPECT_EQ(At(frame, 102, 51) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(At(frame, 202, 51) & 0xFFFFFF, 0x000000u);
    for (const auto& [x, y] : {std::pair{100, 50}, {101, 51}, {103, 51}, {102, 50}, {103, 50}, {202, 50}, {203, 51}})
        EXPECT_EQ(At(frame, x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
}

TEST_F(GraphicsTest, ANonPowerOfTwoAtlasLandsAtTheTopLeftWithNothingAroundIt) {
    settings.linearFilter = 0;
    const Picture atlas = PatternPicture(100, 60);
    ASSERT_TRUE(UseAtlas(atlas));
    const auto frame = Frame([&] {
        DrawSpriteAt(0, 0, 1, kWhite, Rect{0, 0, 100, 60});
        DrawSpriteAt(200, 0, 1, kWhite, Rect{90, 50, 130, 80});  // reaches past the picture
    });
    ExpectTexels(frame, 0, 0, atlas, Rect{0, 0, 100, 60}, 1);
    ExpectTexels(frame, 200, 0, atlas, Rect{90, 50, 100, 60}, 1);
    // Beyond the picture the texture is transparent: black screen shows.
    EXPECT_EQ(At(frame, 200 + 10, 0), kBlack);
    EXPECT_EQ(At(frame, 200, 10), kBlack);
    EXPECT_EQ(At(frame, 239, 29), kBlack);
}

TEST_F(GraphicsTest, VertexColourTintsTexelsAndScalesTheirAlpha) {
    settings.linearFilter = 0;
    Picture atlas{4, 1, {255, 255, 255, 255, 200, 100, 50, 255, 255, 255, 255, 128, 0, 0, 0, 0}};
    ASSERT_TRUE(UseAtlas(atlas));
    const auto frame = Frame([&] {
        DrawSpriteAt(10, 10, 1, 0xFF00FF00u, Rect{0, 0, 1, 1});  // white tinted green
        DrawSpriteAt(20, 10, 1, 0x80FFFFFFu, Rect{1, 0, 2, 1});  // half opacity over black
        DrawSpriteAt(30, 10, 1, kWhite, Rect{2, 0, 3, 1});       // the texel's own half alpha
        DrawSpriteAt(40, 10, 1, kWhite, Rect{3, 0, 4, 1});       // fully transparent
    });
    EXPECT_EQ(At(frame, 10, 10) & 0xFFFFFF, 0x00FF00u);
    auto near = [](uint32_t got, int r, int g, int b) {
        const int gr = (got >> 16) & 255, gg = (got >> 8) & 255, gb = got & 255;
        return std::abs(gr - r) <= 2 && std::abs(gg - g) <= 2 && std::abs(gb - b) <= 2;
    };
    EXPECT_TRUE(near(At(frame, 20, 10), 100, 50, 25)) << std::hex << At(frame, 20, 10);
    EXPECT_TRUE(near(At(frame, 30, 10), 128, 128, 128)) << std::hex << At(frame, 30, 10);
    EXPECT_EQ(At(frame, 40, 10), kBlack);
}

TEST_F(GraphicsTest, LaterSpritesCoverEarlierOnesAndAScreenImageClearsFirst) {
    settings.linearFilter = 0;
    Picture atlas{2, 1, {255, 0, 0, 255, 0, 0, 255, 255}};
    ASSERT_TRUE(UseAtlas(atlas));
    auto frame = Frame([&] {
        DrawSprite(Rect{0, 0, 50, 50}, Rect{0, 0, 1, 1}, kWhite);
        DrawSprite(Rect{25, 25, 75, 75}, Rect{1, 0, 2, 1}, kWhite);
    });
    EXPECT_EQ(At(frame, 10, 10), 0xFFFF0000u);
    EXPECT_EQ(At(frame, 30, 30), 0xFF0000FFu);
    EXPECT_EQ(At(frame, 70, 70), 0xFF0000FFu);

    // Clearing first: a screen image from a transparent part of the atlas
    // leaves black where an earlier sprite was.
    frame = Frame([&] {
        DrawSprite(Rect{0, 0, 50, 50}, Rect{0, 0, 1, 1}, kWhite);
        DrawScreenImage(Rect{4, 4, 8, 8}, kWhite);
        DrawSprite(Rect{100, 100, 110, 110}, Rect{1, 0, 2, 1}, kWhite);
    });
    EXPECT_EQ(At(frame, 10, 10), kBlack);
    EXPECT_EQ(At(frame, 105, 105), 0xFF0000FFu);
}

TEST_F(GraphicsTest, ASixteenBitFullScreenFrameIsQuantisedToFiveSixFive) {
    settings.linearFilter = 0;
    Picture ramp{256, 1, {}};
    for (int i = 0; i < 256; ++i) ramp.rgba.insert(ramp.rgba.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 255});
    auto levels = [&](const std::vector<uint32_t>& frame, int shift) {
        std::set<uint32_t> seen;
        for (int x = 0; x < 256; ++x) {
            const uint32_t got = (At(frame, x, 0) >> shift) & 255;
            EXPECT_LE(std::abs(int(got) - x), 8) << "x " << x;
            seen.insert(got);
        }
        return seen.size();
    };
    auto drawRamp = [] { DrawSprite(Rect{0, 0, 256, 1}, Rect{0, 0, 256, 1}, kWhite); };

    settings.windowed = 0;
    settings.colorDepth32 = 0;
    ASSERT_TRUE(UseAtlas(ramp));
    auto frame = Frame(drawRamp);
    EXPECT_EQ(levels(frame, 16), 32u);  // red
    EXPECT_EQ(levels(frame, 8), 64u);   // green
    EXPECT_EQ(levels(frame, 0), 32u);   // blue

    // In 32-bit, and in a window whatever the depth, every level survives.
    settings.colorDepth32 = 1;
    ASSERT_TRUE(UseAtlas(ramp));
    EXPECT_EQ(levels(Frame(drawRamp), 8), 256u);
    settings.windowed = 1;
    settings.colorDepth32 = 0;
    ASSERT_TRUE(UseAtlas(ramp));
    EXPECT_EQ(levels(Frame(drawRamp), 8), 256u);
}

TEST_F(GraphicsTest, NoAtlasOrADamagedOneMeansNoDevice) {
    std::vector<Bytes> entries{Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}};
    for (int i = 0; i < 12; ++i) entries.push_back(SimpleWave());
    EXPECT_FALSE(UseArchive(DataDat(entries)));
    EXPECT_FALSE(HasDevice());

    Bytes archive = test::DataDatWithAtlas(EncodePng(PatternPicture(8, 8)));
    archive[0] = 0xF0;  // entry 0 now points far beyond the file
    archive[3] = 0x0F;
    EXPECT_FALSE(UseArchive(archive));
    EXPECT_FALSE(HasDevice());

    // Drawing without a device is harmless and still recorded.
    StartDrawRecording();
    BeginFrameDraw();
    DrawSpriteAt(0, 0, 1, kWhite, Rect{0, 0, 8, 8});
    EndFrameDraw();
    EXPECT_EQ(PresentFrame(), PresentResult::Ok);
    int n = 0;
    RecordedDraws(&n);
    EXPECT_EQ(n, 1);
    StopDrawRecording();
    ClearRecordedDraws();
}

TEST_F(GraphicsTest, ReleasingTwiceIsHarmlessAndALostDeviceIsReported) {
    ASSERT_TRUE(UseAtlas(PatternPicture(16, 16)));
    EXPECT_TRUE(HasDevice());
    SimulateDeviceLoss();
    BeginFrameDraw();
    EndFrameDraw();
    EXPECT_EQ(PresentFrame(), PresentResult::DeviceLost);
    ReleaseGraphics();
    ReleaseGraphics();
    EXPECT_FALSE(HasDevice());
    ASSERT_TRUE(CreateGraphics());
    Frame([] {});  // reported once only
}

// The display settings with one field changed.
GameSettings With(int32_t GameSettings::*field, int32_t value) {
    GameSettings wanted = settings;
    wanted.*field = value;
    return wanted;
}

TEST_F(GraphicsTest, OnlyDisplayChangesRebuildTheDevice) {
    ASSERT_TRUE(UseAtlas(PatternPicture(16, 16)));
    const uint32_t before = DevicesCreated();

    EXPECT_TRUE(ApplyDisplaySettings(With(&GameSettings::linearFilter, !settings.linearFilter)));
    EXPECT_EQ(DevicesCreated(), before);
    EXPECT_TRUE(HasDevice());

    EXPECT_TRUE(ApplyDisplaySettings(With(&GameSettings::vsync, !settings.vsync)));
    EXPECT_EQ(DevicesCreated(), before + 1);
    EXPECT_TRUE(HasDevice());

    EXPECT_TRUE(ApplyDisplaySettings(With(&GameSettings::windowed, 0)));
    EXPECT_EQ(DevicesCreated(), before + 2);
    EXPECT_EQ(settings.windowed, 0);

    EXPECT_TRUE(ApplyDisplaySettings(settings));
    EXPECT_EQ(DevicesCreated(), before + 2) << "no change, no rebuild";

    // With no device there is nothing to rebuild.
    ReleaseGraphics();
    EXPECT_TRUE(ApplyDisplaySettings(With(&GameSettings::colorDepth32, 0)));
    EXPECT_FALSE(HasDevice());
    EXPECT_EQ(DevicesCreated(), before + 2);
    EXPECT_EQ(settings.colorDepth32, 0);
}

TEST_F(GraphicsTest, ARebuildThatFailsIsReportedAndLeavesNoDevice) {
    ASSERT_TRUE(UseAtlas(PatternPicture(16, 16)));
    FreeArchive();  // the atlas cannot be made again
    EXPECT_FALSE(ApplyDisplaySettings(With(&GameSettings::vsync, !settings.vsync)));
    EXPECT_FALSE(HasDevice());
}

TEST_F(GraphicsTest, SwitchingOnlyTheFilterSmoothsEnlargedSpritesOnTheSameDevice) {
    settings.linearFilter = 0;
    Picture atlas{2, 1, {0, 0, 0, 255, 255, 255, 255, 255}};  // black, white
    ASSERT_TRUE(UseAtlas(atlas));
    auto drawEnlarged = [] { DrawSprite(Rect{0, 0, 16, 8}, Rect{0, 0, 2, 1}, kWhite); };
    auto greys = [&](const std::vector<uint32_t>& frame) {
        int n = 0;
        for (int x = 0; x < 16; ++x) {
            const uint32_t c = At(frame, x, 4) & 0xFFFFFF;
            if (c != 0 && c != 0xFFFFFF) ++n;
        }
        return n;
    };
    EXPECT_EQ(greys(Frame(drawEnlarged)), 0);
    const uint32_t before = DevicesCreated();
    ApplyDisplaySettings(With(&GameSettings::linearFilter, 1));
    EXPECT_GT(greys(Frame(drawEnlarged)), 0);
    EXPECT_EQ(DevicesCreated(), before);
}

TEST_F(GraphicsTest, TheLastFrameCanBeWrittenAsPng) {
    settings.linearFilter = 0;
    const Picture atlas = PatternPicture(64, 64);
    ASSERT_TRUE(UseAtlas(atlas));
    const auto frame = Frame([&] { DrawSpriteAt(5, 5, 1, kWhite, Rect{0, 0, 64, 64}); });
    const std::string png = TempPath("frame.png");
    paths.push_back(png);
    ASSERT_TRUE(headless::WriteFramePng(png.c_str()));
    std::ifstream in(png, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    AtlasImage image;
    ASSERT_TRUE(DecodeAtlasImage(bytes.data(), uint32_t(bytes.size()), &image));
    const int w = image.width, h = image.height;
    const uint8_t* pixels = image.rgba.get();
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    int wrong = 0;
    for (int i = 0; i < w * h; ++i) {
        const uint32_t got = 0xFF000000u | uint32_t(pixels[i * 4]) << 16 | uint32_t(pixels[i * 4 + 1]) << 8 | pixels[i * 4 + 2];
        if (got != (frame[i] | 0xFF000000u)) ++wrong;
    }
    EXPECT_EQ(wrong, 0);
}

// The atlas may decode on another thread from the moment the archive is
// loaded; what the device shows must not depend on it.
TEST_F(GraphicsTest, AnAtlasDecodedAheadDrawsAsOneDecodedOnTheSpot) {
    settings.linearFilter = 0;
    const Picture atlas = PatternPicture(128, 64);
    const auto draw = [] { DrawSpriteAt(10, 20, 2, kWhite, Rect{0, 0, 128, 64}); };
    ASSERT_TRUE(UseAtlas(atlas));
    const auto onTheSpot = Frame(draw);

    ReleaseGraphics();
    BeginAtlasDecode();
    ASSERT_TRUE(CreateGraphics());
    const auto ahead = Frame(draw);
    EXPECT_TRUE(ahead == onTheSpot);
    ExpectTexels(ahead, 10, 20, atlas, Rect{0, 0, 128, 64}, 2);
}

TEST_F(GraphicsTest, ADecodeBegunForAnotherArchiveIsNotUsed) {
    ASSERT_TRUE(UseAtlas(PatternPicture(64, 64)));
    ReleaseGraphics();
    BeginAtlasDecode();  // the good picture, decoding
    FreeArchive();
    Bytes damaged = EncodePng(PatternPicture(64, 64));
    damaged.resize(damaged.size() / 2);
    paths.push_back(WriteTemp("damaged.dat", test::DataDatWithAtlas(damaged)));
    ASSERT_TRUE(LoadArchive(paths.back().c_str()));
    EXPECT_FALSE(CreateGraphics());
    EXPECT_FALSE(HasDevice());

    // Nor does a decode begun and then dropped with the device leave anything
    // behind for the next one.
    ASSERT_TRUE(UseAtlas(PatternPicture(32, 32)));
    ReleaseGraphics();
    BeginAtlasDecode();
    ReleaseGraphics();
    EXPECT_TRUE(CreateGraphics());
}

}  // namespace
}  // namespace q
