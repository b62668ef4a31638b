// A floor travels in a link (the editor page's share link): what comes out is
// the floor that went in, and a damaged link is refused with a message.
#include <gtest/gtest.h>

#include <zlib.h>

#include "floors/floor_link.hpp"
#include "floors/floor_set.hpp"
#include "floors/lint.hpp"
#include "floors/lone_floor.hpp"
#include "floors_fixture.hpp"
#include "world/world.hpp"
#include "world/floor.hpp"

namespace q::test {
namespace {

using floors::DecodeFloorLink;
using floors::EncodeFloorLink;
using floors::Floor;

Floor Parsed(const std::string& text) {
    Floor f;
    floors::SourceError error;
    EXPECT_TRUE(floors::ParseFloorSource(text, f, error)) << error.line << ": " << error.message;
    return f;
}

TEST(FloorLink, EveryFloorOfTheSetComesBackAsTheSameSourceAndPacksSmall) {
    TempFolder dir;
    ASSERT_GE(WriteRealSet(dir), 1);
    for (int n = 1; n <= kFloorCount; ++n) {
        // The file as the tools wrote it is the text the editor saves again.
        const std::string file = dir.Read(floors::SourceFileName(n));
        const Floor floor = Parsed(file);
        const std::string written = floors::WriteFloorSource(floor, n);
        const std::string link = EncodeFloorLink(floor, n);
        Floor back;
        std::string source, error;
        ASSERT_TRUE(DecodeFloorLink(link, back, source, error)) << "floor " << n << ": " << error;
        EXPECT_EQ(source, written) << "floor " << n;
        EXPECT_EQ(floors::WriteFloorSource(back, n), written) << "floor " << n;
        EXPECT_LT(link.size() * 3, written.size()) << "floor " << n << " hardly packs";
        for (const char c : link) EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') << c;
    }
}

TEST(FloorLink, Base64UrlRoundTripsEveryLengthAndRefusesStrangers) {
    std::string bytes;
    for (int i = 0; i < 70; ++i) {
        std::string back;
        ASSERT_TRUE(floors::Base64UrlDecode(floors::Base64UrlEncode(bytes), back));
        EXPECT_EQ(back, bytes) << i;
        bytes += static_cast<char>(i * 37 + 200);
    }
    std::string out;
    EXPECT_FALSE(floors::Base64UrlDecode("ab=c", out));
    EXPECT_FALSE(floors::Base64UrlDecode("abcd+", out));
    EXPECT_FALSE(floors::Base64UrlDecode("abcde", out));  // one sextet over: cut
}

std::string RawDeflate(const std::string& text) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, static_cast<uLong>(text.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

TEST(FloorLink, DamagedLinksAreRefusedWithAMessage) {
    const std::string good = EncodeFloorLink(Parsed(WalkRightFloor().Text()), 1);
    const auto refused = [](const std::string& link) {
        Floor f;
        std::string source, error;
        const bool ok = DecodeFloorLink(link, f, source, error);
        return !ok && !error.empty();
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused("floor"));
    EXPECT_TRUE(refused(good.substr(0, good.size() / 2)));
    EXPECT_TRUE(refused(good.substr(0, good.size() - 3)));
    EXPECT_TRUE(refused(good + "AAAA"));  // bytes after the stream
    EXPECT_TRUE(refused(good.substr(0, 10) + "%20" + good.substr(10)));
    // Every single character changed: refused or still a floor, never a fault
    // (a change in the last sextet's spare bits is not even a change).
    for (size_t i = 2; i < good.size(); ++i) {
        std::string bent = good;
        bent[i] = bent[i] == 'A' ? 'B' : 'A';
        Floor f;
        std::string source, error;
        if (!DecodeFloorLink(bent, f, source, error)) {
            EXPECT_FALSE(error.empty());
        }
    }
    // Packed right but not a floor, and a floor far larger than any floor.
    EXPECT_TRUE(refused(floors::kFloorLinkPrefix + floors::Base64UrlEncode(RawDeflate("name: x\nrows: 500\n"))));
    EXPECT_TRUE(refused(floors::kFloorLinkPrefix +
                        floors::Base64UrlEncode(RawDeflate(std::string(floors::kMaxLinkedSourceBytes + 1, '#')))));
}

TEST(FloorLintCells, FindingsNameTheCellToMark) {
    SourceFloor leaky = WalkRightFloor();
    leaky.Tiles(26, 39, ".");  // an opening in the right wall beside the floor's bottom
    const auto findings = floors::LintFloor(Parsed(leaky.Text()), 3);
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0].row, 26);
    EXPECT_EQ(findings[0].column, 39);

    SourceFloor inExit = WalkRightFloor();
    inExit.Objects(26, 3, ".").Objects(26, 6, ".").Objects(26, 5, "P").Objects(26, 5, "E").Objects(25, 5, "P");
    bool named = false;
    for (const auto& f : floors::LintFloor(Parsed(inExit.Text()), 3))
        if (f.message.find("in the exit") != std::string::npos) named = f.row == 25 && f.column == 5;
    EXPECT_TRUE(named);
}

TEST(FloorCompile, OneFloorSourceMakesASetThatPlaysItInEveryPlace) {
    TempFolder dir;
    dir.Write("mine.txt", WalkRightFloor().Text());
    const ToolRun run = RunTool(floors::RunCompile, {"--floor", dir.File("mine.txt"), "--out", dir.File("mine.dat")});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string bytes = dir.Read("mine.dat");
    std::vector<Floor> floors;
    std::string error;
    ASSERT_TRUE(floors::ReadFloorDat(std::vector<uint8_t>(bytes.begin(), bytes.end()), floors, error)) << error;
    ASSERT_EQ(floors.size(), static_cast<size_t>(kFloorCount));
    const Floor mine = Parsed(WalkRightFloor().Text());
    for (const Floor& f : floors) {
        EXPECT_EQ(f.tiles, mine.tiles);
        EXPECT_EQ(f.objects, mine.objects);
        EXPECT_EQ(f.demo, mine.demo);
    }
    auto world = std::make_unique<World>();
    for (int n = 1; n <= kFloorCount; ++n) EXPECT_TRUE(LoadFloor(*world, n, dir.File("mine.dat").c_str())) << n;

    const ToolRun missing = RunTool(floors::RunCompile, {"--floor", dir.File("none.txt"), "--out", dir.File("x.dat")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.empty());
}

}  // namespace
}  // namespace q::test
