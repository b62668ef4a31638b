// The whole game, run in this process on the headless back end with the real
// data.dat, goes through every scene while every atlas rectangle it draws is
// recorded. The game draws only pictures of its atlas layout; this checks the
// painting: everything drawn shows painted pixels, and every picture of the
// layout turns up somewhere on the tour.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/game.hpp"
#include "assets/atlas.hpp"
#include "assets/game_data.hpp"
#include "platform/core/atlas_image.hpp"
#include "frontend/menu.hpp"
#include "platform/core/archive.hpp"
#include "platform/core/atlas_layout.hpp"
#include "platform/backend.hpp"
#include "platform/keyboard.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"
#include "support/data_dat.hpp"
#include "support/floor_dat.hpp"

namespace q::assets {
namespace {

constexpr int kAtlasSide = atlas::kSide;
// Frames to wait for a scene change after a confirm before giving up.
constexpr int kPatience = 400;

using RectKey = std::tuple<int32_t, int32_t, int32_t, int32_t>;

// A floor showing every kind of object and every tile number. The player
// stands in a walled pen on the left with a light block beside it and an exit
// further on; creatures roam the right-hand side where they cannot reach it.
test::FloorRecord ShowcaseFloor() {
    const int rows = 40;
    std::vector<std::string> map(rows);
    for (int r = 28; r < 38; ++r) map[static_cast<size_t>(r)] = "#.........#";
    map[36] = "#P.L....E.#";
    map[38] = std::string(40, '#');
    map[39] = std::string(40, '#');
    map[27] = std::string(11, '#');
    test::FloorRecord f = test::FloorFromRows(map, rows - 30, std::vector<uint8_t>(200, 1));
    auto put = [&f](int row, int col, int kind) { f.objects[static_cast<size_t>(row * 40 + col)] = static_cast<int8_t>(kind); };
    auto tile = [&f](int row, int col, int t) { f.tiles[static_cast<size_t>(row * 40 + col)] = static_cast<int8_t>(t); };
    // The creatures' ground, with a ladder to climb.
    put(36, 14, 4);   // builder
    put(36, 30, 5);   // chaser
    put(36, 22, 14);  // chaser spawner
    put(36, 17, 3);
    put(36, 26, 12);  // heavy blocks
    put(36, 34, 13);
    for (int r = 30; r < 38; ++r) tile(r, 38, 24);
    // Props, the lock and a pickup up on ledges.
    for (int c = 12; c < 40; ++c) tile(26, c, 30);
    put(24, 12, 6);
    put(25, 16, 7);
    put(22, 18, 8);
    put(21, 22, 9);
    put(24, 27, 10);
    put(25, 30, 11);
    // Every tile number once, high up where nothing walks.
    for (int t = 0; t < 32; ++t) tile(3 + (t / 16) * 3, 4 + (t % 16) * 2, t);
    return f;
}

class Tour {
public:
    void Frame() {
        int exitCode = 0;
        ended_ = ended_ || GameLoopStep(&exitCode);
        int count = 0;
        const DrawCall* calls = RecordedDraws(&count);
        for (int i = 0; i < count; ++i) {
            const Rect& s = calls[i].src;
            drawn_[RectKey{s.left, s.top, s.right, s.bottom}] = CurrentScene();
        }
        ClearRecordedDraws();
        scenes_.insert(CurrentScene());
        if (visits_.empty() || visits_.back().second != CurrentScene()) visits_.push_back({frames_, CurrentScene()});
        for (int n : headless::TakePlayedSounds()) sounds_.insert(n);
        if (CurrentScene() == SCENE_PLAY) characters_.insert(Session().character);
        ++frames_;
    }
    void Frames(int n) {
        for (int i = 0; i < n && !ended_; ++i) Frame();
    }
    void Hold(int32_t key, int frames) {
        headless::SetKey(key, true);
        Frames(frames);
        headless::SetKey(key, false);
        Frame();
    }
    // Held for two frames, so play, which reads keys every other frame, sees it.
    void Tap(int32_t key, int times = 1, int gap = 2) {
        for (int i = 0; i < times; ++i) {
            headless::SetKey(key, true);
            Frames(2);
            headless::SetKey(key, false);
            Frames(gap);
        }
    }
    // Taps `key` until the scene becomes `scene`.
    bool PressUntil(int32_t key, int scene) {
        for (int waited = 0; waited < kPatience && !ended_; waited += 4) {
            if (CurrentScene() == scene) return true;
            Tap(key, 1, 2);
        }
        return CurrentScene() == scene;
    }
    bool WaitFor(int scene) {
        for (int waited = 0; waited < kPatience * 4 && !ended_ && CurrentScene() != scene; ++waited) Frame();
        return CurrentScene() == scene;
    }
    // Moves a menu's cursor to `item`, then confirms until `scene` shows.
    bool Choose(Menu& menu, int item, int scene) {
        for (int i = 0; i < 2 * menu.itemCount && menu.cursor != item; ++i) Tap(KEY_DOWN, 1, 3);
        return menu.cursor == item && PressUntil(KEY_ENTER, scene);
    }

