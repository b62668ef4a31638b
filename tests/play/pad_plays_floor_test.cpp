// A pad alone, with no key touched, takes the character screen and plays the
// project's first floor to its exit: each logic step the pad holds what the
// floor's own demo holds in that step, by the stick and the d-pad in turn.
#include <SDL.h>

#include <memory>

#include "floors/floors_fixture.hpp"
#include "platform/pads.hpp"
#include "play/play_helpers.hpp"
#include "support/virtual_pad.hpp"
#include "world/floor.hpp"

namespace q {
namespace {

class PadPlaysFloor : public test::PlayFlowFixture {
protected:
    void SetUp() override {
        PlayFlowFixture::SetUp();
        ASSERT_TRUE(StartPads()) << SDL_GetError();
    }
    void TearDown() override {
        StopPads();
        PlayFlowFixture::TearDown();
    }
};

// Holds the direction of a demo command on the pad: even steps by the
// stick, odd ones by the d-pad, so both carry the player.
void HoldCommand(test::VirtualPad& pad, int command, int index) {
    pad.Release();
    const bool stick = index % 2 == 0;
    const int lean = 30000;
    switch (command) {
    case CMD_RIGHT: stick ? pad.Stick(lean, 0) : pad.Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true); break;
    case CMD_LEFT: stick ? pad.Stick(-lean, 0) : pad.Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true); break;
    case CMD_DOWN: stick ? pad.Stick(0, lean) : pad.Button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true); break;
    case CMD_UP: stick ? pad.Stick(0, -lean) : pad.Button(SDL_CONTROLLER_BUTTON_DPAD_UP, true); break;
    case CMD_ACTION: pad.Button(SDL_CONTROLLER_BUTTON_A, true); break;
    default: break;
    }
}

TEST_F(PadPlaysFloor, AVirtualPadPlaysFloorOneToItsExit) {
    const test::ToolRun compiled = test::RunTool(
        floors::RunCompile, {"--sources", std::string(QUORREL_SOURCE_DIR) + "/assets/floors", "--out", "floor.dat"});
    ASSERT_EQ(compiled.code, 0) << compiled.err;
    auto demo = std::make_unique<World>();
    ASSERT_EQ(LoadFloor(*demo, 1, "floor.dat"), 1);
    const int demoLength = demo->replayLength - 10;
    ASSERT_GT(demoLength, 0);

    test::VirtualPad pad;
    Session().floorNumber = 1;
    Frame();  // the pad is picked up with nothing held
    pad.Button(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_EQ(FramesUntilSceneLeaves(100) > 0, true) << "the south button confirms the character";
    ASSERT_TRUE(RunUntilScene(SCENE_PLAY)) << "scene " << CurrentScene();
    pad.Release();

    int steps = 0;
    for (int frame = 0; CurrentScene() == SCENE_PLAY && frame < 4 * demoLength; ++frame) {
        if (Session().logicPhase == 0) {
            // What the demo holds in this step; nothing once it is done.
            const int command = steps < demoLength ? int{demo->replayBuffer[static_cast<size_t>(steps)]} : int{CMD_NONE};
            HoldCommand(pad, command, steps);
            ++steps;
        }
        Frame();
    }
    EXPECT_EQ(CurrentScene(), SCENE_RESULT);
    EXPECT_EQ(W().playResult, PLAY_RESULT_CLEARED);
    EXPECT_EQ(Session().floorNumber, 1);
    EXPECT_LE(steps, demoLength) << "cleared on the demo's own commands";
}

}  // namespace
}  // namespace q
