// A floor played with recording on is kept as a replay, and watching it
// (quorrel --replay) steps the same world as the live play did, step for
// step, as quorrel-sim --replay does too.
#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

#include "play/play_helpers.hpp"
#include "play/replay_run.hpp"
#include "play/run_recorder.hpp"
#include "sim/sim.hpp"
#include "world/replay_file.hpp"

namespace q {
namespace {

namespace fs = std::filesystem;

// The first step whose traces differ, so a failure shows one step, not all.
void ExpectSameSteps(const std::vector<std::string>& got, const std::vector<std::string>& want, const char* what) {
    EXPECT_EQ(got.size(), want.size()) << what;
    for (size_t i = 0; i < std::min(got.size(), want.size()); ++i) {
        if (got[i] == want[i]) continue;
        ADD_FAILURE() << what << ", step " << i + 1 << ":\n" << got[i] << "\n" << want[i];
        return;
    }
}

class ReplayRunTest : public test::PlayFlowFixture {
protected:
    void TearDown() override {
        SetRecordFolder(nullptr);
        StopWatchingRun();
        test::PlayFlowFixture::TearDown();
    }

    // Plays the scene until it leaves play, keys from `script` one logic
    // step each ('R', 'L' held, 'A' a press of the action key, '.' none),
    // the live end given by `leaveAfter` steps (0: play to a result). The
    // trace of every step, without the replay cursor, which only replay moves.
    std::vector<std::string> PlaySteps(const std::string& script, size_t leaveAfter) {
        std::vector<std::string> trace;
        const std::regex cursor("\"replayPos\":[0-9]+,");
        while (CurrentScene() == SCENE_PLAY) {
            if (leaveAfter && trace.size() == leaveAfter) {
                ReturnToTitle();
                break;
            }
            const size_t step = trace.size();
            const char c = step < script.size() ? script[step] : '.';
            const bool logicFrame = Session().logicPhase == 0;
            if (logicFrame) {
                Key(KEY_RIGHT, c == 'R');
                Key(KEY_LEFT, c == 'L');
                Key(KEY_SPACE, c == 'A');
            }
            Frame();
            // A watched run ends in the logic frame after its last step, without a step.
            if (logicFrame && CurrentScene() != SCENE_TITLE) trace.push_back(std::regex_replace(sim::TraceLine(W(), int64_t(step + 1), 0), cursor, ""));
        }
        headless::ReleaseAllKeys();
        return trace;
    }
};

TEST_F(ReplayRunTest, ALeftFloorKeptAndWatchedStepsAsItWasPlayedAndAsTheSimulatorSteps) {
    // The player drops down a shaft, lifts the block, carries it back and
    // puts it down; the floor is left for the title after 200 steps.
    std::vector<std::string> rows(40);
    rows[5] = "#.P";
    rows[36] = "#.....L";
    rows[37] = std::string(40, '#');
    test::FloorDat dat;
    dat.SetAll(1, 57, test::FloorFromRows(rows, 0));
    WriteFloors(dat);
    const std::string script =
        std::string(125, '.') + "RRRRRRRRRRRRA" + std::string(12, '.') + "LLLLLLLLLLLL" + "A" + std::string(12, '.');

    SetRecordFolder("kept");
    SetPlayMode(PLAY_MODE_NORMAL);
    ASSERT_EQ(StartPlay(), 1);
    ASSERT_TRUE(RunUntilScene(SCENE_PLAY));
    const std::vector<std::string> live = PlaySteps(script, 200);
    ASSERT_EQ(live.size(), 200u);
    EXPECT_NE(W().heldActor, kNoActor) << "the run lifted the block";
    EXPECT_EQ(CurrentScene(), SCENE_TITLE);

    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator("kept")) kept.push_back(entry.path());
    ASSERT_EQ(kept.size(), 1u);
    Replay run;
    ASSERT_EQ(ReadReplayFile(kept[0].string().c_str(), &run), ReplayRefusal::None);
    EXPECT_EQ(run.header.floor, 1);
    EXPECT_EQ(run.header.steps, 200);
    EXPECT_EQ(run.header.character, Session().character);
    EXPECT_EQ(run.header.chasers, 1);

    // Watched as quorrel --replay watches it, in a world fresh from start-up:
    // the last lift's origin is never cleared between floors (only read
    // after a lift on the same floor has set it), so it would stand out.
    W().liftOriginX = W().liftOriginY = 0;
    // Watched with another character and the chasers off: the run's own are used.
    SetCharacter(2);
    SetChasersEnabled(false);
    SetRunToWatch(run);
    ASSERT_TRUE(StartWatchingRun());
    ASSERT_TRUE(RunUntilScene(SCENE_PLAY));
    const std::vector<std::string> watched = PlaySteps("", 0);
    ExpectSameSteps(watched, live, "watched in the game");
    EXPECT_EQ(CurrentScene(), SCENE_TITLE) << "once its steps are played";
    EXPECT_EQ(Session().character, 2) << "the player's choices come back";
    EXPECT_FALSE(ChasersEnabled());
    EXPECT_EQ(Session().playMode, PLAY_MODE_NORMAL);
    EXPECT_EQ(std::distance(fs::directory_iterator("kept"), fs::directory_iterator()), 1)
        << "a watched run is not recorded again";

    sim::Options options;
    options.floorsPath = "floor.dat";
    options.replayPath = kept[0].string();
    options.trace = true;
    std::ostringstream out, err;
    ASSERT_EQ(sim::Run(options, out, err), sim::kExitOk) << err.str();
    std::vector<std::string> simLines;
    std::istringstream in(out.str());
    const std::regex cursor("\"replayPos\":[0-9]+,"), sounds("\"sounds\":\\[[0-9,]*\\]");
    for (std::string line; std::getline(in, line);)
        simLines.push_back(std::regex_replace(std::regex_replace(line, cursor, ""), sounds, "\"sounds\":[]"));
    ASSERT_EQ(simLines.size(), live.size() + 1);
    simLines.erase(simLines.begin());
    ExpectSameSteps(simLines, live, "played by quorrel-sim");
}

}  // namespace
}  // namespace q
