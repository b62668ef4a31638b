// The painted atlas: it decodes through the game's own loader, every region
// the game draws is inside it and painted, regions keep to themselves, and
// the pictures have the shapes play depends on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "platform/core/atlas_image.hpp"
#include "platform/core/atlas_layout.hpp"
#include "support/built_atlas.hpp"
#include "world/character_sets.hpp"
#include "world/floor.hpp"
#include "world/tiles.hpp"

namespace {

using q::Rect;
using q::assets::AtlasRegion;
using q::assets::AtlasRegions;
using q::assets::RegionRect;

constexpr int kSize = q::atlas::kSide;

const std::vector<uint8_t>& Pixels() { return q::test::BuiltAtlasPixels(); }

int Alpha(int x, int y) { return Pixels()[(size_t(y) * kSize + size_t(x)) * 4 + 3]; }

int CountOpaque(const Rect& r, int threshold = 1) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += Alpha(x, y) >= threshold;
    return n;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(AtlasImage, DecodesThroughTheGamesLoaderAtFullSizeWithAlpha) {
    const std::vector<uint8_t>& png = q::test::BuiltAtlasPng();
    q::AtlasImage image;
    ASSERT_TRUE(q::DecodeAtlasImage(png.data(), uint32_t(png.size()), &image));
    EXPECT_EQ(image.width, kSize);
    EXPECT_EQ(image.height, kSize);
    EXPECT_EQ(image.textureWidth, kSize);
    ASSERT_EQ(Pixels().size(), size_t(kSize) * kSize * 4);
    // The decoded picture is the painted one, see-through pixels included.
    EXPECT_EQ(0, std::memcmp(image.rgba.get(), Pixels().data(), Pixels().size()));
    int clear = 0, solid = 0;
    for (size_t i = 3; i < Pixels().size(); i += 4) {
        clear += Pixels()[i] == 0;
        solid += Pixels()[i] == 255;
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(solid, 0);
}

TEST(AtlasImage, TwoBuildsGiveTheSameBytes) {
    EXPECT_EQ(q::assets::BuildAtlasPng(), q::test::BuiltAtlasPng());
}

TEST(AtlasRegions, EveryRegionLiesInsideTheAtlasHasAUniqueNameAndIsPainted) {
    std::set<std::string> names;
    for (const AtlasRegion& r : AtlasRegions()) {
        SCOPED_TRACE(r.name);
        EXPECT_TRUE(names.insert(r.name).second) << "duplicate name";
        EXPECT_FALSE(r.shows.empty());
        EXPECT_GE(r.rect.left, 0);
        EXPECT_GE(r.rect.top, 0);
        EXPECT_LE(r.rect.right, kSize);
        EXPECT_LE(r.rect.bottom, kSize);
        ASSERT_GT(r.rect.Width(), 0);
        ASSERT_GT(r.rect.Height(), 0);
        EXPECT_GT(CountOpaque(r.rect), 0) << "nothing painted";
    }
}

TEST(AtlasRegions, RegionsDoNotOverlapExceptPortraitsFramingTheirPoses) {
    const auto& t = AtlasRegions();
    int framed = 0;
    for (size_t i = 0; i < t.size(); ++i)
        for (size_t j = i + 1; j < t.size(); ++j) {
            if (!Overlap(t[i].rect, t[j].rect)) continue;
            EXPECT_TRUE(q::assets::OverlapIntended(t[i], t[j])) << t[i].name << " overlaps " << t[j].name;
            ++framed;
        }
    // Each portrait holds all twelve poses of its character.
    EXPECT_EQ(framed, 36);
}

TEST(AtlasRegions, TheBuilderWorksWithEveryPictureOfTheGamesLayoutOnce) {
    int pictures = 0;
    for (std::span<const q::atlas::Picture> group : q::atlas::kAllPictures)
        for (const q::atlas::Picture& p : group) {
            if (!p.name) continue;
            ++pictures;
            int found = 0;
            for (const AtlasRegion& r : AtlasRegions()) found += r.name == p.name && r.rect == p.rect;
            EXPECT_EQ(found, 1) << p.name;
        }
    EXPECT_EQ(size_t(pictures), AtlasRegions().size());
}

TEST(AtlasPictures, FullScreenPicturesAndTheShutterAreOpaqueEverywhere) {
    // Holes would show the black clear colour or the play field through them.
    for (const char* name : {"title", "background", "shutter"}) {
        Rect r = RegionRect(name);
        EXPECT_EQ(CountOpaque(r, 255), r.Width() * r.Height()) << name;
    }
}

// The section dressing laid in patches of any size (cellar stone, bookcase,
// night sky) hides the brick behind it everywhere, or the patch would show
// holes of the one background through it.
TEST(AtlasPictures, DressingLaidInPatchesIsOpaque) {
    for (const char* name : {"tile.08", "tile.09", "tile.15"}) {
        Rect r = RegionRect(name);
        EXPECT_EQ(CountOpaque(r, 255), r.Width() * r.Height()) << name;
    }
}

// Every figure on the title is drawn in whole square pixels: each opaque
// pixel of its design is a block of scale x scale texels of its colour, on
// the figure's own grid.
TEST(AtlasPictures, TitleFiguresAreWholeSquarePixels) {
    const Rect title = RegionRect("title");
    const int s = q::assets::kTitleFigureScale;
    ASSERT_EQ(q::assets::TitleFigures().size(), 3u);
    for (const q::assets::TitleFigure& f : q::assets::TitleFigures()) {
        const q::assets::Canvas design = q::assets::FigureDesign(f.set, f.dir, f.pose);
        int opaque = 0, wrong = 0;
        for (int y = 0; y < design.Height(); ++y)
            for (int x = 0; x < design.Width(); ++x) {
                const uint32_t k = design.Get(x, y);
                if (q::assets::AlphaOf(k) != 255) continue;
                ++opaque;
                for (int dy = 0; dy < s; ++dy)
                    for (int dx = 0; dx < s; ++dx) {
                        const size_t at = (size_t(title.top + f.y + y * s + dy) * kSize + size_t(title.left + f.x + x * s + dx)) * 4;
                        const uint8_t* p = &Pixels()[at];
                        wrong += p[0] != ((k >> 16) & 0xFF) || p[1] != ((k >> 8) & 0xFF) || p[2] != (k & 0xFF);
                    }
            }
        EXPECT_GT(opaque, 100) << "character " << f.set;
        EXPECT_EQ(wrong, 0) << "figure of character " << f.set;
    }
}

// The HUD's floor number: DrawDigits sets each glyph one pixel after the
// previous glyph's box, so each digit's figure fills its box from the left
// and two digits side by side stand one or two pixels apart, as letters do.
TEST(AtlasPictures, HudDigitsStandSideBySideLikeLetters) {
    struct Span {
        int left, right, width;
    };
    std::vector<Span> spans;
    for (const q::atlas::Picture& picture : q::atlas::kSmallDigits) {
        const Rect glyph = picture;
        Span sp{glyph.Width(), -1, glyph.Width()};
        for (int y = glyph.top; y < glyph.bottom; ++y)
            for (int x = glyph.left; x < glyph.right; ++x)
                if (Pixels()[(size_t(y) * kSize + size_t(x)) * 4] >= 128)  // the figure's warm red channel
                    sp.left = std::min(sp.left, x - glyph.left), sp.right = std::max(sp.right, x - glyph.left);
        ASSERT_GE(sp.right, 0);
        spans.push_back(sp);
    }
    for (size_t a = 0; a < spans.size(); ++a)
        for (size_t b = 0; b < spans.size(); ++b) {
            const int gap = (spans[a].width - 1 - spans[a].right) + 1 + spans[b].left;
            EXPECT_GE(gap, 1) << a << b;
            EXPECT_LE(gap, 2) << a << b;
        }
}

TEST(AtlasPictures, TheBackgroundRepeatsEvery32RowsSoScrollingIsSeamless) {
    Rect r = RegionRect("background");
    for (int y = r.top; y + 32 < r.bottom; ++y)
        ASSERT_EQ(0, std::memcmp(&Pixels()[(size_t(y) * kSize + size_t(r.left)) * 4],
                                 &Pixels()[(size_t(y + 32) * kSize + size_t(r.left)) * 4], size_t(r.Width()) * 4))
            << "row " << y - r.top;
}

TEST(AtlasPictures, EveryCharacterPoseReachesFromTheTopOfItsBoxToItsFeet) {
    // Poses are stretched into the actor's box: a clear top or bottom row
    // would make the character float above the floor or shrink.
    for (int s = 0; s < 3; ++s)
        for (int d = 0; d < 4; ++d)
            for (int f = 0; f < 8; ++f) {
                Rect r = q::CharacterSets[s].frames[d][f];
                SCOPED_TRACE(testing::Message() << "set " << s << " dir " << d << " frame " << f);
                EXPECT_GT(CountOpaque(Rect{r.left, r.top, r.right, r.top + 1}, 255), 0);
                EXPECT_GT(CountOpaque(Rect{r.left, r.bottom - 1, r.right, r.bottom}, 255), 0);
            }
}

TEST(AtlasPictures, EachCharacterCardHasAnUnbrokenFrameAroundItsPoses) {
    // The card is shown at twice its size: a pose reaching into its border
    // would cut a gap in the frame or a figure's head.
    for (const q::atlas::Picture& card : q::atlas::kPortraits) {
        const Rect r = card;
        SCOPED_TRACE(card.name);
        for (int x = r.left; x < r.right; ++x) {
            EXPECT_EQ(Alpha(x, r.top), 255) << "top, x " << x;
            EXPECT_EQ(Alpha(x, r.bottom - 1), 255) << "bottom, x " << x;
        }
        for (int y = r.top; y < r.bottom; ++y) {
            EXPECT_EQ(Alpha(r.left, y), 255) << "left, y " << y;
            EXPECT_EQ(Alpha(r.right - 1, y), 255) << "right, y " << y;
        }
    }
}

TEST(AtlasPictures, LadderTilesStackWithoutASeam) {
    // A ladder several tiles tall repeats its tile: whatever is solid on its
    // bottom row must go on from the top row of the tile below.
    for (int tile = q::TILE_LADDER; tile < q::TILE_FOOTING; ++tile) {
        const Rect r = q::atlas::kTiles[tile];
        for (int x = r.left; x < r.right; ++x)
            EXPECT_EQ(Alpha(x, r.top) >= 128, Alpha(x, r.bottom - 1) >= 128) << "tile " << tile << " column " << x - r.left;
    }
}

TEST(AtlasPictures, LBlocksAreSolidWhereTheBlockIsAndClearInTheNotch) {
    struct Case {
        const char* name;
        int dir;
    };
    for (Case c : {Case{"block.light.0", 0}, Case{"block.light.1", 1}, Case{"block.heavy.0", 0}, Case{"block.heavy.1", 1}}) {
        SCOPED_TRACE(c.name);
        Rect r = RegionRect(c.name);
        Rect lower{r.left, r.top + 16, r.right, r.bottom};
        Rect left{r.left, r.top, r.left + 16, r.top + 16};
        Rect right{r.left + 16, r.top, r.right, r.top + 16};
        Rect raised = c.dir == 0 ? left : right, notch = c.dir == 0 ? right : left;
        EXPECT_EQ(CountOpaque(lower, 255), 32 * 16);
        EXPECT_EQ(CountOpaque(raised, 255), 16 * 16);
        EXPECT_EQ(CountOpaque(notch), 0);
    }
}

TEST(AtlasPictures, TheEmptyTileLetsTheBackWallShowThrough) {
    Rect r = q::TileSourceRect(0);
    EXPECT_LE(CountOpaque(r, 64), 0);
    // Solid and platform tiles are solid along their top, where feet stand.
    for (int t : {28, 29, 30, 31}) {
        Rect s = q::TileSourceRect(t);
        EXPECT_EQ(CountOpaque(Rect{s.left, s.top, s.right, s.top + 1}, 255), 16) << "tile " << t;
    }
}

TEST(AtlasPreview, WritesAPictureOfTheWholeAtlas) {
    std::string path = testing::TempDir() + "/atlas-preview-test.png";
    ASSERT_TRUE(q::assets::WriteAtlasPreview(path.c_str(), q::test::BuiltAtlas()));
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    q::AtlasImage image;
    ASSERT_TRUE(q::DecodeAtlasImage(bytes.data(), uint32_t(bytes.size()), &image));
    EXPECT_EQ(image.width, kSize);
    EXPECT_EQ(image.height, kSize);
    std::remove(path.c_str());
}

}  // namespace
