#pragma once
// A world and a working folder for play-flow tests: the scenes run through the
// real scene table, a frame drawn (nothing reaches a screen) then updated, as
// the game's frame does.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/scene_table.hpp"
#include "frontend/frontend.hpp"
#include "platform/backend.hpp"
#include "platform/keyboard.hpp"
#include "platform/core/settings.hpp"
#include "platform/sound.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "support/floor_dat.hpp"
#include "world/actor_pool.hpp"
#include "world/world.hpp"

namespace q::test {

class PlayFlowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        SelectBackend(BackendKind::Headless);
        headless::ReleaseAllKeys();
        InitKeyBindings();
        SetChasersEnabled(true);
        world_ = std::make_unique<World>();
        InitActorPool(*world_);
        SetGameWorld(world_.get());
        InitPlayGlobals();
        ResetPlayState();

        oldDir_ = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "quorrel-play-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        ASSERT_NE(mkdtemp(buffer.data()), nullptr);
        dir_ = buffer.data();
        std::filesystem::current_path(dir_);
        // As the title's start item leaves it, so the screen can run.
        InitCharacterWheel();
        InitPortraits();
        SetScene(SCENE_CHARACTER_SELECT);
    }

    void TearDown() override {
        ReleaseAllActors(*world_);
        SetGameWorld(nullptr);
        headless::ReleaseAllKeys();
        std::filesystem::current_path(oldDir_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        SetScene(SCENE_IDLE);
    }

public:
    World& W() { return *world_; }

    void WriteFloors(const FloorDat& dat) { ASSERT_TRUE(WriteFile("floor.dat", dat.Build())); }

    void Key(int32_t vk, bool down) { headless::SetKey(vk, down); }

    // One frame of the current scene: draw, then update with fresh sound
    // requests. Returns the sounds the update requested.
    std::set<int> Frame() {
        const int scene = CurrentScene();
        GameScenes.draw[scene]();
        ClearSoundRequests();
        GameScenes.update[CurrentScene()]();
        std::set<int> sounds;
        for (int n = 0; n < kSoundSlots; ++n) {
            if (SoundRequested(n)) sounds.insert(n);
        }
        return sounds;
    }

    // Runs frames until the scene changes; returns how many ran (the frame
    // that changed it included), or -1 after `limit` frames.
    int FramesUntilSceneLeaves(int limit = 2000) {
        const int scene = CurrentScene();
        for (int i = 1; i <= limit; ++i) {
            Frame();
            if (CurrentScene() != scene) return i;
        }
        return -1;
    }

    // Runs frames until `scene` is current; false after `limit` frames.
    bool RunUntilScene(int scene, int limit = 2000) {
        for (int i = 0; i < limit && CurrentScene() != scene; ++i) Frame();
        return CurrentScene() == scene;
    }

    Actor* Player() { return FindPlayer(*world_); }

private:
    std::unique_ptr<World> world_;
    std::filesystem::path oldDir_;
    std::string dir_;
};

}  // namespace q::test
