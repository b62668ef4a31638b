// quorrel --record, --replay and --floors end to end, through
// quorrel-headless (which takes the game's options) and quorrel-sim.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/bytes.hpp"
#include "support/headless_run.hpp"

namespace q::test {
namespace {

namespace fs = std::filesystem;

// Title, start, character confirmed: floor 1's intro from frame 95, play
// from about frame 208.
Script StartAndHoldRight() {
    Script s;
    s.Tap(60, "Enter").Tap(95, "Enter");
    s.Down(100, "Right");
    return s;
}

// A walk of 18 tiles to the exit.
FloorRecord LongWalkFloor() {
    std::vector<std::string> map(31);
    map[27] = ".P..................E";
    map[29] = std::string(40, '#');
    map[30] = std::string(40, '#');
    return FloorFromRows(map);
}

FloorDat WalkSet() {
    FloorDat dat;
    dat.SetAll(1, 57, LongWalkFloor());
    dat.Set(2, StandingFloor());
    return dat;
}

std::vector<fs::path> FilesIn(const fs::path& dir) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

Bytes ReadBytes(const fs::path& path) {
    const std::string text = ReadText(path.string());
    return Bytes(text.begin(), text.end());
}

struct SimRun {
    int exitCode = -1;
    std::string out, err;
};

SimRun Sim(const GameFolder& dir, const std::string& replay, const std::string& floors = "floor.dat") {
    const std::string command = "cd '" + dir.Path() + "' && '" QUORREL_BINARY_DIR "/quorrel-sim' --floors '" + floors +
                                "' --replay '" + replay + "' > sim.out 2> sim.err";
    SimRun run;
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadText(dir.File("sim.out"));
    run.err = ReadText(dir.File("sim.err"));
    return run;
}

// The frames of each scene visit on floor 1 from its countdown on, in order:
// how the floor went. (The intro's first frame is logged with the screen
// that started it, which a watched run does not have.)
std::vector<std::pair<int, int>> FloorOneVisits(const HeadlessRun& run) {
    std::vector<std::pair<int, int>> visits;
    for (const LoggedFrame& f : run.frames) {
        if (f.floor != 1 || f.scene == SCENE_TITLE || f.scene == SCENE_CHARACTER_SELECT ||
            f.scene == SCENE_FLOOR_INTRO)
            continue;
        if (visits.empty() || visits.back().first != f.scene) visits.push_back({f.scene, 0});
        ++visits.back().second;
    }
    return visits;
}

TEST(E2EReplay, ARecordedFloorReplaysToItsExitInTheGameAndInTheSimulator) {
    GameFolder dir;
    dir.WriteFloors(WalkSet());
    const HeadlessRun played = dir.Run(StartAndHoldRight().Text(), 700, "--record replays");
    ASSERT_EQ(played.exitCode, 0) << played.stderrText;
    ASSERT_GE(played.FirstFrameInScene(SCENE_RESULT), 0) << "floor 1 cleared";
    // Floor 1 cleared, floor 2 left when the run ended.
    const std::vector<fs::path> kept = FilesIn(dir.File("replays"));
    ASSERT_EQ(kept.size(), 2u) << played.stderrText;
    EXPECT_EQ(kept[0].filename().string().rfind("floor-01-", 0), 0u) << kept[0];
    EXPECT_EQ(kept[1].filename().string().rfind("floor-02-", 0), 0u) << kept[1];
    EXPECT_EQ(kept[0].extension(), ".qrp");
    const int steps = int(ReadBytes(kept[0]).size()) - 28;

    const HeadlessRun watched = dir.Run("", 700, "--replay '" + kept[0].string() + "'");
    ASSERT_EQ(watched.exitCode, 0) << watched.stderrText;
    ASSERT_FALSE(watched.frames.empty());
    EXPECT_EQ(watched.frames[0].scene, SCENE_FLOOR_INTRO) << "the run starts at once";
    EXPECT_EQ(FloorOneVisits(watched), FloorOneVisits(played)) << "the same floor, frame for frame";
    const int title = watched.FirstFrameInScene(SCENE_TITLE);
    ASSERT_GT(title, 0) << "back to the title afterwards";
    EXPECT_EQ(watched.FirstFrameInScene(SCENE_FLOOR_INTRO, title), -1) << "no next floor";

    const SimRun sim = Sim(dir, kept[0].string());
    EXPECT_EQ(sim.exitCode, 0) << sim.err;
    EXPECT_EQ(sim.out, "{\"result\":0,\"steps\":" + std::to_string(steps) + "}\n");

    // Without --record nothing is written.
    fs::remove_all(dir.File("replays"));
    const auto before = FilesIn(dir.Path());
    dir.Run(StartAndHoldRight().Text(), 700);
    EXPECT_EQ(FilesIn(dir.Path()), before);
}

TEST(E2EReplay, ReplaysThatCannotBePlayedAreRefusedWithWhatIsWrong) {
    GameFolder dir;
    dir.WriteFloors(WalkSet());
    dir.Run(StartAndHoldRight().Text(), 600, "--record replays");
    const std::vector<fs::path> kept = FilesIn(dir.File("replays"));
    ASSERT_FALSE(kept.empty());
    const Bytes good = ReadBytes(kept[0]);

    Bytes badHeader = good;
    PatchInt32(badHeader, 8, 99);  // floor 99
    Bytes truncated(good.begin(), good.end() - 5);
    Bytes oversized = good;
    PatchInt32(oversized, 24, 60000);
    oversized.resize(28 + 60000, 1);
    Bytes badCommand = good;
    badCommand[30] = 3;  // right and left at once: no key makes it
    // Floor 1 of another set: one tile moved.
    FloorDat edited = WalkSet();
    FloorRecord moved = LongWalkFloor();
    moved.tiles[size_t(28 * 40 + 10)] = 1;
    edited.Set(1, moved);
    WriteFile(dir.File("edited.dat"), edited.Build());

    struct Case {
        const char* name;
        Bytes bytes;
        const char* floors;
        const char* message;
    };
    const Case cases[] = {
        {"text.qrp", Bytes{'h', 'e', 'l', 'l', 'o'}, "floor.dat", "is not a Quorrel replay"},
        {"header.qrp", badHeader, "floor.dat", "has a damaged header"},
        {"truncated.qrp", truncated, "floor.dat", "is cut short"},
        {"oversized.qrp", oversized, "floor.dat", "is too long"},
        {"command.qrp", badCommand, "floor.dat", "holds a command no key makes"},
        {"good.qrp", good, "edited.dat", "was recorded on another floor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(dir.File(c.name), c.bytes);
        const HeadlessRun game = dir.Run("", 30, std::string("--floors ") + c.floors + " --replay " + c.name);
        EXPECT_EQ(game.exitCode, 1);
        EXPECT_NE(game.stderrText.find(c.message), std::string::npos) << game.stderrText;
        EXPECT_TRUE(game.frames.empty()) << "nothing is played";
        const SimRun sim = Sim(dir, c.name, c.floors);
        EXPECT_EQ(sim.exitCode, 2);
        EXPECT_NE(sim.err.find(c.message), std::string::npos) << sim.err;
        EXPECT_EQ(sim.out, "");
    }
}

TEST(E2EReplay, AReplayFolderThatCannotBeWrittenIsReportedAndPlayGoesOn) {
    GameFolder dir;
    dir.WriteFloors(WalkSet());
    // A file where the folder should be: no user, root included, can make it.
    WriteFile(dir.File("taken"), Bytes{1});
    const HeadlessRun run = dir.Run(StartAndHoldRight().Text(), 700, "--record taken/replays");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.stderrText.find("The replay of floor 1 was not kept"), std::string::npos) << run.stderrText;
    EXPECT_GT(run.FirstFrameInScene(SCENE_READY, run.FirstFrameInScene(SCENE_RESULT)), 0)
        << "floor 2 is played all the same";
    EXPECT_EQ(run.frames.size(), 700u);
}

TEST(E2EReplay, AnotherFloorSetIsPlayedAndADamagedOneRefusedAtStart) {
    GameFolder dir;
    // The folder's own floor.dat never lets the player reach an exit.
    FloorDat standing;
    standing.SetAll(1, 57, StandingFloor());
    dir.WriteFloors(standing);
    fs::create_directories(dir.File("sets"));
    WriteFile(dir.File("sets/walk.dat"), WalkSet().Build());

    const HeadlessRun other = dir.Run(StartAndHoldRight().Text(), 700, "--floors sets/walk.dat");
    ASSERT_EQ(other.exitCode, 0) << other.stderrText;
    const int result = other.FirstFrameInScene(SCENE_RESULT);
    ASSERT_GT(result, 0) << "floor 1 of the other set cleared";
    EXPECT_GT(other.FirstFrameInScene(SCENE_READY, result), 0);

    // Floor 30's record cut off: refused before the title, naming the floor.
    FloorDat holed = WalkSet();
    Bytes damaged = holed.Build();
    damaged.resize(RecordPosition(damaged, 30) + 10);
    WriteFile(dir.File("sets/damaged.dat"), damaged);
    const HeadlessRun refused = dir.Run("", 30, "--floors sets/damaged.dat");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.stderrText.find("is not a floor set the game can play: floor 30"), std::string::npos)
        << refused.stderrText;
    EXPECT_TRUE(refused.frames.empty());
}

}  // namespace
}  // namespace q::test