    const std::map<RectKey, int>& Drawn() const { return drawn_; }
    const std::set<int>& Scenes() const { return scenes_; }
    const std::set<int>& Sounds() const { return sounds_; }
    const std::set<int>& Characters() const { return characters_; }
    bool Ended() const { return ended_; }
    // The scenes visited so far, "frame:scene ...", for failure messages.
    std::string Trace() const {
        std::string out;
        for (const auto& [frame, scene] : visits_) out += std::to_string(frame) + ":" + std::to_string(scene) + " ";
        return out;
    }

private:
    std::map<RectKey, int> drawn_;  // rectangle -> a scene that drew it
    std::set<int> scenes_, sounds_, characters_;
    std::vector<std::pair<int, int>> visits_;
    int frames_ = 0;
    bool ended_ = false;
};

// A working folder with the real data.dat, a config and the floors; the
// process works in it while the test runs.
class GameFolder {
public:
    GameFolder() {
        saved_ = std::filesystem::current_path();
        path_ = std::filesystem::temp_directory_path() / ("quorrel-coverage-" + std::to_string(getpid()));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~GameFolder() {
        std::error_code ignored;
        std::filesystem::current_path(saved_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path saved_, path_;
};

std::string Describe(const RectKey& r) {
    return "(" + std::to_string(std::get<0>(r)) + ", " + std::to_string(std::get<1>(r)) + ", " +
           std::to_string(std::get<2>(r)) + ", " + std::to_string(std::get<3>(r)) + ")";
}

TEST(Coverage, EveryPictureTheGameDrawsIsPaintedInTheAtlas) {
    GameFolder folder;
    std::string error;
    ASSERT_TRUE(WriteGameData(folder.Path(), &error, nullptr)) << error;
    ASSERT_TRUE(test::WriteFile(folder.Path() + "/config.dat", test::PointFilterConfigDat()));
    test::FloorDat floors;
    floors.Set(1, ShowcaseFloor());
    floors.Set(2, test::WalkRightFloor());
    floors.SetAll(55, 56, test::WalkRightFloor());
    floors.Set(57, test::FloorFromRows(std::vector<std::string>(33), 2));
    ASSERT_TRUE(test::WriteFile(folder.Path() + "/floor.dat", floors.Build()));

    SelectBackend(BackendKind::Headless);
    headless::ReleaseAllKeys();
    headless::ClearMessageBoxes();
    ASSERT_TRUE(StartGame());
    // The atlas as the game loaded it from the data.dat just built.
    uint32_t pngSize = 0;
    const uint8_t* pngBytes = ArchiveEntry(0, &pngSize);
    ASSERT_NE(pngBytes, nullptr);
    const std::vector<uint8_t> png(pngBytes, pngBytes + pngSize);
    StartDrawRecording();
    Tour tour;
    tour.Frames(40);
    ASSERT_EQ(CurrentScene(), SCENE_TITLE);
    EXPECT_TRUE(headless::MessageBoxes().empty()) << "start-up with the built data.dat: " << headless::MessageBoxes()[0];

    // The screens reached from the title, each shown in all its states.
    ASSERT_TRUE(tour.Choose(Menus().main, 3, SCENE_OPTIONS)) << tour.Trace();
    for (int row = 0; row < 7; ++row) {
        tour.Tap(KEY_RIGHT, 2, 4);
        tour.Tap(KEY_DOWN, 1, 4);
    }
    ASSERT_TRUE(tour.PressUntil(KEY_ENTER, SCENE_TITLE)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().main, 5, SCENE_KEY_CONFIG)) << tour.Trace();
    tour.Tap(KEY_RIGHT, 28, 3);
    ASSERT_TRUE(tour.PressUntil(KEY_ENTER, SCENE_TITLE)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().main, 6, SCENE_HELP)) << tour.Trace();
    tour.Tap(KEY_RIGHT, 15, 30);
    ASSERT_TRUE(tour.PressUntil(KEY_ENTER, SCENE_TITLE)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().main, 2, SCENE_QUIT_PROMPT)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().quit, 0, SCENE_TITLE)) << tour.Trace();
    tour.Frames(40);

