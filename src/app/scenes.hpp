#pragma once

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

using SceneHandler = void (*)();

struct SceneTable {
    SceneHandler update[kSceneCount];
    SceneHandler draw[kSceneCount];
};
extern const SceneTable sceneTable;

void SetScene(int id);
int CurrentScene();
// SetScene(title), StopBgm, StopAllSe, ReleaseAllActors.
void ReturnToTitle();
// Orderly end of the program; safe after a partial start-up and twice.
void Shutdown();

// The scene handlers, implemented by the play flow and the front end.
void TitleUpdate();          void TitleDraw();
void CharacterSelectUpdate(); void CharacterSelectDraw();
void FloorIntroUpdate();     void FloorIntroDraw();
void ReadyUpdate();          void ReadyDraw();
void PlayUpdate();           void PlayDraw();
void ResultUpdate();         void ResultDraw();
void FloorOutroUpdate();     void FloorOutroDraw();
void MapViewUpdate();        void MapViewDraw();
void MapReturnUpdate();      void MapReturnDraw();
void EndingIntroUpdate();    void EndingIntroDraw();
void EndingUpdate();         void EndingDraw();
void FloorSelectUpdate();    void FloorSelectDraw();
void OptionsUpdate();        void OptionsDraw();
void QuitPromptUpdate();     void QuitPromptDraw();
void KeyConfigUpdate();      void KeyConfigDraw();
void HelpUpdate();           void HelpDraw();
void PauseUpdate();          void PauseDraw();

}  // namespace q
