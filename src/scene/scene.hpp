#pragma once
// Which screen is current, and the way out of the program. The play flow and
// the front end switch scenes through here; the application dispatches each
// frame to the current scene and provides the shutdown.

namespace q {

enum SceneId : int {
    SCENE_IDLE = 0,
    SCENE_TITLE = 1,
    SCENE_CHARACTER_SELECT = 2,
    SCENE_FLOOR_INTRO = 3,
    SCENE_READY = 4,
    SCENE_PLAY = 5,
    SCENE_RESULT = 6,
    SCENE_FLOOR_OUTRO = 7,
    SCENE_MAP_VIEW = 8,
    SCENE_MAP_RETURN = 9,
    SCENE_ENDING_INTRO = 10,
    SCENE_ENDING = 11,
    SCENE_FLOOR_SELECT = 12,
    SCENE_OPTIONS = 13,
    SCENE_QUIT_PROMPT = 14,
    SCENE_KEY_CONFIG = 15,
    SCENE_HELP = 16,
    SCENE_PAUSE = 17,
    kSceneCount = 18
};

// Only stores the id: the new scene is drawn first in the next frame. An id
// outside 0..17 is refused.
void SetScene(SceneId id);
SceneId CurrentScene();

// Orderly end of the program; safe after a partial start-up, twice, and in
// the middle of a frame. Does nothing until the application has said how.
void Shutdown();
void SetShutdownHandler(void (*handler)());

}  // namespace q
