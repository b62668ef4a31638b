// Every picture of text: menu items, headings, option rows and choices,
// instruction lines, names, key pictures, digits, HUD labels, captions and the
// ending pictures. Our own wording throughout.
#include <algorithm>
#include <string>
#include <vector>

#include "assets/art.hpp"
#include "assets/atlas.hpp"
#include "assets/text.hpp"

namespace q::assets {
namespace {

constexpr Colour kInk = Rgb(20, 14, 30);

enum class Kind { Menu, Heading, Row, Choice, Instruction, Name0, Name1, Name2, Caption, Ending, Pixel };

struct Label {
    const char* region;
    Kind kind;
    std::vector<std::string> lines;
};

const std::vector<Label>& Labels() {
    static const std::vector<Label> labels = {
        {"menu.start", Kind::Menu, {"START GAME"}},
        {"menu.floorselect", Kind::Menu, {"SELECT FLOOR"}},
        {"menu.quit", Kind::Menu, {"QUIT"}},
        {"menu.options", Kind::Menu, {"OPTIONS"}},
        {"menu.demo", Kind::Menu, {"WATCH DEMO"}},
        {"menu.keyconfig", Kind::Menu, {"KEY CONFIG"}},
        {"menu.help", Kind::Menu, {"HELP"}},
        {"menu.backtotitle", Kind::Menu, {"BACK TO TITLE"}},
        {"menu.quitgame", Kind::Menu, {"QUIT GAME"}},
        {"menu.resume", Kind::Menu, {"RESUME"}},
        {"menu.retry", Kind::Menu, {"RETRY FLOOR"}},
        {"menu.quittotitle", Kind::Menu, {"QUIT TO TITLE"}},
        {"heading.quit", Kind::Heading, {"QUIT QUORREL?"}},
        {"heading.character", Kind::Heading, {"WHO CLIMBS?"}},
        {"options.heading", Kind::Heading, {"OPTIONS"}},
        {"keyconfig.heading", Kind::Heading, {"ACTION KEY"}},
        {"options.sound", Kind::Row, {"SOUND"}},
        {"options.music", Kind::Row, {"MUSIC"}},
        {"options.display", Kind::Row, {"DISPLAY"}},
        {"options.colour", Kind::Row, {"COLOUR"}},
        {"options.vsync", Kind::Row, {"VSYNC"}},
        {"options.filter", Kind::Row, {"LOOK"}},
        {"options.chasers", Kind::Row, {"CHASERS"}},
        {"choice.off", Kind::Choice, {"OFF"}},
        {"choice.on", Kind::Choice, {"ON"}},
        {"choice.fullscreen", Kind::Choice, {"FULL SCREEN"}},
        {"choice.window", Kind::Choice, {"WINDOW"}},
        {"choice.16bit", Kind::Choice, {"16-BIT"}},
        {"choice.32bit", Kind::Choice, {"32-BIT"}},
        {"choice.point", Kind::Choice, {"SHARP"}},
        {"choice.linear", Kind::Choice, {"SMOOTH"}},
        {"keyconfig.label", Kind::Row, {"LIFT AND PUT DOWN WITH"}},
        {"floorselect.label", Kind::Row, {"FLOOR"}},
        {"options.help", Kind::Instruction, {"UP/DOWN: ROW   LEFT/RIGHT: CHANGE   ENTER: DONE"}},
        {"floorselect.help", Kind::Instruction, {"LEFT/RIGHT: ONE FLOOR   UP/DOWN: TEN FLOORS   ENTER: DONE"}},
        {"instructions.pages", Kind::Instruction, {"LEFT/RIGHT: CHANGE   ENTER: DONE"}},
        {"name.0", Kind::Name0, {"BRAM"}},
        {"name.1", Kind::Name1, {"ROWAN"}},
        {"name.2", Kind::Name2, {"MIRABEL"}},
        {"hud.keys", Kind::Pixel, {"ESC: PAUSE", "CTRL: MAP"}},
        {"hud.floor", Kind::Pixel, {"FLOOR"}},
        {"label.ready", Kind::Pixel, {"READY"}},
        {"label.mapview", Kind::Pixel, {"MAP"}},
        {"label.mapkeys", Kind::Pixel, {"UP/DOWN: SCROLL", "CTRL: BACK TO PLAY"}},
        {"title.corner", Kind::Pixel, {"VERSION 1.0  2026"}},
        {"ending.top", Kind::Ending, {"CONGRATULATIONS!"}},
        {"help.caption.00", Kind::Caption, {"LEFT / RIGHT", "TO WALK"}},
        {"help.caption.01", Kind::Caption, {"A ONE-TILE STEP:", "JUST WALK UP"}},
        {"help.caption.02", Kind::Caption, {"UP / DOWN ON A LADDER", "TO CLIMB"}},
        {"help.caption.03", Kind::Caption, {"STAND BESIDE A BLOCK", "AND PRESS THE ACTION KEY", "TO LIFT IT", "OVER YOUR HEAD"}},
        {"help.caption.04", Kind::Caption, {"CARRY IT WHERE YOU NEED IT;", "IT TURNS WHEN YOU TURN"}},
        {"help.caption.05", Kind::Caption, {"ACTION AGAIN PUTS IT DOWN"}},
        {"help.caption.06", Kind::Caption, {"BLOCKS MAKE STEPS:", "SET ONE BESIDE ANOTHER", "AND HOP UP A TILE", "AT A TIME"}},
        {"help.caption.07", Kind::Caption, {"TWO BLOCKS OF THE SAME", "SHAPE, CORNER ON CORNER,", "HOLD EACH OTHER UP", "LIKE A STAIRCASE"}},
        {"help.caption.08", Kind::Caption, {"HEAVY BLOCKS CARRY SLOWLY"}},
        {"help.caption.09", Kind::Caption, {"A BLOCK WITH NO SUPPORT", "WOBBLES, THEN FALLS"}},
        {"help.caption.10", Kind::Caption, {"TAKE EVERY GEM", "TO OPEN THE LOCK"}},
        {"help.caption.11", Kind::Caption, {"THE BUILDER DROPS BLOCKS"}},
        {"help.caption.12", Kind::Caption, {"CHASERS FOLLOW YOU:", "DON'T LET THEM TOUCH YOU"}},
        {"help.caption.13", Kind::Caption, {"CTRL: LOOK OVER THE WHOLE FLOOR"}},
        {"help.caption.14", Kind::Caption, {"ESC: PAUSE, RETRY OR QUIT"}},
    };
    return labels;
}

// Sizes are whole multiples of the font's pixel: headings and the ending's
// congratulations three times, what the player picks or reads as a name
// twice, the small print (instructions, help captions, the HUD) once.
TextStyle StyleFor(Kind k) {
    TextStyle s;
    switch (k) {
        case Kind::Menu:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(255, 214, 120);
            s.maxScale = 2;
            break;
        case Kind::Heading:
            s.top = Rgb(255, 240, 160);
            s.bottom = Rgb(246, 150, 40);
            // A heading box is 27 rows: three times the letters and their
            // ring, with no room left for a shadow.
            s.shadow = false;
            s.maxScale = 3;
            break;
        case Kind::Row:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(190, 206, 240);
            s.align = Align::Left;
            s.maxScale = 2;
            break;
        case Kind::Choice:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(170, 240, 190);
            s.align = Align::Left;
            s.maxScale = 2;
            break;
        case Kind::Instruction:
            s.top = Rgb(236, 240, 255);
            s.bottom = Rgb(180, 196, 236);
            s.maxScale = 1;
            break;
        case Kind::Name0:
            s.top = Rgb(255, 236, 120);
            s.bottom = Rgb(240, 110, 50);
            s.maxScale = 2;
            break;
        case Kind::Name1:
            s.top = Rgb(190, 255, 180);
            s.bottom = Rgb(60, 180, 90);
            s.maxScale = 2;
            break;
        case Kind::Name2:
            s.top = Rgb(255, 200, 240);
            s.bottom = Rgb(170, 110, 250);
            s.maxScale = 2;
            break;
        case Kind::Caption:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(210, 220, 250);
            s.shadow = false;
            s.maxScale = 1;
            break;
        case Kind::Ending:
            s.top = Rgb(255, 250, 190);
            s.bottom = Rgb(250, 150, 30);
            s.maxScale = 3;
            break;
        case Kind::Pixel:
            s.top = s.bottom = Rgb(255, 255, 255);
            s.outline = kInk;
            s.shadow = false;
            s.maxScale = 1;
            break;
    }
    return s;
}

// The plate of a menu item, one pixel in from its picture.
Rect MenuPlate(const Rect& r) { return Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}; }

// Every menu item is set at one size: the largest at which the longest item
// fits its plate with a few pixels to spare at each end.
int MenuScale() {
    static const int scale = [] {
        int smallest = StyleFor(Kind::Menu).maxScale;
        TextStyle style = StyleFor(Kind::Menu);
        style.margin = 3;
        for (const Label& l : Labels())
            if (l.kind == Kind::Menu)
                smallest = std::min(smallest, FittingScale(MenuPlate(RegionRect(l.region)), l.lines, style));
        return std::max(1, smallest);
    }();
    return scale;
}

// All headings share one size too.
int HeadingScale() {
    static const int scale = [] {
        int smallest = StyleFor(Kind::Heading).maxScale;
        for (const Label& l : Labels())
            if (l.kind == Kind::Heading)
                smallest = std::min(smallest, FittingScale(RegionRect(l.region), l.lines, StyleFor(Kind::Heading)));
        return std::max(1, smallest);
    }();
    return scale;
}

// A rounded plate: dark body, a faint rim of the given colour.
void Plate(Canvas& c, const Rect& plate, Colour body, Colour rim) {
    for (int y = plate.top; y < plate.bottom; ++y)
        for (int x = plate.left; x < plate.right; ++x) {
            const bool corner = (x == plate.left || x == plate.right - 1) && (y == plate.top || y == plate.bottom - 1);
            if (corner) continue;
            const bool edge = x == plate.left || x == plate.right - 1 || y == plate.top || y == plate.bottom - 1;
            c.Put(x, y, edge ? rim : body);
        }
}

// The HUD's words lie over whatever part of the floor is at the top of the
// view: a dark see-through backing over the whole picture keeps them legible
// on stone, ledges and ladders alike.
constexpr Colour kHudBacking = Argb(170, 14, 10, 26);
void PaintHudBacking(Canvas& c, const Rect& r) { Plate(c, r, kHudBacking, kHudBacking); }

void PaintMenuItem(Canvas& c, const Label& l) {
    const Rect r = RegionRect(l.region);
    // A dark rounded plate behind the words makes the column of items read
    // as buttons over the busy title picture.
    const Rect plate = MenuPlate(r);
    Plate(c, plate, Argb(150, 24, 18, 44), Argb(200, 250, 200, 90));
    DrawTextAtScale(c, plate, l.lines, StyleFor(Kind::Menu), MenuScale());
}

// Labels that stand just left of what they name (a number, a key cap) end at
// their picture's right edge, so label and value read as one line.
bool EndsAtTheRight(const std::string& region) {
    return region == "hud.floor" || region == "floorselect.label" || region == "keyconfig.label";
}

// The ink box of a picture's words: everything painted in the canvas.
Rect InkBox(const Canvas& words) {
    Rect ink{words.Width(), words.Height(), 0, 0};
    for (int y = 0; y < words.Height(); ++y)
        for (int x = 0; x < words.Width(); ++x)
            if (AlphaOf(words.Get(x, y)) != 0)
                ink = Rect{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
    return ink;
}

// A small triangle in the words' colours, ringed like them, pointing left or
// right from x (its blunt end) with its tip's rows centred on cy.
constexpr int kPointerWidth = 8;
void PaintPointer(Canvas& c, int x, int cy, bool right, const TextStyle& style) {
    const Colour fill = MixColours(style.top, style.bottom, 128);
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < 4; ++i) {
            // Column pair i counts from the tip: 2, 4, 6, 8 rows tall.
            const int col = right ? x + kPointerWidth - 2 - i * 2 : x + i * 2;
            const int grow = pass == 0 ? 1 : 0;
            c.FillRect(Rect{col - grow, cy - i - grow, col + 2 + grow, cy + i + 2 + grow}, pass == 0 ? style.outline : fill);
        }
}

// Option rows, choices and the labels beside a value lie over the dimmed
// title picture: each gets a dark rounded plate just larger than its words,
// so it reads as one item and not as letters on the hills. Rows start a
// margin in from the screen's edge; labels beside a value end at their
// picture's right edge, as near the value as the picture reaches.
void PaintBackedText(Canvas& c, const Rect& r, const Label& l) {
    TextStyle style = StyleFor(l.kind);
    const bool toTheRight = EndsAtTheRight(l.region);
    if (toTheRight) style.align = Align::Right;
    constexpr int kPadX = 5, kPadY = 3;
    style.margin = l.kind == Kind::Row && !toTheRight ? 16 : toTheRight ? kPadX + kPointerWidth + 4 : kPadX;
    Canvas words(r.Width(), r.Height());
    DrawText(words, Rect{0, 0, r.Width(), r.Height()}, l.lines, style);
    // What such a label names lies further right than its picture reaches:
    // a pointer at the end of the line leads the eye on to it.
    if (toTheRight) {
        const Rect text = InkBox(words);
        PaintPointer(words, r.Width() - kPadX - kPointerWidth - 1, (text.top + text.bottom) / 2 - 1, true, style);
    }
    const Rect ink = InkBox(words);
    if (ink.left < ink.right) {
        const Rect plate{std::max(0, ink.left - kPadX), std::max(0, ink.top - kPadY),
                         std::min(r.Width(), ink.right + kPadX), std::min(r.Height(), ink.bottom + kPadY)};
        Plate(c, Rect{r.left + plate.left, r.top + plate.top, r.left + plate.right, r.top + plate.bottom},
              Argb(170, 16, 12, 30), Argb(170, 120, 110, 160));
    }
    c.CopyScaled(words, Rect{0, 0, r.Width(), r.Height()}, r, true);
}

// READY and MAP are drawn at twice their size over the floor: a dark rounded
// banner behind warm letters makes them read over any tiles.
void PaintBanner(Canvas& c, const Rect& r, const std::string& word) {
    Plate(c, r, Argb(200, 20, 14, 36), Argb(220, 60, 40, 90));
    TextStyle s;
    s.top = Rgb(255, 244, 200);
    s.bottom = Rgb(250, 190, 70);
    s.shadow = false;
    s.outline = Argb(0, 0, 0, 0);
    DrawTextAtScale(c, r, {word}, s, 1);
}

// The name of the character in front is drawn centred under the wheel, to
// the right of the figure: it starts at its picture's left end, nearest the
// figure, behind a small pointer toward it.
void PaintName(Canvas& c, const Rect& r, const Label& l) {
    TextStyle style = StyleFor(l.kind);
    style.align = Align::Left;
    style.margin = kPointerWidth + 2;
    DrawText(c, r, l.lines, style);
    PaintPointer(c, r.left + 1, r.top + r.Height() / 2 - 1, false, style);
}

void PaintLabel(Canvas& c, const Label& l) {
    Rect r = RegionRect(l.region);
    c.SetClip(r);
    const std::string region = l.region;
    if (region == "label.ready" || region == "label.mapview") {
        PaintBanner(c, r, l.lines[0]);
    } else if (l.kind == Kind::Menu) {
        PaintMenuItem(c, l);
    } else if (l.kind == Kind::Heading) {
        DrawTextAtScale(c, r, l.lines, StyleFor(l.kind), HeadingScale());
    } else if (l.kind == Kind::Row || l.kind == Kind::Choice) {
        PaintBackedText(c, r, l);
    } else if (l.kind == Kind::Name0 || l.kind == Kind::Name1 || l.kind == Kind::Name2) {
        PaintName(c, r, l);
    } else {
        TextStyle style = StyleFor(l.kind);
        if (EndsAtTheRight(region)) style.align = Align::Right;
        if (region.rfind("hud.", 0) == 0) PaintHudBacking(c, r);
        DrawText(c, r, l.lines, style);
    }
    c.ClearClip();
}

struct KeyCap {
    std::string region, text;
};

// The keys the action can be bound to, as printed on their caps.
const std::vector<KeyCap>& KeyCaps() {
    static const std::vector<KeyCap> caps = [] {
        std::vector<KeyCap> v;
        for (char k = 'A'; k <= 'Z'; ++k) v.push_back({std::string("key.") + k, std::string(1, k)});
        v.push_back({"key.Space", "SPACE"});
        v.push_back({"key.Shift", "SHIFT"});
        return v;
    }();
    return caps;
}

void PaintKeyCap(Canvas& c, const std::string& region, const std::string& text) {
    Rect r = RegionRect(region);
    c.SetClip(r);
    Rect cap{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    for (int y = cap.top; y < cap.bottom; ++y)
        for (int x = cap.left; x < cap.right; ++x) {
            bool corner = (x == cap.left || x == cap.right - 1) && (y == cap.top || y == cap.bottom - 1);
            if (corner) continue;
            bool edge = x == cap.left || x == cap.right - 1 || y == cap.top || y == cap.bottom - 1;
            Colour k = Rgb(226, 226, 236);
            if (y >= cap.bottom - 5) k = Rgb(150, 150, 170);        // the key's front face
            if (x <= cap.left + 1 || y <= cap.top + 1) k = Rgb(250, 250, 255);
            c.Put(x, y, edge ? kInk : k);
        }
    // Letters printed on the key: dark, no ring, at the size of the menus.
    TextStyle s;
    s.top = s.bottom = Rgb(40, 34, 60);
    s.outline = Argb(0, 0, 0, 0);
    s.shadow = false;
    s.maxScale = 2;
    DrawText(c, Rect{cap.left + 2, cap.top + 1, cap.right - 2, cap.bottom - 5}, {text}, s);
    c.ClearClip();
}

// The HUD's floor number: the game sets its digits one pixel apart after
// each glyph's box, so each digit fills its box from the left, seven pixels
// of bold figure (eight for the wider 4) and a shadow down and right; side by side they read as one
// number, spaced like the letters before it, on the HUD's dark backing.
void PaintHudDigits(Canvas& c) {
    static const char* kFigures[10][9] = {
        {".#####.", "##...##", "##..###", "##.#.##", "###..##", "##...##", "##...##", "##...##", ".#####."},
        {"..##...", ".###...", "####...", "..##...", "..##...", "..##...", "..##...", "..##...", "#######"},
        {".#####.", "##...##", ".....##", "....##.", "..###..", ".##....", "##.....", "##.....", "#######"},
        {".#####.", "##...##", ".....##", ".....##", "..####.", ".....##", ".....##", "##...##", ".#####."},
        {"....##..", "...###..", "..####..", ".##.##..", "##..##..", "########", "....##..", "....##..", "....##.."},
        {"#######", "##.....", "##.....", "######.", ".....##", ".....##", ".....##", "##...##", ".#####."},
        {"..####.", ".##....", "##.....", "######.", "##...##", "##...##", "##...##", "##...##", ".#####."},
        {"#######", ".....##", ".....##", "....##.", "...##..", "..##...", "..##...", "..##...", "..##..."},
        {".#####.", "##...##", "##...##", "##...##", ".#####.", "##...##", "##...##", "##...##", ".#####."},
        {".#####.", "##...##", "##...##", "##...##", ".######", ".....##", ".....##", "....##.", ".####.."},
    };
    const Colour top = Rgb(255, 250, 210), bottom = Rgb(250, 176, 60);
    for (int d = 0; d < 10; ++d) {
        const Rect r = RegionRect("digit.small." + std::to_string(d));
        c.SetClip(r);
        c.FillRect(r, kHudBacking);
        for (int pass = 0; pass < 2; ++pass)
            for (int y = 0; y < 9; ++y)
                for (int x = 0; kFigures[d][y][x] != 0; ++x) {
                    if (kFigures[d][y][x] != '#') continue;
                    if (pass == 0) c.Put(r.left + x + 1, r.top + y + 1, kInk);
                    else c.Put(r.left + x, r.top + y, MixColours(top, bottom, y * 256 / 8));
                }
        c.ClearClip();
    }
}

// The large numbers are the font's own digits, twice their size, each
// centred in its box.
void PaintDigits(Canvas& c, const std::string& prefix, int scale) {
    TextStyle s;
    s.top = Rgb(255, 250, 210);
    s.bottom = Rgb(250, 176, 60);
    s.outline = kInk;
    s.shadow = scale > 1;
    for (int d = 0; d < 10; ++d) {
        const Rect r = RegionRect(prefix + std::to_string(d));
        c.SetClip(r);
        DrawTextAtScale(c, r, {std::string(1, char('0' + d))}, s, scale);
        c.ClearClip();
    }
}

}  // namespace

std::vector<std::string> LabelLines() {
    std::vector<std::string> lines;
    for (const Label& l : Labels()) lines.insert(lines.end(), l.lines.begin(), l.lines.end());
    for (const KeyCap& k : KeyCaps()) lines.push_back(k.text);
    lines.push_back("0123456789");
    return lines;
}

void PaintLabels(Canvas& c) {
    for (const Label& l : Labels()) PaintLabel(c, l);
    for (const KeyCap& k : KeyCaps()) PaintKeyCap(c, k.region, k.text);
    PaintHudDigits(c);
    PaintDigits(c, "digit.big.", 2);
    c.ClearClip();
}

}  // namespace q::assets
