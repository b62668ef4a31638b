// The one table of every atlas rectangle the game draws. Painters look their
// rectangles up here by name, so a rectangle is written down exactly once.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/atlas.hpp"

namespace q::assets {
namespace {

std::string Num(int n) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

void AddCharacters(std::vector<AtlasRegion>& t) {
    struct Pose {
        int set, dir;
        char pose;
        Rect r;
    };
    static const char* kDirNames[4] = {"right", "left", "front", "climb"};
    static const char* kDirShows[4] = {"walking right", "walking left", "facing the viewer",
                                       "climbing, seen from behind"};
    static const char* kPoseShows[3] = {"standing", "first stride", "second stride"};
    static const char* kNames[3] = {"Bram", "Rowan", "Mirabel"};
    static const Pose poses[] = {
        {0, 0, 'A', {29, 41, 42, 63}},     {0, 0, 'B', {3, 40, 18, 62}},      {0, 0, 'C', {51, 40, 66, 62}},
        {0, 1, 'A', {30, 105, 43, 127}},   {0, 1, 'B', {6, 104, 21, 126}},    {0, 1, 'C', {54, 104, 69, 126}},
        {0, 2, 'A', {28, 73, 44, 95}},     {0, 2, 'B', {3, 72, 21, 94}},      {0, 2, 'C', {51, 72, 69, 94}},
        {0, 3, 'A', {28, 9, 44, 31}},      {0, 3, 'B', {3, 8, 21, 30}},       {0, 3, 'C', {51, 8, 69, 30}},
        {1, 0, 'A', {101, 37, 115, 64}},   {1, 0, 'B', {77, 38, 91, 64}},     {1, 0, 'C', {125, 37, 139, 63}},
        {1, 1, 'A', {101, 101, 115, 128}}, {1, 1, 'B', {77, 101, 91, 127}},   {1, 1, 'C', {125, 102, 139, 128}},
        {1, 2, 'A', {101, 69, 115, 96}},   {1, 2, 'B', {77, 68, 91, 94}},     {1, 2, 'C', {125, 69, 139, 95}},
        {1, 3, 'A', {101, 5, 115, 32}},    {1, 3, 'B', {77, 4, 91, 30}},      {1, 3, 'C', {125, 5, 139, 31}},
        {2, 0, 'A', {175, 38, 185, 63}},   {2, 0, 'B', {151, 39, 162, 63}},   {2, 0, 'C', {199, 39, 210, 63}},
        {2, 1, 'A', {175, 102, 185, 127}}, {2, 1, 'B', {150, 103, 161, 127}}, {2, 1, 'C', {198, 103, 209, 127}},
        {2, 2, 'A', {172, 70, 188, 95}},   {2, 2, 'B', {149, 71, 163, 96}},   {2, 2, 'C', {197, 71, 211, 96}},
        {2, 3, 'A', {172, 6, 188, 31}},    {2, 3, 'B', {149, 7, 163, 32}},    {2, 3, 'C', {197, 7, 211, 32}},
    };
    // The portraits come first: their frames are painted, then the poses on top.
    static const Rect portraits[3] = {{0, 4, 70, 132}, {72, 4, 142, 132}, {144, 4, 214, 132}};
    for (int s = 0; s < 3; ++s)
        t.push_back({"portrait" + std::to_string(s), portraits[s],
                     std::string("selection portrait: ") + kNames[s] + "'s pose sheet in a frame, shown at twice size"});
    for (const Pose& p : poses)
        t.push_back({"char" + std::to_string(p.set) + "." + kDirNames[p.dir] + "." + p.pose, p.r,
                     std::string(kNames[p.set]) + " " + kDirShows[p.dir] + ", " + kPoseShows[p.pose - 'A']});
}

void AddTiles(std::vector<AtlasRegion>& t) {
    static const char* kShows[32] = {
        "empty cell: clear but for a faint speck of dust",
        "",  // never drawn
        "",  // never drawn
        "exit door, upper half: stone arch full of golden light",
        "wide exit door, upper left half",
        "wide exit door, upper right half",
        "arched window, upper half",
        "wall torch",
        "cracked stone in the back wall",
        "ivy on the back wall",
        "hanging banner",
        "exit door, lower half: lit doorway and threshold",
        "wide exit door, lower left half",
        "wide exit door, lower right half",
        "arched window, lower half",
        "hanging chain",
        "back-wall pillar",
        "",  // never drawn
        "",  // never drawn
        "pillar capital",
        "pillar base",
        "moss patch",
        "cobweb",
        "wooden crate in the background",
        "ladder",
        "ladder top (rails end in hooks)",
        "ladder foot",
        "rope ladder",
        "ladder with a plank footing",
        "rope ladder with a plank footing",
        "wooden platform",
        "solid stone block",
    };
    for (int i = 0; i < 32; ++i) {
        if (i == 1 || i == 2 || i == 17 || i == 18) continue;
        int left = 800 + (i % 8) * 16, top = 284 + (i / 8) * 16;
        t.push_back({"tile." + Num(i), {left, top, left + 16, top + 16}, std::string("tile ") + std::to_string(i) + ": " + kShows[i]});
    }
    t.push_back({"background", {1405, 0, 2045, 512}, "back wall of the tower, 640 x 512, repeats every 32 rows"});
}

void AddObjects(std::vector<AtlasRegion>& t) {
    t.push_back({"block.light.0", {216, 0, 248, 32}, "wooden L-block, raised quarter left, notch top right"});
    t.push_back({"block.light.1", {216, 32, 248, 64}, "wooden L-block, raised quarter right, notch top left"});
    t.push_back({"block.heavy.0", {322, 246, 354, 278}, "iron-bound stone L-block, raised quarter left"});
    t.push_back({"block.heavy.1", {322, 278, 354, 310}, "iron-bound stone L-block, raised quarter right"});
    t.push_back({"lock", {216, 64, 248, 96}, "exit lock: barred gate with a padlock"});
    t.push_back({"pickup", {232, 96, 248, 112}, "pickup: a golden key-gem"});
    t.push_back({"prop.32x64", {472, 87, 505, 152}, "prop: standing lantern post (33 x 65, drawn at 32 x 64)"});
    t.push_back({"prop.48x80", {463, 1, 511, 81}, "prop: potted tree"});
    t.push_back({"prop.96x176", {928, 334, 1024, 510}, "prop: tall stained-glass window"});
    t.push_back({"bubble.cleared", {248, 0, 280, 32}, "bubble: a star, floor cleared"});
    t.push_back({"bubble.failed", {248, 32, 280, 64}, "bubble: a dizzy spiral, floor failed"});
    t.push_back({"bubble.sleeping", {248, 64, 280, 96}, "bubble: Zz, fell asleep"});
    t.push_back({"shutter", {512, 0, 576, 480}, "shutter band: riveted steel slats, cut from the left"});
}

void AddDigitsAndHud(std::vector<AtlasRegion>& t) {
    static const int smallL[10] = {326, 335, 345, 355, 365, 376, 386, 396, 406, 416};
    static const int smallR[10] = {334, 343, 353, 363, 374, 384, 394, 404, 414, 424};
    static const int bigL[10] = {1033, 1052, 1065, 1083, 1101, 1122, 1141, 1159, 1178, 1199};
    static const int bigR[10] = {1050, 1063, 1081, 1099, 1120, 1138, 1157, 1176, 1195, 1215};
    for (int d = 0; d < 10; ++d)
        t.push_back({"digit.small." + std::to_string(d), {smallL[d], 210, smallR[d], 220},
                     "small digit " + std::to_string(d)});
    for (int d = 0; d < 10; ++d)
        t.push_back({"digit.big." + std::to_string(d), {bigL[d], 621, bigR[d], d == 0 ? 642 : 641},
                     "large digit " + std::to_string(d)});
    t.push_back({"hud.keys", {834, 1, 954, 23}, "play HUD, top right: which keys pause and show the map"});
    t.push_back({"hud.floor", {326, 233, 379, 243}, "play HUD label FLOOR, before the floor number"});
    t.push_back({"label.ready", {834, 97, 878, 107}, "READY, drawn at twice size over the countdown"});
    t.push_back({"label.mapview", {834, 109, 877, 119}, "MAP, drawn at twice size half transparent in the map view"});
    t.push_back({"label.mapkeys", {834, 208, 978, 232}, "map view, top right: keys to scroll and to go back"});
    t.push_back({"ending.top", {660, 1154, 995, 1211}, "ending picture: CONGRATULATIONS"});
    t.push_back({"ending.bottom", {643, 1228, 1019, 1278}, "ending picture: you climbed all 56 floors, with Bram and Mirabel cheering"});
}

void AddMenus(std::vector<AtlasRegion>& t) {
    t.push_back({"menu.start", {280, 0, 430, 25}, "menu item START GAME"});
    t.push_back({"menu.floorselect", {280, 25, 430, 50}, "menu item SELECT FLOOR"});
    t.push_back({"menu.quit", {280, 50, 430, 75}, "menu item QUIT"});
    t.push_back({"menu.options", {0, 453, 150, 478}, "menu item OPTIONS"});
    t.push_back({"menu.demo", {280, 75, 430, 100}, "menu item WATCH DEMO"});
    t.push_back({"menu.keyconfig", {155, 453, 305, 478}, "menu item KEY CONFIG"});
    t.push_back({"menu.help", {0, 482, 150, 507}, "menu item HELP"});
    t.push_back({"menu.backtotitle", {280, 125, 430, 150}, "quit menu item BACK TO TITLE"});
    t.push_back({"menu.quitgame", {280, 100, 430, 125}, "quit menu item QUIT GAME"});
    t.push_back({"menu.resume", {360, 694, 510, 719}, "pause item RESUME"});
    t.push_back({"menu.retry", {360, 721, 510, 746}, "pause item RETRY FLOOR"});
    t.push_back({"menu.quittotitle", {360, 748, 510, 773}, "pause item QUIT TO TITLE"});
}

void AddScreens(std::vector<AtlasRegion>& t) {
    t.push_back({"title", {0, 1024, 640, 1504}, "title picture: the tower at dusk with the three climbers; dimmed behind most screens"});
    t.push_back({"logo", {0, 1509, 613, 1599}, "the Quorrel logo"});
    t.push_back({"title.corner", {1, 1007, 132, 1020}, "title corner label: version line"});
    t.push_back({"heading.quit", {1032, 367, 1261, 395}, "quit prompt heading: QUIT QUORREL?"});
    t.push_back({"heading.character", {1213, 98, 1399, 125}, "character selection heading"});
    t.push_back({"name.0", {1032, 427, 1093, 453}, "name picture BRAM"});
    t.push_back({"name.1", {1254, 427, 1340, 453}, "name picture ROWAN"});
    t.push_back({"name.2", {1116, 427, 1230, 453}, "name picture MIRABEL"});
    t.push_back({"floorselect.label", {1223, 621, 1318, 642}, "floor selection label FLOOR"});
    t.push_back({"floorselect.help", {1032, 677, 1656, 699}, "floor selection instruction line"});
    t.push_back({"options.heading", {1032, 397, 1180, 425}, "options heading"});
    t.push_back({"options.help", {1032, 595, 1335, 616}, "options instruction line"});
    t.push_back({"options.sound", {1155, 277, 1292, 305}, "options row SOUND"});
    t.push_back({"options.music", {1032, 277, 1153, 305}, "options row MUSIC"});
    t.push_back({"options.display", {1032, 98, 1211, 125}, "options row DISPLAY"});
    t.push_back({"options.colour", {1032, 157, 1196, 185}, "options row COLOUR"});
    t.push_back({"options.vsync", {1032, 247, 1232, 275}, "options row VSYNC"});
    t.push_back({"options.filter", {1126, 307, 1192, 335}, "options row FILTER"});
    t.push_back({"options.chasers", {1234, 247, 1355, 275}, "options row CHASERS"});
    t.push_back({"choice.off", {1072, 307, 1124, 335}, "choice OFF"});
    t.push_back({"choice.on", {1032, 307, 1070, 335}, "choice ON"});
    t.push_back({"choice.fullscreen", {1130, 127, 1281, 155}, "choice FULL SCREEN"});
    t.push_back({"choice.window", {1032, 127, 1128, 155}, "choice WINDOW"});
    t.push_back({"choice.16bit", {1032, 187, 1222, 215}, "choice 16-BIT"});
    t.push_back({"choice.32bit", {1032, 217, 1222, 245}, "choice 32-BIT"});
    t.push_back({"choice.point", {1032, 337, 1153, 365}, "choice POINT"});
    t.push_back({"choice.linear", {1194, 307, 1312, 335}, "choice LINEAR"});
    t.push_back({"keyconfig.heading", {1155, 337, 1358, 365}, "key configuration heading"});
    t.push_back({"keyconfig.label", {1032, 647, 1375, 675}, "key configuration label: the action key is"});
    t.push_back({"instructions.pages", {1032, 700, 1468, 721}, "instruction line of key configuration and help"});
    for (int i = 0; i < 26; ++i) {
        int row = i / 9, col = i % 9;
        int left = 1032 + 33 * col, top = 490 + 35 * row;
        t.push_back({std::string("key.") + char('A' + i), {left, top, left + 32, top + 34},
                     std::string("key picture ") + char('A' + i)});
    }
    t.push_back({"key.Space", {1032, 455, 1128, 489}, "key picture SPACE"});
    t.push_back({"key.Shift", {1226, 455, 1322, 489}, "key picture SHIFT"});
}

void AddHelp(std::vector<AtlasRegion>& t) {
    static const Rect pictures[15] = {
        {768, 896, 896, 1024}, {512, 512, 640, 640}, {640, 512, 768, 640}, {768, 512, 896, 640},
        {640, 896, 768, 1024}, {896, 512, 1024, 640}, {512, 640, 640, 768}, {640, 640, 768, 768},
        {768, 640, 896, 768},  {896, 640, 1024, 768}, {512, 768, 640, 896}, {640, 768, 768, 896},
        {768, 768, 896, 896},  {896, 768, 1024, 896}, {512, 896, 640, 1024},
    };
    static const Rect captions[15] = {
        {9, 517, 158, 543},  {9, 546, 139, 571},  {9, 573, 250, 599},  {9, 601, 252, 655},  {9, 657, 273, 683},
        {9, 685, 253, 699},  {9, 699, 317, 753},  {9, 755, 238, 810},  {10, 811, 199, 823}, {10, 825, 177, 851},
        {10, 853, 203, 879}, {10, 881, 196, 893}, {9, 895, 236, 921},  {10, 923, 286, 935}, {10, 937, 195, 949},
    };
    static const char* kTopics[15] = {
        "walking",         "hopping a step",        "ladders",       "lifting a block", "carrying",
        "putting down",    "building stairs",       "staircase hold", "heavy blocks",   "falling blocks and the wobble",
        "pickups and the lock", "the builder",      "chasers",       "the map view",    "pause",
    };
    for (int i = 0; i < 15; ++i) {
        t.push_back({"help.picture." + Num(i), pictures[i], std::string("help page ") + std::to_string(i) + " picture: " + kTopics[i]});
        t.push_back({"help.caption." + Num(i), captions[i], std::string("help page ") + std::to_string(i) + " caption: " + kTopics[i]});
    }
}

std::vector<AtlasRegion> MakeTable() {
    std::vector<AtlasRegion> t;
    AddCharacters(t);
    AddTiles(t);
    AddObjects(t);
    AddDigitsAndHud(t);
    AddMenus(t);
    AddScreens(t);
    AddHelp(t);
    return t;
}

}  // namespace

const std::vector<AtlasRegion>& AtlasRegions() {
    static const std::vector<AtlasRegion> table = MakeTable();
    return table;
}

Rect RegionRect(const std::string& name) {
    for (const AtlasRegion& r : AtlasRegions())
        if (r.name == name) return r.rect;
    std::fprintf(stderr, "atlas: no region named %s\n", name.c_str());
    std::abort();
}

bool OverlapIntended(const AtlasRegion& a, const AtlasRegion& b) {
    auto framed = [](const AtlasRegion& portrait, const AtlasRegion& pose) {
        return portrait.name.rfind("portrait", 0) == 0 && pose.name.rfind("char", 0) == 0 &&
               portrait.name.back() == pose.name[4];
    };
    return framed(a, b) || framed(b, a);
}

}  // namespace q::assets
