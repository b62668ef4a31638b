// Placeholder definitions until the front-end screens land; delete each as it
// is written.
#include "app/scenes.hpp"
#include "frontend/frontend.hpp"

namespace q {
void InitMenuItems() {}
void InitMenus() {}
void InitOptionRows() {}
void InitHelpPages() {}
void InitCharacterWheel() {}
void InitPortraits() {}
void TitleUpdate() {}           void TitleDraw() {}
void CharacterSelectUpdate() {} void CharacterSelectDraw() {}
void FloorSelectUpdate() {}     void FloorSelectDraw() {}
void OptionsUpdate() {}         void OptionsDraw() {}
void QuitPromptUpdate() {}      void QuitPromptDraw() {}
void KeyConfigUpdate() {}       void KeyConfigDraw() {}
void HelpUpdate() {}            void HelpDraw() {}
void PauseUpdate() {}           void PauseDraw() {}
}  // namespace q
