// quorrel-floors solve --demo-from: a run a player recorded becomes a floor's
// demo, only when it is of that floor as it stands and clears it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "floors/floor_set.hpp"
#include "floors/floors_fixture.hpp"
#include "world/replay_file.hpp"

namespace q {
namespace {

// A recorded run of floor n: `commands`, on the floor as `source` has it.
void WriteRun(const test::TempFolder& dir, const std::string& name, int n, const test::SourceFloor& source,
              const std::vector<uint8_t>& commands) {
    floors::Floor f;
    floors::SourceError error;
    ASSERT_TRUE(floors::ParseFloorSource(source.Text(), f, error)) << error.message;
    auto run = std::make_unique<Replay>();
    run->header.floor = n;
    run->header.floorChecksum = FloorChecksum(f.rows, f.startRow, f.tiles.data(), f.objects.data());
    run->header.steps = int32_t(commands.size());
    std::copy(commands.begin(), commands.end(), run->commands.begin());
    std::vector<uint8_t> bytes(kMaxReplayFileBytes);
    bytes.resize(EncodeReplay(*run, bytes.data(), bytes.size()));
    std::string error2;
    ASSERT_TRUE(floors::WriteWholeFile(dir.File(name), bytes.data(), bytes.size(), error2)) << error2;
}

TEST(DemoFromReplay, ARecordedClearBecomesTheDemoAndVerifyReplaysIt) {
    test::TempFolder dir;
    test::WriteStandInSet(dir);
    const test::SourceFloor floor = test::WalkRightFloor().Header("teaching: yes").Demo("");
    dir.Write("floor-04.txt", floor.Text());
    // Walks right, then stands about long after the door was reached.
    std::vector<uint8_t> walk(60, CMD_RIGHT);
    walk.resize(200, CMD_NONE);
    WriteRun(dir, "walk.qrp", 4, floor, walk);

    const auto wrote = test::RunTool(floors::RunSolve, {"--sources", dir.Path(), "--write", "--demo-from",
                                                        dir.File("walk.qrp"), "4"});
    ASSERT_EQ(wrote.code, 0) << wrote.err;
    floors::Floor kept;
    std::string error;
    ASSERT_TRUE(floors::LoadFloorFile(dir.File("floor-04.txt"), kept, error)) << error;
    ASSERT_FALSE(kept.demo.empty());
    EXPECT_LT(kept.demo.size(), 60u) << "cut at the step that cleared the floor";
    EXPECT_EQ(kept.stats, "recorded by a player, steps " + std::to_string(kept.demo.size()));
    EXPECT_EQ(test::RunTool(floors::RunVerify, {"--sources", dir.Path(), "4"}).code, 0);

    // A floor edited since the run, and a run that does not clear it.
    dir.Write("floor-04.txt", test::SourceFloor(floor).Tiles(10, 10, "#").Text());
    const auto edited = test::RunTool(floors::RunSolve, {"--sources", dir.Path(), "--demo-from", dir.File("walk.qrp")});
    EXPECT_EQ(edited.code, 1);
    EXPECT_NE(edited.err.find("was recorded on another floor"), std::string::npos) << edited.err;
    dir.Write("floor-04.txt", floor.Text());
    WriteRun(dir, "stand.qrp", 4, floor, std::vector<uint8_t>(50, CMD_NONE));
    const auto stands = test::RunTool(floors::RunSolve, {"--sources", dir.Path(), "--write", "--demo-from",
                                                         dir.File("stand.qrp")});
    EXPECT_EQ(stands.code, 1);
    EXPECT_NE(stands.err.find("does not clear floor 4"), std::string::npos) << stands.err;
    EXPECT_EQ(dir.Read("floor-04.txt"), floor.Text()) << "a refused run writes nothing";
}

}  // namespace
}  // namespace q
