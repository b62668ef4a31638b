#pragma once
// Where the game finds the files it reads. The working folder always comes
// first, so a game folder works as it always has; an installed game falls
// back to its data folder beside the program and to the user's config folder.

#include "platform/core/files.hpp"

namespace q {

// data.dat or floor.dat: the working folder, then the installed data folder
// (share/games/quorrel beside the folder holding the program). When neither
// holds it, the bare name, so opening it fails as it always did.
GamePath GameDataFile(const char* name);
// config.dat: the working folder, then quorrel/config.dat in the user's
// config folder ($XDG_CONFIG_HOME, or ~/.config without it), then the one
// installed with the data.
GamePath GameConfigFile();
// Where recorded runs go unless the player names a folder: quorrel/replays
// in the user's data folder ($XDG_DATA_HOME, or ~/.local/share without it;
// on Windows the roaming application data folder). false when there is
// none to be found.
bool DefaultReplayFolder(GamePath* out);

}  // namespace q