    // A game on the showcase floor: sleep, the map view, pause, a lift, a retry.
    ASSERT_TRUE(tour.Choose(Menus().main, 0, SCENE_CHARACTER_SELECT)) << tour.Trace();
    tour.Frames(20);
    ASSERT_TRUE(tour.PressUntil(KEY_ENTER, SCENE_FLOOR_INTRO)) << tour.Trace();
    ASSERT_TRUE(tour.WaitFor(SCENE_PLAY)) << tour.Trace();
    tour.Frames(2 * 400 + 40);
    tour.Tap(KEY_CTRL);
    ASSERT_EQ(CurrentScene(), SCENE_MAP_VIEW);
    tour.Hold(KEY_UP, 90);
    tour.Hold(KEY_DOWN, 90);
    ASSERT_TRUE(tour.PressUntil(KEY_CTRL, SCENE_MAP_RETURN)) << tour.Trace();
    ASSERT_TRUE(tour.WaitFor(SCENE_PLAY)) << tour.Trace();
    ASSERT_TRUE(tour.PressUntil(KEY_ESCAPE, SCENE_PAUSE)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().pause, 0, SCENE_PLAY)) << tour.Trace();
    tour.Hold(KEY_RIGHT, 20);
    tour.Tap(KEY_SPACE, 1, 40);
    tour.Hold(KEY_RIGHT, 20);
    tour.Tap(KEY_SPACE, 1, 40);
    ASSERT_TRUE(tour.WaitFor(SCENE_PLAY)) << tour.Trace();
    ASSERT_TRUE(tour.PressUntil(KEY_ESCAPE, SCENE_PAUSE)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().pause, 1, SCENE_RESULT)) << tour.Trace();
    ASSERT_TRUE(tour.WaitFor(SCENE_PLAY)) << tour.Trace();
    ASSERT_TRUE(tour.PressUntil(KEY_ESCAPE, SCENE_PAUSE)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().pause, 2, SCENE_TITLE)) << tour.Trace();
    tour.Frames(40);

    // Floors 55 and 56 walked through with the third character, then the ending.
    ASSERT_TRUE(tour.Choose(Menus().main, 1, SCENE_FLOOR_SELECT)) << tour.Trace();
    tour.Tap(KEY_RIGHT, 12, 3);
    tour.Tap(KEY_LEFT, 14, 3);
    ASSERT_TRUE(tour.PressUntil(KEY_ENTER, SCENE_TITLE)) << tour.Trace();
    tour.Frames(40);
    ASSERT_TRUE(tour.Choose(Menus().main, 0, SCENE_CHARACTER_SELECT)) << tour.Trace();
    tour.Frames(20);
    tour.Tap(KEY_LEFT, 1, 40);
    ASSERT_TRUE(tour.PressUntil(KEY_ENTER, SCENE_FLOOR_INTRO)) << tour.Trace();
    headless::SetKey(KEY_RIGHT, true);
    ASSERT_TRUE(tour.WaitFor(SCENE_ENDING)) << tour.Trace();
    headless::SetKey(KEY_RIGHT, false);
    tour.Frames(200);
    ASSERT_TRUE(tour.PressUntil(KEY_ESCAPE, SCENE_TITLE)) << tour.Trace();
    tour.Frames(40);

    // The demo of the showcase floor.
    ASSERT_TRUE(tour.Choose(Menus().main, 4, SCENE_CHARACTER_SELECT)) << tour.Trace();
    tour.Frames(20);
    tour.Tap(KEY_RIGHT, 1, 40);
    ASSERT_TRUE(tour.PressUntil(KEY_ENTER, SCENE_FLOOR_INTRO)) << tour.Trace();
    ASSERT_TRUE(tour.WaitFor(SCENE_PLAY)) << tour.Trace();
    tour.Frames(300);

    StopDrawRecording();
    Shutdown();
    for (int i = 0; i < 8 && !tour.Ended(); ++i) tour.Frame();

    for (int scene = SCENE_TITLE; scene < kSceneCount; ++scene) EXPECT_TRUE(tour.Scenes().count(scene)) << "scene " << scene;
    EXPECT_GE(tour.Characters().size(), 2u) << "more than one character played";
    for (int n : {0, 2, 5, 7, 10}) EXPECT_TRUE(tour.Sounds().count(n)) << "sound " << n << " never played";

    AtlasImage image;
    ASSERT_TRUE(DecodeAtlasImage(png.data(), static_cast<uint32_t>(png.size()), &image));
    ASSERT_EQ(image.width, kAtlasSide);
    ASSERT_EQ(image.height, kAtlasSide);
    const uint8_t* pixels = image.rgba.get();

    ASSERT_GT(tour.Drawn().size(), 100u);
    for (const auto& [key, scene] : tour.Drawn()) {
        const auto [left, top, right, bottom] = key;
        bool inside = false;
        for (const AtlasRegion& r : AtlasRegions()) {
            if (left >= r.rect.left && top >= r.rect.top && right <= r.rect.right && bottom <= r.rect.bottom) {
                inside = true;
                break;
            }
        }
        EXPECT_TRUE(inside) << "scene " << scene << " draws " << Describe(key) << " outside every painted region";
        bool shows = false;
        for (int y = std::max(top, 0); y < std::min(bottom, kAtlasSide) && !shows; ++y) {
            for (int x = std::max(left, 0); x < std::min(right, kAtlasSide) && !shows; ++x) {
                shows = pixels[(static_cast<size_t>(y) * kAtlasSide + static_cast<size_t>(x)) * 4 + 3] != 0;
            }
        }
        EXPECT_TRUE(shows) << "scene " << scene << " draws " << Describe(key) << ", which is empty";
    }

    // The table lists what the game draws, nothing more: every region turns
    // up somewhere on the tour.
    for (const AtlasRegion& r : AtlasRegions()) {
        bool drawn = false;
        for (const auto& [key, scene] : tour.Drawn()) {
            const auto [left, top, right, bottom] = key;
            drawn = drawn || (left < r.rect.right && right > r.rect.left && top < r.rect.bottom && bottom > r.rect.top);
        }
        EXPECT_TRUE(drawn) << "region " << r.name << " is never drawn";
    }
}

}  // namespace
}  // namespace q::assets
