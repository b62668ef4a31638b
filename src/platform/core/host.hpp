#pragma once
// What differs between the systems the programs run on, beyond SDL.

namespace q {

// A game started on Windows from a shortcut or launcher that gives it some
// other working folder (and so no data.dat there) uses the folder its program
// is in. Elsewhere, and when data.dat is where it was started, nothing changes.
void UseProgramFolderWithoutData();

// Text the player asked for (--help): standard output, or on Windows, where
// the game has no console, a message box.
void ShowText(const char* title, const char* text);

// Standard output written byte for byte: Windows would turn each "\n" of a
// trace or log into "\r\n", and those outputs are compared with other builds'.
void UseBinaryStdout();

}  // namespace q
