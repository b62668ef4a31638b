#pragma once

namespace q {

// Start-up set-up of the front end's tables.
void InitMenuItems();
void InitMenus();
void InitOptionRows();
void InitHelpPages();

// Character wheel (entered from the title's start and replay items).
void InitCharacterWheel();
void InitPortraits();

// The front end's scenes, for the application's scene table.
void TitleUpdate();           void TitleDraw();
void CharacterSelectUpdate(); void CharacterSelectDraw();
void FloorSelectUpdate();     void FloorSelectDraw();
void OptionsUpdate();         void OptionsDraw();
void QuitPromptUpdate();      void QuitPromptDraw();
void KeyConfigUpdate();       void KeyConfigDraw();
void HelpUpdate();            void HelpDraw();
void PauseUpdate();           void PauseDraw();

}  // namespace q
