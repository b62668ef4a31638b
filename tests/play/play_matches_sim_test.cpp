// The game's play scene and quorrel-sim step the same world: on the same
// floor and commands they print the same trace, line for line.
#include <sstream>

#include "play/play_helpers.hpp"
#include "sim/sim.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using PlayMatchesSim = test::PlayFlowFixture;

std::vector<uint8_t> Bytes(const std::string& script) {
    std::vector<uint8_t> out;
    for (char c : script) out.push_back(static_cast<uint8_t>(test::CommandForChar(c)));
    return out;
}

TEST_F(PlayMatchesSim, ADemoReplayedInThePlaySceneTracesAsTheSimulatorDoes) {
    // The player drops down a shaft (the view follows), lifts the block,
    // carries it back and puts it down.
    std::vector<std::string> rows(40);
    rows[5] = "#.P";
    rows[36] = "#.....L";
    rows[37] = std::string(40, '#');
    const std::string script = std::string(125, '.') + "RRRRRRRRRRRRA" + std::string(12, '.') + "LLLLLLLLLLLL" +
                               "A" + std::string(12, '.') + "RRRRRRRR";
    test::FloorDat dat;
    dat.Set(1, test::FloorFromRows(rows, 0, Bytes(script)));
    WriteFloors(dat);

    const int steps = 240;
    sim::Options options;
    options.floorsPath = "floor.dat";
    options.floor = 1;
    options.steps = steps;
    options.trace = true;
    std::ostringstream out, err;
    ASSERT_EQ(sim::Run(options, out, err), sim::kExitOk) << err.str();
    std::vector<std::string> simLines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) simLines.push_back(line);
    ASSERT_EQ(simLines.size(), static_cast<size_t>(steps + 1));

    Session().playMode = PLAY_MODE_REPLAY;
    ASSERT_EQ(StartPlay(), 1);
    ASSERT_TRUE(RunUntilScene(SCENE_PLAY));
    EXPECT_EQ(sim::TraceLine(W(), 0, 0), simLines[0]);
    int step = 0;
    bool heldSeen = false;
    while (step < steps && CurrentScene() == SCENE_PLAY) {
        const bool logicFrame = Session().logicPhase == 0;
        const std::set<int> sounds = Frame();
        if (!logicFrame) continue;
        ++step;
        uint32_t mask = 0;
        for (int n : sounds) mask |= 1u << n;
        ASSERT_EQ(sim::TraceLine(W(), step, mask), simLines[static_cast<size_t>(step)]) << "step " << step;
        heldSeen = heldSeen || W().heldActor != kNoActor;
    }
    EXPECT_EQ(step, steps);
    EXPECT_TRUE(heldSeen) << "the run lifted the block";
    EXPECT_GT(W().scrollY, 0) << "the view followed the player down";
}

}  // namespace
}  // namespace q
