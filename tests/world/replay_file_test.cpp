// The replay file's checks that the end-to-end refusals do not reach, and the
// floor checksum a replay is matched to its floor by.
#include <gtest/gtest.h>

#include <memory>

#include "support/bytes.hpp"
#include "support/floor_dat.hpp"
#include "world/floor.hpp"
#include "world/replay_file.hpp"

namespace q {
namespace {

using test::Bytes;

// A header of a replay of `steps` steps, each field as given, and its steps.
Bytes File(int32_t version, int32_t floor, int32_t character, int32_t chasers, int32_t steps, size_t body) {
    Bytes b{'Q', 'R', 'P', 'L'};
    for (int32_t field : {version, floor, character, chasers, 0, steps}) test::Put32(b, uint32_t(field));
    b.resize(b.size() + body, CMD_RIGHT);
    return b;
}

ReplayRefusal Decode(const Bytes& bytes) {
    auto out = std::make_unique<Replay>();
    return DecodeReplay(bytes.data(), bytes.size(), out.get());
}

TEST(ReplayFile, EveryHeaderFieldIsCheckedAndNothingMayFollowTheSteps) {
    EXPECT_EQ(Decode(File(1, 56, 2, 0, 3, 3)), ReplayRefusal::None);
    EXPECT_EQ(Decode(File(2, 1, 0, 1, 3, 3)), ReplayRefusal::UnknownVersion);
    for (int32_t floor : {0, kLastFloor + 1}) EXPECT_EQ(Decode(File(1, floor, 0, 1, 3, 3)), ReplayRefusal::DamagedHeader);
    for (int32_t c : {-1, 3}) EXPECT_EQ(Decode(File(1, 1, c, 1, 3, 3)), ReplayRefusal::DamagedHeader);
    EXPECT_EQ(Decode(File(1, 1, 0, 2, 3, 3)), ReplayRefusal::DamagedHeader);
    EXPECT_EQ(Decode(File(1, 1, 0, 1, -1, 0)), ReplayRefusal::DamagedHeader);
    EXPECT_EQ(Decode(File(1, 1, 0, 1, 3, 4)), ReplayRefusal::TrailingBytes);
    EXPECT_EQ(Decode(Bytes{'Q', 'R'}), ReplayRefusal::NotAReplay);

    // A file too large to be a replay is not read whole, and still named.
    Bytes huge = File(1, 1, 0, 1, 3, kMaxReplayFileBytes);
    huge[0] = 'X';
    const std::string path = test::ScratchPath("huge.qrp");
    ASSERT_TRUE(test::WriteFile(path, huge));
    auto out = std::make_unique<Replay>();
    EXPECT_EQ(ReadReplayFile(path.c_str(), out.get()), ReplayRefusal::NotAReplay);
}

TEST(ReplayFile, TheFloorChecksumFollowsWhatPlayReadsAndNotTheDemo) {
    test::FloorRecord floor = test::WalkRightFloor();
    test::FloorRecord newDemo = floor, moved = floor, lower = floor;
    newDemo.demo = {CMD_LEFT};
    moved.tiles[5] = 1;
    lower.startRow = 1;
    test::FloorDat dat;
    dat.Set(1, floor);
    dat.Set(2, newDemo);
    dat.Set(3, moved);
    dat.Set(4, lower);
    const std::string path = test::ScratchPath("checksum-floor.dat");
    ASSERT_TRUE(test::WriteFile(path, dat.Build()));

    auto w = std::make_unique<World>();
    auto run = std::make_unique<Replay>();
    ASSERT_EQ(LoadFloor(*w, 1, path.c_str()), 1);
    run->header.floorChecksum = LoadedFloorChecksum(*w);
    EXPECT_EQ(run->header.floorChecksum,
              FloorChecksum(floor.rows, floor.startRow, floor.tiles.data(), floor.objects.data()))
        << "the tools reckon it from a floor source the same way";
    const ReplayRefusal expected[] = {ReplayRefusal::None, ReplayRefusal::None, ReplayRefusal::FloorMismatch,
                                      ReplayRefusal::FloorMismatch, ReplayRefusal::FloorUnloadable};
    for (int n = 1; n <= 5; ++n) {
        run->header.floor = n;
        EXPECT_EQ(LoadReplayFloor(*w, *run, path.c_str()), expected[n - 1]) << "floor " << n;
    }
}

}  // namespace
}  // namespace q
