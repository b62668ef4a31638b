// The action key chosen on the key configuration screen is the one that
// lifts a block in play.
#include <gtest/gtest.h>

#include "support/headless_run.hpp"

namespace q::test {
namespace {

constexpr int kLiftSound = 5;
constexpr int kPlayBegun = 230;

// The player stands between two L-blocks; it starts facing the viewer, so a
// short Right turns it toward the right-hand block without a step.
FloorRecord BlockBesidePlayerFloor() {
    std::vector<std::string> map(31);
    map[10] = "..L.PL";
    map[12] = std::string(40, '#');
    return FloorFromRows(map);
}

class KeyConfigActionE2E : public ::testing::Test {
protected:
    void SetUp() override {
        FloorDat dat;
        dat.SetAll(1, 56, BlockBesidePlayerFloor());
        dir.WriteFloors(dat);
    }
    // Starts a game (after choosing Shift on the key screen when asked), turns
    // the player to the block, then presses each key in turn 40 frames apart.
    HeadlessRun Play(bool rebindToShift, std::initializer_list<const char*> keys) {
        Script s;
        if (rebindToShift) s.Tap(30, "Up").Tap(32, "Up").Tap(60, "Enter").Tap(65, "Right").Tap(70, "Enter");
        s.Tap(100, "Enter").Tap(110, "Enter");
        s.Down(kPlayBegun, "Right").Up(kPlayBegun + 3, "Right");
        int frame = kPlayBegun + 10;
        for (const char* key : keys) {
            s.Down(frame, key).Up(frame + 4, key);
            frame += 40;
        }
        const HeadlessRun run = dir.Run(s.Text(), frame);
        EXPECT_EQ(run.frames.size(), static_cast<size_t>(frame)) << run.stderrText;
        if (run.frames.size() == static_cast<size_t>(frame)) {
            EXPECT_EQ(run.frames[kPlayBegun - 1].scene, SCENE_PLAY) << "play has begun";
            if (rebindToShift) {
                EXPECT_EQ(run.frames[60].scene, SCENE_KEY_CONFIG);
            }
        }
        return run;
    }
    // Whether the lift sound was heard in the 40 frames after press `n`.
    static bool LiftAfterPress(const HeadlessRun& run, int n) {
        const int from = kPlayBegun + 10 + 40 * n;
        for (int f = from; f < from + 40 && f < static_cast<int>(run.frames.size()); ++f)
            if (run.frames[f].Played(kLiftSound)) return true;
        return false;
    }
    GameFolder dir;
};

TEST_F(KeyConfigActionE2E, SpaceLiftsByDefault) {
    const HeadlessRun run = Play(false, {"Space"});
    EXPECT_TRUE(LiftAfterPress(run, 0));
}

TEST_F(KeyConfigActionE2E, ReboundToShiftSpaceNoLongerLiftsAndShiftDoes) {
    const HeadlessRun run = Play(true, {"Space", "Shift"});
    EXPECT_FALSE(LiftAfterPress(run, 0)) << "Space";
    EXPECT_TRUE(LiftAfterPress(run, 1)) << "Shift";
}

}  // namespace
}  // namespace q::test
