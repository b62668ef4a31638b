// The replay file: what it keeps, and every way a file can fail to be one.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/bytes.hpp"
#include "support/floor_dat.hpp"
#include "world/floor.hpp"
#include "world/replay_file.hpp"

namespace q {
namespace {

using test::Bytes;

std::unique_ptr<Replay> SampleRun() {
    auto run = std::make_unique<Replay>();
    run->header = ReplayHeader{12, 2, 0, 0xDEADBEEFu, 6};
    const uint8_t commands[] = {CMD_RIGHT, CMD_RIGHT, CMD_NONE, CMD_ACTION, CMD_UP, CMD_DOWN};
    std::copy(std::begin(commands), std::end(commands), run->commands.begin());
    return run;
}

Bytes Encode(const Replay& run) {
    Bytes bytes(kMaxReplayFileBytes);
    bytes.resize(EncodeReplay(run, bytes.data(), bytes.size()));
    return bytes;
}

ReplayRefusal Decode(const Bytes& bytes) {
    auto out = std::make_unique<Replay>();
    return DecodeReplay(bytes.data(), bytes.size(), out.get());
}

TEST(ReplayFile, KeepsTheHeaderAndEveryCommandAndReadsThemBack) {
    const auto run = SampleRun();
    const Bytes bytes = Encode(*run);
    ASSERT_EQ(bytes.size(), kReplayHeaderBytes + 6);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "QRPL");
    auto back = std::make_unique<Replay>();
    ASSERT_EQ(DecodeReplay(bytes.data(), bytes.size(), back.get()), ReplayRefusal::None);
    EXPECT_EQ(back->header.floor, 12);
    EXPECT_EQ(back->header.character, 2);
    EXPECT_EQ(back->header.chasers, 0);
    EXPECT_EQ(back->header.floorChecksum, 0xDEADBEEFu);
    EXPECT_EQ(back->header.steps, 6);
    EXPECT_EQ(back->commands, run->commands);
    // Too small a buffer writes nothing rather than part of a file.
    EXPECT_EQ(EncodeReplay(*run, back->commands.data(), kReplayHeaderBytes + 5), 0u);
}

TEST(ReplayFile, EachKindOfDamageIsToldApart) {
    const Bytes good = Encode(*SampleRun());
    auto patched = [&](size_t at, int32_t v) {
        Bytes b = good;
        test::PatchInt32(b, at, v);
        return b;
    };
    Bytes longer = good;
    longer.push_back(0);
    Bytes badCommand = good;
    badCommand[kReplayHeaderBytes + 2] = CMD_RIGHT | CMD_LEFT;

    EXPECT_EQ(Decode(Bytes{'Q', 'R'}), ReplayRefusal::NotAReplay);
    EXPECT_EQ(Decode(Bytes(good.begin(), good.begin() + 20)), ReplayRefusal::Truncated);
    EXPECT_EQ(Decode(Bytes(good.begin(), good.end() - 1)), ReplayRefusal::Truncated);
    EXPECT_EQ(Decode(patched(0, 0x4C50524F)), ReplayRefusal::NotAReplay);
    EXPECT_EQ(Decode(patched(4, 2)), ReplayRefusal::UnknownVersion);
    for (int32_t floor : {0, kLastFloor + 1}) EXPECT_EQ(Decode(patched(8, floor)), ReplayRefusal::DamagedHeader);
    for (int32_t c : {-1, 3}) EXPECT_EQ(Decode(patched(12, c)), ReplayRefusal::DamagedHeader);
    EXPECT_EQ(Decode(patched(16, 2)), ReplayRefusal::DamagedHeader);
    EXPECT_EQ(Decode(patched(24, -1)), ReplayRefusal::DamagedHeader);
    EXPECT_EQ(Decode(patched(24, kMaxReplaySteps + 1)), ReplayRefusal::TooLong);
    EXPECT_EQ(Decode(longer), ReplayRefusal::TrailingBytes);
    EXPECT_EQ(Decode(badCommand), ReplayRefusal::DamagedCommands);

    // Files too large to be read whole are still named for what they are.
    Bytes huge{'Q', 'R', 'P', 'L'};
    for (int32_t field : {kReplayVersion, 1, 0, 1, 0, kMaxReplaySteps + 1}) test::Put32(huge, uint32_t(field));
    huge.resize(kMaxReplayFileBytes + 1, 0);
    const std::string path = test::ScratchPath("huge.qrp");
    ASSERT_TRUE(test::WriteFile(path, huge));
    auto out = std::make_unique<Replay>();
    EXPECT_EQ(ReadReplayFile(path.c_str(), out.get()), ReplayRefusal::TooLong);
    huge[0] = 'X';
    ASSERT_TRUE(test::WriteFile(path, huge));
    EXPECT_EQ(ReadReplayFile(path.c_str(), out.get()), ReplayRefusal::NotAReplay);
    EXPECT_EQ(ReadReplayFile((path + ".missing").c_str(), out.get()), ReplayRefusal::Unreadable);
}

TEST(ReplayFile, TheFloorChecksumFollowsWhatPlayReadsAndNotTheDemo) {
    test::FloorRecord floor = test::WalkRightFloor();
    test::FloorRecord newDemo = floor;
    newDemo.demo = {CMD_LEFT};
    test::FloorRecord moved = floor;
    moved.tiles[5] = 1;
    test::FloorRecord lower = floor;
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

    run->header.floor = 1;
    run->header.steps = 3;
    run->commands[0] = CMD_RIGHT;
    ASSERT_EQ(LoadReplayFloor(*w, *run, path.c_str()), ReplayRefusal::None);
    InstallReplayCommands(*w, *run);
    EXPECT_EQ(w->replayLength, 13);
    EXPECT_EQ(w->replayBuffer[0], CMD_RIGHT);
    EXPECT_EQ(w->replayBuffer[3], 0) << "nothing of the floor's demo is left";
}

}  // namespace
}  // namespace q
