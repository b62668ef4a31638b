#pragma once
// Where every picture lies in the sprite atlas. This is the one list of
// picture rectangles: the game draws from it and quorrel-assets paints it.
#include <span>

#include "platform/core/rect.hpp"

namespace q::atlas {

// The atlas is a square of this many pixels; every rectangle below is in its
// pixel coordinates, whatever the size of the texture it is loaded into.
constexpr int kSide = 2048;

// One picture: its name in the atlas preview, where it lies, and what is
// painted there. Drawing calls take it as its rectangle.
struct Picture {
    const char* name = nullptr;  // none for a place that has no picture
    Rect rect;
    const char* shows = nullptr;
    constexpr operator Rect() const { return rect; }
};

// ---- Characters
// The selection portraits of the three characters; each frames its own pose
// sheet with room for the frame on every side of the poses.
inline constexpr Picture kPortraits[3] = {
    {"portrait0", {1, 4, 71, 132}, "selection portrait: Bram's pose sheet in a frame, shown at twice size"},
    {"portrait1", {73, 2, 143, 130}, "selection portrait: Rowan's pose sheet in a frame, shown at twice size"},
    {"portrait2", {145, 4, 215, 132}, "selection portrait: Mirabel's pose sheet in a frame, shown at twice size"},
};
// Every pose of every character, by character, then facing (right, left, front,
// climbing), then pose (A standing, B and C the strides): see Pose().
inline constexpr Picture kPoses[36] = {
    {"char0.right.A", {29, 41, 42, 63}, "Bram walking right, standing"},
    {"char0.right.B", {3, 40, 18, 62}, "Bram walking right, first stride"},
    {"char0.right.C", {51, 40, 66, 62}, "Bram walking right, second stride"},
    {"char0.left.A", {30, 105, 43, 127}, "Bram walking left, standing"},
    {"char0.left.B", {6, 104, 21, 126}, "Bram walking left, first stride"},
    {"char0.left.C", {54, 104, 69, 126}, "Bram walking left, second stride"},
    {"char0.front.A", {28, 73, 44, 95}, "Bram facing the viewer, standing"},
    {"char0.front.B", {3, 72, 21, 94}, "Bram facing the viewer, first stride"},
    {"char0.front.C", {51, 72, 69, 94}, "Bram facing the viewer, second stride"},
    {"char0.climb.A", {28, 9, 44, 31}, "Bram climbing, seen from behind, standing"},
    {"char0.climb.B", {3, 8, 21, 30}, "Bram climbing, seen from behind, first stride"},
    {"char0.climb.C", {51, 8, 69, 30}, "Bram climbing, seen from behind, second stride"},
    {"char1.right.A", {101, 37, 115, 64}, "Rowan walking right, standing"},
    {"char1.right.B", {77, 38, 91, 64}, "Rowan walking right, first stride"},
    {"char1.right.C", {125, 37, 139, 63}, "Rowan walking right, second stride"},
    {"char1.left.A", {101, 101, 115, 128}, "Rowan walking left, standing"},
    {"char1.left.B", {77, 101, 91, 127}, "Rowan walking left, first stride"},
    {"char1.left.C", {125, 102, 139, 128}, "Rowan walking left, second stride"},
    {"char1.front.A", {101, 69, 115, 96}, "Rowan facing the viewer, standing"},
    {"char1.front.B", {77, 68, 91, 94}, "Rowan facing the viewer, first stride"},
    {"char1.front.C", {125, 69, 139, 95}, "Rowan facing the viewer, second stride"},
    {"char1.climb.A", {101, 5, 115, 32}, "Rowan climbing, seen from behind, standing"},
    {"char1.climb.B", {77, 4, 91, 30}, "Rowan climbing, seen from behind, first stride"},
    {"char1.climb.C", {125, 5, 139, 31}, "Rowan climbing, seen from behind, second stride"},
    {"char2.right.A", {175, 38, 185, 63}, "Mirabel walking right, standing"},
    {"char2.right.B", {151, 39, 162, 63}, "Mirabel walking right, first stride"},
    {"char2.right.C", {199, 39, 210, 63}, "Mirabel walking right, second stride"},
    {"char2.left.A", {175, 102, 185, 127}, "Mirabel walking left, standing"},
    {"char2.left.B", {150, 103, 161, 127}, "Mirabel walking left, first stride"},
    {"char2.left.C", {198, 103, 209, 127}, "Mirabel walking left, second stride"},
    {"char2.front.A", {172, 70, 188, 95}, "Mirabel facing the viewer, standing"},
    {"char2.front.B", {149, 71, 163, 96}, "Mirabel facing the viewer, first stride"},
    {"char2.front.C", {197, 71, 211, 96}, "Mirabel facing the viewer, second stride"},
    {"char2.climb.A", {172, 6, 188, 31}, "Mirabel climbing, seen from behind, standing"},
    {"char2.climb.B", {149, 7, 163, 32}, "Mirabel climbing, seen from behind, first stride"},
    {"char2.climb.C", {197, 7, 211, 32}, "Mirabel climbing, seen from behind, second stride"},
};

// ---- Floors
// Tile pictures by tile number. Tiles 1, 2, 17 and 18 are never drawn and have
// no picture.
inline constexpr Picture kTiles[32] = {
    {"tile.00", {800, 284, 816, 300}, "tile 0: empty cell: clear but for a faint speck of dust"},
    {},  // 1
    {},  // 2
    {"tile.03", {848, 284, 864, 300}, "tile 3: exit door, upper half: stone arch of golden light under a green EXIT sign"},
    {"tile.04", {864, 284, 880, 300}, "tile 4: wide exit door, upper left half, left of its EXIT sign"},
    {"tile.05", {880, 284, 896, 300}, "tile 5: wide exit door, upper right half, right of its EXIT sign"},
    {"tile.06", {896, 284, 912, 300}, "tile 6: the gallery's tall window onto the dusk, upper half"},
    {"tile.07", {912, 284, 928, 300}, "tile 7: wall torch"},
    {"tile.08", {800, 300, 816, 316}, "tile 8: the cellar's damp stonework, repeating every way"},
    {"tile.09", {816, 300, 832, 316}, "tile 9: a bay of the library's bookcase, repeating every way"},
    {"tile.10", {832, 300, 848, 316}, "tile 10: hanging banner"},
    {"tile.11", {848, 300, 864, 316}, "tile 11: exit door, lower half: lit doorway and threshold"},
    {"tile.12", {864, 300, 880, 316}, "tile 12: wide exit door, lower left half"},
    {"tile.13", {880, 300, 896, 316}, "tile 13: wide exit door, lower right half"},
    {"tile.14", {896, 300, 912, 316}, "tile 14: the gallery's tall window, lower half with its sill"},
    {"tile.15", {912, 300, 928, 316}, "tile 15: the battlements' night sky, repeating every way"},
    {"tile.16", {800, 316, 816, 332}, "tile 16: back-wall pillar"},
    {},  // 17
    {},  // 18
    {"tile.19", {848, 316, 864, 332}, "tile 19: pillar capital"},
    {"tile.20", {864, 316, 880, 332}, "tile 20: pillar base"},
    {"tile.21", {880, 316, 896, 332}, "tile 21: moss patch"},
    {"tile.22", {896, 316, 912, 332}, "tile 22: cobweb"},
    {"tile.23", {912, 316, 928, 332}, "tile 23: barrel against the back wall"},
    {"tile.24", {800, 332, 816, 348}, "tile 24: ladder"},
    {"tile.25", {816, 332, 832, 348}, "tile 25: iron ladder"},
    {"tile.26", {832, 332, 848, 348}, "tile 26: wooden ladder with lashed rungs"},
    {"tile.27", {848, 332, 864, 348}, "tile 27: rope ladder"},
    {"tile.28", {864, 332, 880, 348}, "tile 28: ledge a ladder comes up through, its capped ends and last rung on the plank"},
    {"tile.29", {880, 332, 896, 348}, "tile 29: ledge a rope ladder comes up through, its capped ends and last rung on the plank"},
    {"tile.30", {896, 332, 912, 348}, "tile 30: wooden platform"},
    {"tile.31", {912, 332, 928, 348}, "tile 31: solid stone block"},
};
inline constexpr Picture kBackground{"background", {1405, 0, 2045, 512},
                                     "back wall of the tower, 640 x 512, repeats every 32 rows"};
// L-block pictures by shape dir.
inline constexpr Picture kLightBlocks[2] = {
    {"block.light.0", {216, 0, 248, 32}, "wooden L-block, raised quarter left, notch top right"},
    {"block.light.1", {216, 32, 248, 64}, "wooden L-block, raised quarter right, notch top left"},
};
inline constexpr Picture kHeavyBlocks[2] = {
    {"block.heavy.0", {322, 246, 354, 278}, "iron-bound stone L-block, raised quarter left"},
    {"block.heavy.1", {322, 278, 354, 310}, "iron-bound stone L-block, raised quarter right"},
};
inline constexpr Picture kExitLock{"lock", {216, 64, 248, 96}, "exit lock: barred gate with a padlock"};
inline constexpr Picture kPickup{"pickup", {232, 96, 248, 112}, "pickup: a golden key-gem"};
inline constexpr Picture kProp32x64{"prop.32x64", {472, 87, 505, 152},
                                    "prop: standing lantern post (33 x 65, drawn at 32 x 64)"};
inline constexpr Picture kProp48x80{"prop.48x80", {463, 1, 511, 81}, "prop: potted tree"};
inline constexpr Picture kProp96x176{"prop.96x176", {928, 334, 1024, 510}, "prop: tall stained-glass window"};
inline constexpr Picture kClearedBubble{"bubble.cleared", {248, 0, 280, 32}, "bubble: a star, floor cleared"};
inline constexpr Picture kFailedBubble{"bubble.failed", {248, 32, 280, 64}, "bubble: a dizzy spiral, floor failed"};
inline constexpr Picture kSleepingBubble{"bubble.sleeping", {248, 64, 280, 96}, "bubble: Zz, fell asleep"};
inline constexpr Picture kShutterStrip{"shutter", {512, 0, 576, 480},
                                       "shutter band: steel slats under a lintel, a brass-studded rail and a kick plate, cut from the left"};

// ---- Numbers and play labels
inline constexpr Picture kSmallDigits[10] = {
    {"digit.small.0", {326, 210, 334, 220}, "small digit 0"},
    {"digit.small.1", {335, 210, 343, 220}, "small digit 1"},
    {"digit.small.2", {345, 210, 353, 220}, "small digit 2"},
    {"digit.small.3", {355, 210, 363, 220}, "small digit 3"},
    {"digit.small.4", {365, 210, 374, 220}, "small digit 4"},
    {"digit.small.5", {376, 210, 384, 220}, "small digit 5"},
    {"digit.small.6", {386, 210, 394, 220}, "small digit 6"},
    {"digit.small.7", {396, 210, 404, 220}, "small digit 7"},
    {"digit.small.8", {406, 210, 414, 220}, "small digit 8"},
    {"digit.small.9", {416, 210, 424, 220}, "small digit 9"},
};
inline constexpr Picture kBigDigits[10] = {
    {"digit.big.0", {1033, 621, 1050, 642}, "large digit 0"},
    {"digit.big.1", {1052, 621, 1063, 641}, "large digit 1"},
    {"digit.big.2", {1065, 621, 1081, 641}, "large digit 2"},
    {"digit.big.3", {1083, 621, 1099, 641}, "large digit 3"},
    {"digit.big.4", {1101, 621, 1120, 641}, "large digit 4"},
    {"digit.big.5", {1122, 621, 1138, 641}, "large digit 5"},
    {"digit.big.6", {1141, 621, 1157, 641}, "large digit 6"},
    {"digit.big.7", {1159, 621, 1176, 641}, "large digit 7"},
    {"digit.big.8", {1178, 621, 1195, 641}, "large digit 8"},
    {"digit.big.9", {1199, 621, 1215, 641}, "large digit 9"},
};
inline constexpr Picture kPlayKeysLabel{"hud.keys", {834, 1, 954, 23},
                                        "play HUD, top right: which keys pause and show the map"};
inline constexpr Picture kFloorLabel{"hud.floor", {326, 233, 379, 243},
                                     "play HUD label FLOOR, before the floor number"};
inline constexpr Picture kReadyLabel{"label.ready", {834, 97, 878, 107},
                                     "READY, drawn at twice size over the countdown"};
inline constexpr Picture kMapLabel{"label.mapview", {834, 109, 877, 119},
                                   "MAP, drawn at twice size half transparent in the map view"};
inline constexpr Picture kMapKeysLabel{"label.mapkeys", {834, 208, 978, 232},
                                       "map view, top right: keys to scroll and to go back"};
inline constexpr Picture kEndingTop{"ending.top", {660, 1154, 995, 1211}, "ending picture: CONGRATULATIONS"};
inline constexpr Picture kEndingBottom{"ending.bottom", {643, 1228, 1019, 1278},
                                       "ending picture: you climbed all 56 floors, between two stars"};

// ---- Menus
inline constexpr Picture kMenuStart{"menu.start", {280, 0, 430, 25}, "menu item START GAME"};
inline constexpr Picture kMenuFloorSelect{"menu.floorselect", {280, 25, 430, 50}, "menu item SELECT FLOOR"};
inline constexpr Picture kMenuQuit{"menu.quit", {280, 50, 430, 75}, "menu item QUIT"};
inline constexpr Picture kMenuOptions{"menu.options", {0, 453, 150, 478}, "menu item OPTIONS"};
inline constexpr Picture kMenuDemo{"menu.demo", {280, 75, 430, 100}, "menu item WATCH DEMO"};
inline constexpr Picture kMenuKeyConfig{"menu.keyconfig", {155, 453, 305, 478}, "menu item KEY CONFIG"};
inline constexpr Picture kMenuHelp{"menu.help", {0, 482, 150, 507}, "menu item HELP"};
inline constexpr Picture kMenuBackToTitle{"menu.backtotitle", {280, 125, 430, 150}, "quit menu item BACK TO TITLE"};
inline constexpr Picture kMenuQuitGame{"menu.quitgame", {280, 100, 430, 125}, "quit menu item QUIT GAME"};
inline constexpr Picture kMenuResume{"menu.resume", {360, 694, 510, 719}, "pause item RESUME"};
inline constexpr Picture kMenuRetry{"menu.retry", {360, 721, 510, 746}, "pause item RETRY FLOOR"};
inline constexpr Picture kMenuQuitToTitle{"menu.quittotitle", {360, 748, 510, 773}, "pause item QUIT TO TITLE"};

// ---- Screens
inline constexpr Picture kTitle{
    "title", {0, 1024, 640, 1504},
    "title picture: the tower at dusk with the three climbers; dimmed behind most screens"};
inline constexpr Picture kLogo{"logo", {0, 1509, 613, 1599}, "the Quorrel logo"};
inline constexpr Picture kTitleCorner{"title.corner", {1, 1007, 132, 1020}, "title corner label: version line"};
inline constexpr Picture kQuitHeading{"heading.quit", {1032, 367, 1261, 395}, "quit prompt heading: QUIT QUORREL?"};
inline constexpr Picture kCharacterHeading{"heading.character", {1213, 98, 1399, 125}, "character selection heading"};
inline constexpr Picture kCharacterNames[3] = {
    {"name.0", {1032, 427, 1093, 453}, "name picture BRAM"},
    {"name.1", {1254, 427, 1340, 453}, "name picture ROWAN"},
    {"name.2", {1116, 427, 1230, 453}, "name picture MIRABEL"},
};
inline constexpr Picture kFloorSelectLabel{"floorselect.label", {1223, 621, 1318, 642},
                                           "floor selection label FLOOR"};
inline constexpr Picture kFloorSelectHelp{"floorselect.help", {1032, 677, 1656, 699},
                                          "floor selection instruction line"};
inline constexpr Picture kOptionsHeading{"options.heading", {1032, 397, 1180, 425}, "options heading"};
inline constexpr Picture kOptionsHelp{"options.help", {1032, 595, 1335, 616}, "options instruction line"};
inline constexpr Picture kOptionSound{"options.sound", {1155, 277, 1292, 305}, "options row SOUND"};
inline constexpr Picture kOptionMusic{"options.music", {1032, 277, 1153, 305}, "options row MUSIC"};
inline constexpr Picture kOptionDisplay{"options.display", {1032, 98, 1211, 125}, "options row DISPLAY"};
inline constexpr Picture kOptionColour{"options.colour", {1032, 157, 1196, 185}, "options row COLOUR"};
inline constexpr Picture kOptionVsync{"options.vsync", {1032, 247, 1232, 275}, "options row VSYNC"};
inline constexpr Picture kOptionFilter{"options.filter", {1126, 307, 1192, 335}, "options row LOOK (the texture filter)"};
inline constexpr Picture kOptionChasers{"options.chasers", {1234, 247, 1355, 275}, "options row CHASERS"};
inline constexpr Picture kChoiceOff{"choice.off", {1072, 307, 1124, 335}, "choice OFF"};
inline constexpr Picture kChoiceOn{"choice.on", {1032, 307, 1070, 335}, "choice ON"};
inline constexpr Picture kChoiceFullScreen{"choice.fullscreen", {1130, 127, 1281, 155}, "choice FULL SCREEN"};
inline constexpr Picture kChoiceWindow{"choice.window", {1032, 127, 1128, 155}, "choice WINDOW"};
inline constexpr Picture kChoice16Bit{"choice.16bit", {1032, 187, 1222, 215}, "choice 16-BIT"};
inline constexpr Picture kChoice32Bit{"choice.32bit", {1032, 217, 1222, 245}, "choice 32-BIT"};
inline constexpr Picture kChoicePoint{"choice.point", {1032, 337, 1153, 365}, "choice SHARP (point filtering)"};
inline constexpr Picture kChoiceLinear{"choice.linear", {1194, 307, 1312, 335}, "choice SMOOTH (linear filtering)"};
inline constexpr Picture kKeyConfigHeading{"keyconfig.heading", {1155, 337, 1358, 365}, "key configuration heading"};
inline constexpr Picture kKeyConfigLabel{"keyconfig.label", {1032, 647, 1375, 675},
                                         "key configuration label: the action key is"};
inline constexpr Picture kPagesInstructions{"instructions.pages", {1032, 700, 1468, 721},
                                            "instruction line of key configuration and help"};
// The action key choices in the order the key screen offers them: A to Z, Space,
// Shift.
inline constexpr Picture kKeys[28] = {
    {"key.A", {1032, 490, 1064, 524}, "key picture A"},
    {"key.B", {1065, 490, 1097, 524}, "key picture B"},
    {"key.C", {1098, 490, 1130, 524}, "key picture C"},
    {"key.D", {1131, 490, 1163, 524}, "key picture D"},
    {"key.E", {1164, 490, 1196, 524}, "key picture E"},
    {"key.F", {1197, 490, 1229, 524}, "key picture F"},
    {"key.G", {1230, 490, 1262, 524}, "key picture G"},
    {"key.H", {1263, 490, 1295, 524}, "key picture H"},
    {"key.I", {1296, 490, 1328, 524}, "key picture I"},
    {"key.J", {1032, 525, 1064, 559}, "key picture J"},
    {"key.K", {1065, 525, 1097, 559}, "key picture K"},
    {"key.L", {1098, 525, 1130, 559}, "key picture L"},
    {"key.M", {1131, 525, 1163, 559}, "key picture M"},
    {"key.N", {1164, 525, 1196, 559}, "key picture N"},
    {"key.O", {1197, 525, 1229, 559}, "key picture O"},
    {"key.P", {1230, 525, 1262, 559}, "key picture P"},
    {"key.Q", {1263, 525, 1295, 559}, "key picture Q"},
    {"key.R", {1296, 525, 1328, 559}, "key picture R"},
    {"key.S", {1032, 560, 1064, 594}, "key picture S"},
    {"key.T", {1065, 560, 1097, 594}, "key picture T"},
    {"key.U", {1098, 560, 1130, 594}, "key picture U"},
    {"key.V", {1131, 560, 1163, 594}, "key picture V"},
    {"key.W", {1164, 560, 1196, 594}, "key picture W"},
    {"key.X", {1197, 560, 1229, 594}, "key picture X"},
    {"key.Y", {1230, 560, 1262, 594}, "key picture Y"},
    {"key.Z", {1263, 560, 1295, 594}, "key picture Z"},
    {"key.Space", {1032, 455, 1128, 489}, "key picture SPACE"},
    {"key.Shift", {1226, 455, 1322, 489}, "key picture SHIFT"},
};

// ---- Help
inline constexpr Picture kHelpPictures[15] = {
    {"help.picture.00", {768, 896, 896, 1024}, "help page 0 picture: walking"},
    {"help.picture.01", {512, 512, 640, 640}, "help page 1 picture: hopping a step"},
    {"help.picture.02", {640, 512, 768, 640}, "help page 2 picture: ladders"},
    {"help.picture.03", {768, 512, 896, 640}, "help page 3 picture: lifting a block"},
    {"help.picture.04", {640, 896, 768, 1024}, "help page 4 picture: carrying"},
    {"help.picture.05", {896, 512, 1024, 640}, "help page 5 picture: putting down"},
    {"help.picture.06", {512, 640, 640, 768}, "help page 6 picture: building stairs"},
    {"help.picture.07", {640, 640, 768, 768}, "help page 7 picture: staircase hold"},
    {"help.picture.08", {768, 640, 896, 768}, "help page 8 picture: heavy blocks"},
    {"help.picture.09", {896, 640, 1024, 768}, "help page 9 picture: falling blocks and the wobble"},
    {"help.picture.10", {512, 768, 640, 896}, "help page 10 picture: pickups and the lock"},
    {"help.picture.11", {640, 768, 768, 896}, "help page 11 picture: the builder"},
    {"help.picture.12", {768, 768, 896, 896}, "help page 12 picture: chasers"},
    {"help.picture.13", {896, 768, 1024, 896}, "help page 13 picture: the map view"},
    {"help.picture.14", {512, 896, 640, 1024}, "help page 14 picture: pause"},
};
inline constexpr Picture kHelpCaptions[15] = {
    {"help.caption.00", {9, 517, 158, 543}, "help page 0 caption: walking"},
    {"help.caption.01", {9, 546, 139, 571}, "help page 1 caption: hopping a step"},
    {"help.caption.02", {9, 573, 250, 599}, "help page 2 caption: ladders"},
    {"help.caption.03", {9, 601, 252, 655}, "help page 3 caption: lifting a block"},
    {"help.caption.04", {9, 657, 273, 683}, "help page 4 caption: carrying"},
    {"help.caption.05", {9, 685, 253, 699}, "help page 5 caption: putting down"},
    {"help.caption.06", {9, 699, 317, 753}, "help page 6 caption: building stairs"},
    {"help.caption.07", {9, 755, 238, 810}, "help page 7 caption: staircase hold"},
    {"help.caption.08", {10, 811, 199, 823}, "help page 8 caption: heavy blocks"},
    {"help.caption.09", {10, 825, 177, 851}, "help page 9 caption: falling blocks and the wobble"},
    {"help.caption.10", {10, 853, 203, 879}, "help page 10 caption: pickups and the lock"},
    {"help.caption.11", {10, 881, 196, 893}, "help page 11 caption: the builder"},
    {"help.caption.12", {9, 895, 236, 921}, "help page 12 caption: chasers"},
    {"help.caption.13", {10, 923, 286, 935}, "help page 13 caption: the map view"},
    {"help.caption.14", {10, 937, 195, 949}, "help page 14 caption: pause"},
};

// Character 0..2's pose by facing (0 right, 1 left, 2 front, 3 climbing) and
// pose (0 A, 1 B, 2 C).
constexpr const Picture& Pose(int character, int facing, int pose) {
    return kPoses[(character * 4 + facing) * 3 + pose];
}

// Every group of pictures, in the order the asset builder lists them.
inline constexpr std::span<const Picture> kAllPictures[] = {
    kPortraits, kPoses, kTiles, {&kBackground, 1}, kLightBlocks, kHeavyBlocks, {&kExitLock, 1}, {&kPickup, 1},
    {&kProp32x64, 1}, {&kProp48x80, 1}, {&kProp96x176, 1}, {&kClearedBubble, 1}, {&kFailedBubble, 1},
    {&kSleepingBubble, 1}, {&kShutterStrip, 1}, kSmallDigits, kBigDigits, {&kPlayKeysLabel, 1}, {&kFloorLabel, 1},
    {&kReadyLabel, 1}, {&kMapLabel, 1}, {&kMapKeysLabel, 1}, {&kEndingTop, 1}, {&kEndingBottom, 1},
    {&kMenuStart, 1}, {&kMenuFloorSelect, 1}, {&kMenuQuit, 1}, {&kMenuOptions, 1}, {&kMenuDemo, 1},
    {&kMenuKeyConfig, 1}, {&kMenuHelp, 1}, {&kMenuBackToTitle, 1}, {&kMenuQuitGame, 1}, {&kMenuResume, 1},
    {&kMenuRetry, 1}, {&kMenuQuitToTitle, 1}, {&kTitle, 1}, {&kLogo, 1}, {&kTitleCorner, 1}, {&kQuitHeading, 1},
    {&kCharacterHeading, 1}, kCharacterNames, {&kFloorSelectLabel, 1}, {&kFloorSelectHelp, 1},
    {&kOptionsHeading, 1}, {&kOptionsHelp, 1}, {&kOptionSound, 1}, {&kOptionMusic, 1}, {&kOptionDisplay, 1},
    {&kOptionColour, 1}, {&kOptionVsync, 1}, {&kOptionFilter, 1}, {&kOptionChasers, 1}, {&kChoiceOff, 1},
    {&kChoiceOn, 1}, {&kChoiceFullScreen, 1}, {&kChoiceWindow, 1}, {&kChoice16Bit, 1}, {&kChoice32Bit, 1},
    {&kChoicePoint, 1}, {&kChoiceLinear, 1}, {&kKeyConfigHeading, 1}, {&kKeyConfigLabel, 1},
    {&kPagesInstructions, 1}, kKeys, kHelpPictures, kHelpCaptions,
};

}  // namespace q::atlas
