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

// The ten-band shutter over the play field.
void OpenShutterNow();
void CloseShutterNow();
void StepShutter(int step);
void DrawShutter();
bool ShutterOpen();
bool ShutterClosed();

}  // namespace q
