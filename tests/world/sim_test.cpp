#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "sim/sim.hpp"
#include "support/floor_dat.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::Repeat;

struct SimRun {
    int status = -1;
    std::vector<std::string> lines;
    std::string err;
};

SimRun RunSim(std::vector<std::string> args) {
    std::vector<const char*> argv = {"quorrel-sim"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    sim::Options options;
    SimRun run;
    const CommandLineResult line = sim::ReadArgs(static_cast<int>(argv.size()), argv.data(), options);
    if (!line.run) {
        run.status = line.status;
        run.err = line.text;
        return run;
    }
    std::ostringstream out, err;
    run.status = sim::Run(options, out, err);
    run.err = err.str();
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) run.lines.push_back(line);
    return run;
}

std::vector<uint8_t> Bytes(const std::string& script) {
    std::vector<uint8_t> out;
    for (char c : script) out.push_back(static_cast<uint8_t>(test::CommandForChar(c)));
    return out;
}

// The keys of a JSON object, in order, at its top level only.
std::vector<std::string> TopLevelKeys(const std::string& json) {
    std::vector<std::string> keys;
    int depth = 0;
    for (size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[') ++depth;
        if (c == '}' || c == ']') --depth;
        if (c == '"' && depth == 1) {
            const size_t end = json.find('"', i + 1);
            if (json[end + 1] == ':') keys.push_back(json.substr(i + 1, end - i - 1));
            i = end;
        }
    }
    return keys;
}

std::string FirstActor(const std::string& line) {
    const size_t start = line.find("\"actors\":[{") + 10;
    return line.substr(start, line.find('}', start) - start + 1);
}

int IntField(const std::string& json, const std::string& key) {
    std::smatch m;
    if (!std::regex_search(json, m, std::regex("\"" + key + "\":(-?[0-9]+)"))) return -999999;
    return std::stoi(m[1]);
}

// Player in column 2, an L-block (raised quarter towards the player) in
// columns 3-4, an exit on the far right.
const std::vector<std::string> kLiftFloor = {
    "........................................",
    "........................................",
    "........................................",
    "..P...........................E.........",
    "...L....................................",
    "########################################",
};

std::string WriteFloors(const std::string& name, const std::vector<test::FloorRecord>& floors) {
    return test::WriteTemp(name, test::FloorFileBytes(floors));
}

TEST(SimSummary, ADemoThatReachesTheExitEndsOnTheClearingStep) {
    // 28 columns to walk: one step to face right, then 4 steps a column.
    auto f = test::FloorFromRows({
        "........................................",
        "..P...........................E.........",
        "........................................",
        "########################################",
    }, 0, Bytes("R"));
    f.demo = std::vector<uint8_t>(200, 1);
    const auto path = WriteFloors("sim_clear.dat", {f});
    const SimRun run = RunSim({"--floors", path, "--floor", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.lines.size(), 1u);
    // Reaching x 480 takes 28 * 4 steps; the frame rules of the next step clear.
    EXPECT_EQ(run.lines[0], "{\"result\":0,\"steps\":113}");
}

TEST(SimSummary, WithoutAResultItStopsAfterTheReplayAndTwoThousandSteps) {
    const auto path = WriteFloors("sim_idle.dat", {test::FloorFromRows(kLiftFloor, 0, Bytes("..."))});
    SimRun run = RunSim({"--floors", path, "--floor", "1"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.lines[0], "{\"result\":255,\"steps\":2013}");
    run = RunSim({"--floors", path, "--floor", "1", "--steps", "7"});
    EXPECT_EQ(run.lines[0], "{\"result\":255,\"steps\":7}");
}

TEST(SimTrace, OneLinePerStepWithTheFixedKeysInOrder) {
    const auto path = WriteFloors("sim_keys.dat", {test::FloorFromRows(kLiftFloor)});
    const SimRun run = RunSim({"--floors", path, "--floor", "1", "--steps", "3", "--trace"});
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 4u);
    const std::vector<std::string> top = {"step", "scrollY", "result", "replayPos", "idle", "rightHold",
                                          "leftHold", "held", "liftOrigin", "sounds", "actors"};
    const std::vector<std::string> actor = {"kind", "cell", "alive", "x", "y", "oldX", "oldY", "vx", "vy",
                                            "command", "fallStep", "width", "height", "dir", "frame", "timer",
                                            "substep", "update"};
    for (size_t i = 0; i < run.lines.size(); ++i) {
        const std::string& line = run.lines[i];
        EXPECT_EQ(line.find(' '), std::string::npos);
        EXPECT_EQ(TopLevelKeys(line), top);
        EXPECT_EQ(TopLevelKeys(FirstActor(line)), actor);
        EXPECT_EQ(IntField(line, "step"), static_cast<int>(i));
    }
    // Step 0 is the floor as populated: the player first, spawned from cell 3*40+2.
    EXPECT_EQ(run.lines[0].substr(0, 150),
              std::string("{\"step\":0,\"scrollY\":0,\"result\":255,\"replayPos\":0,\"idle\":0,\"rightHold\":4,"
                          "\"leftHold\":4,\"held\":-1,\"liftOrigin\":[0,0],\"sounds\":[],\"actors\":[{\"kind\":1,"
                          "\"cell\":122,\"alive\":1,\"x\":32,\"y\":48,")
                  .substr(0, 150));
    EXPECT_NE(run.lines[0].find("\"update\":\"PlayerWalk\"}"), std::string::npos);
    EXPECT_NE(run.lines[1].find("\"update\":\"LBlockRest\"}"), std::string::npos);
}

TEST(SimTrace, HeldIsMinusOneUntilALiftCompletesAndSoundsAreListed) {
    const auto path = WriteFloors("sim_lift.dat", {test::FloorFromRows(kLiftFloor, 0, Bytes("RA"))});
    const SimRun run = RunSim({"--floors", path, "--floor", "1", "--steps", "20", "--trace"});
    ASSERT_EQ(run.status, 0);
    int firstHeld = -1;
    for (size_t i = 0; i < run.lines.size(); ++i) {
        const int held = IntField(run.lines[i], "held");
        if (held != -1 && firstHeld < 0) {
            firstHeld = static_cast<int>(i);
            EXPECT_EQ(held, 1);  // the block is second in the list
        }
    }
    // Step 2 grabs (sound 5) and makes the first of four steps up; then one
    // still and two sideways.
    EXPECT_NE(run.lines[2].find("\"sounds\":[5]"), std::string::npos);
    EXPECT_NE(run.lines[2].find("\"liftOrigin\":[48,48]"), std::string::npos);
    EXPECT_EQ(firstHeld, 2 + (4 + 1 + 2) - 1);
    EXPECT_NE(run.lines[firstHeld].find("\"update\":\"PlayerCarry\""), std::string::npos);
}

TEST(SimTrace, PicturesHaveNoUpdateAndExtraSpawnsCanBeTurnedOff) {
    auto f = test::FloorFromRows({"P...C....S", "##########"});
    f.objects[5] = KIND_PROP_32x64;
    const auto path = WriteFloors("sim_props.dat", {f});
    SimRun run = RunSim({"--floors", path, "--floor", "1", "--steps", "1", "--trace"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.lines[0].find("\"kind\":8,"), std::string::npos);
    EXPECT_NE(run.lines[0].find("\"update\":null}"), std::string::npos);
    EXPECT_NE(run.lines[0].find("\"kind\":5,"), std::string::npos);
    EXPECT_NE(run.lines[0].find("\"update\":\"SpawnerTick\""), std::string::npos);
    run = RunSim({"--floors", path, "--floor", "1", "--steps", "1", "--trace", "--no-extra-spawns"});
    EXPECT_EQ(run.lines[0].find("\"kind\":5,"), std::string::npos);
    EXPECT_EQ(run.lines[0].find("\"kind\":14,"), std::string::npos);
}

TEST(SimTrace, TheSameFloorAndCommandsGiveIdenticalTraces) {
    auto f = test::FloorFromRows({
        "........................................",
        "........................................",
        "..P.....B..........L......S.......J.....",
        "........................................",
        "########################################",
    }, 0, Bytes(Repeat('R', 60) + "A" + Repeat('L', 40)));
    const auto path = WriteFloors("sim_same.dat", {f});
    const SimRun a = RunSim({"--floors", path, "--floor", "1", "--steps", "700", "--trace"});
    const SimRun b = RunSim({"--floors", path, "--floor", "1", "--steps", "700", "--trace"});
    ASSERT_EQ(a.status, 0);
    EXPECT_GT(a.lines.size(), 10u);
    EXPECT_EQ(a.lines, b.lines);
}

TEST(SimCommands, ACommandFileReplacesTheDemo) {
    const auto path = WriteFloors("sim_cmd.dat", {test::FloorFromRows(kLiftFloor, 0, Bytes("LLLLLLLL"))});
    const auto commands = test::WriteTemp("sim_cmd.bin", Bytes("...."));
    const SimRun run = RunSim({"--floors", path, "--floor", "1", "--commands", commands, "--steps", "30", "--trace"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(IntField(run.lines.back(), "replayPos"), 4 + 9);  // 4 bytes + 10 zeros
    EXPECT_EQ(IntField(FirstActor(run.lines.back()), "x"), 32);  // the demo's Left was not used
    const SimRun summary = RunSim({"--floors", path, "--floor", "1", "--commands", commands});
    EXPECT_EQ(summary.lines[0], "{\"result\":255,\"steps\":2014}");
}

TEST(SimCommands, TheCharacterChoosesTheClearJingle) {
    auto f = test::FloorFromRows({"..........", ".P.E......", "..........", "##########"});
    f.demo = std::vector<uint8_t>(20, 1);
    const auto path = WriteFloors("sim_jingle.dat", {f});
    const SimRun run = RunSim({"--floors", path, "--floor", "1", "--character", "1", "--trace"});
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.lines.back().find("\"result\":0,"), std::string::npos);
    EXPECT_NE(run.lines.back().find("\"sounds\":[8]"), std::string::npos);
}

TEST(SimErrors, ARefusedFloorOrAnOverlongCommandFileEndsWithStatusTwo) {
    const auto good = WriteFloors("sim_err.dat", {test::FloorFromRows(kLiftFloor)});
    SimRun run = RunSim({"--floors", "/nonexistent/floor.dat", "--floor", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(run.err.empty());
    EXPECT_TRUE(run.lines.empty());
    run = RunSim({"--floors", good, "--floor", "58"});
    EXPECT_EQ(run.status, 2);
    auto bytes = test::FloorFileBytes({test::FloorFromRows(kLiftFloor)});
    test::PatchInt32(bytes, test::RecordPosition(bytes, 1), 121);
    run = RunSim({"--floors", test::WriteTemp("sim_bad_rows.dat", bytes), "--floor", "1"});
    EXPECT_EQ(run.status, 2);

    const auto longest = test::WriteTemp("sim_longest.bin", std::vector<uint8_t>(kMaxDemoLength, 0));
    run = RunSim({"--floors", good, "--floor", "1", "--commands", longest, "--steps", "1"});
    EXPECT_EQ(run.status, 0);
    const auto tooLong = test::WriteTemp("sim_too_long.bin", std::vector<uint8_t>(kMaxDemoLength + 1, 0));
    run = RunSim({"--floors", good, "--floor", "1", "--commands", tooLong, "--steps", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("49990"), std::string::npos);
    EXPECT_TRUE(run.lines.empty());
}

TEST(SimErrors, CommandFilesAndFloorFilesThatAreNotRegularFilesAreRefusedUnread) {
    const auto good = WriteFloors("sim_files.dat", {test::FloorFromRows(kLiftFloor)});
    const std::string folder = (std::filesystem::temp_directory_path() / "quorrel_sim_folder").string();
    std::filesystem::create_directories(folder);
    for (const std::string& commands : {folder, std::string("/dev/zero")}) {
        const SimRun run = RunSim({"--floors", good, "--floor", "1", "--commands", commands, "--steps", "1"});
        EXPECT_EQ(run.status, 2) << commands;
        EXPECT_NE(run.err.find("cannot read"), std::string::npos) << commands;
        EXPECT_TRUE(run.lines.empty());
    }
    // Huge but sparse: its size alone refuses it.
    const std::string huge = (std::filesystem::temp_directory_path() / "quorrel_sim_huge.bin").string();
    { std::ofstream(huge, std::ios::binary).put('\0'); }
    std::filesystem::resize_file(huge, uint64_t(4) << 30);
    SimRun run = RunSim({"--floors", good, "--floor", "1", "--commands", huge, "--steps", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("49990"), std::string::npos);
    std::filesystem::remove(huge);
    run = RunSim({"--floors", folder, "--floor", "1"});
    EXPECT_EQ(run.status, 2);
    std::filesystem::remove_all(folder);
}

TEST(SimErrors, TheCommandLineNeedsAFloorFileAndANumberAndNamesWhatIsWrong) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> misuses = {
        {{"--floor", "1"}, "--floors"},
        {{"--floors", "x"}, "--floor"},
        {{"--floors", "x", "--floor", "one"}, "--floor"},
        {{"--floors", "x", "--floor", "58"}, "--floor"},
        {{"--floors", "x", "--floor", "1", "--character", "3"}, "--character"},
        {{"--floors", "x", "--floor", "1", "--steps", "-1"}, "--steps"},
        {{"--floors", "x", "--floor", "1", "--bogus"}, "--bogus"},
        {{"--floors", "x", "--replay", "r.qrp", "--character", "1"}, "--replay"},
    };
    for (const auto& [args, named] : misuses) {
        const SimRun run = RunSim(args);
        EXPECT_EQ(run.status, 2) << named;
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace q
