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
        {"heading.character", Kind::Heading, {"PICK A CLIMBER"}},
        {"options.heading", Kind::Heading, {"OPTIONS"}},
        {"keyconfig.heading", Kind::Heading, {"ACTION KEY"}},
        {"options.sound", Kind::Row, {"SOUND"}},
        {"options.music", Kind::Row, {"MUSIC"}},
        {"options.display", Kind::Row, {"DISPLAY"}},
        {"options.colour", Kind::Row, {"COLOUR"}},
        {"options.vsync", Kind::Row, {"VSYNC"}},
        {"options.filter", Kind::Row, {"FILTER"}},
        {"options.chasers", Kind::Row, {"CHASERS"}},
        {"choice.off", Kind::Choice, {"OFF"}},
        {"choice.on", Kind::Choice, {"ON"}},
        {"choice.fullscreen", Kind::Choice, {"FULL SCREEN"}},
        {"choice.window", Kind::Choice, {"WINDOW"}},
        {"choice.16bit", Kind::Choice, {"16-BIT"}},
        {"choice.32bit", Kind::Choice, {"32-BIT"}},
        {"choice.point", Kind::Choice, {"POINT"}},
        {"choice.linear", Kind::Choice, {"LINEAR"}},
        {"keyconfig.label", Kind::Row, {"LIFT AND PUT DOWN WITH"}},
        {"floorselect.label", Kind::Row, {"FLOOR"}},
        {"options.help", Kind::Instruction, {"UP/DOWN: ROW   LEFT/RIGHT: CHANGE   ENTER: DONE"}},
        {"floorselect.help", Kind::Instruction, {"LEFT/RIGHT: ONE FLOOR     UP/DOWN: TEN FLOORS     ENTER: BACK TO TITLE"}},
        {"instructions.pages", Kind::Instruction, {"LEFT/RIGHT: CHANGE      ENTER: BACK TO TITLE"}},
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

TextStyle StyleFor(Kind k) {
    TextStyle s;
    switch (k) {
        case Kind::Menu:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(255, 214, 120);
            s.outlineWidth = 2;
            s.maxPixelHeight = 13;
            break;
        case Kind::Heading:
            s.top = Rgb(255, 240, 160);
            s.bottom = Rgb(246, 150, 40);
            s.outlineWidth = 2;
            s.maxPixelHeight = 18;
            break;
        case Kind::Row:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(190, 206, 240);
            s.outlineWidth = 2;
            s.align = Align::Left;
            s.maxPixelHeight = 14;
            break;
        case Kind::Choice:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(170, 240, 190);
            s.outlineWidth = 2;
            s.align = Align::Left;
            s.maxPixelHeight = 14;
            break;
        case Kind::Instruction:
            s.top = Rgb(236, 240, 255);
            s.bottom = Rgb(180, 196, 236);
            s.outlineWidth = 2;
            s.shadow = false;
            s.maxPixelHeight = 11;
            break;
        case Kind::Name0:
            s.top = Rgb(255, 236, 120);
            s.bottom = Rgb(240, 110, 50);
            s.maxPixelHeight = 16;
            break;
        case Kind::Name1:
            s.top = Rgb(190, 255, 180);
            s.bottom = Rgb(60, 180, 90);
            s.maxPixelHeight = 16;
            break;
        case Kind::Name2:
            s.top = Rgb(255, 200, 240);
            s.bottom = Rgb(170, 110, 250);
            s.maxPixelHeight = 16;
            break;
        case Kind::Caption:
            s.top = Rgb(255, 255, 255);
            s.bottom = Rgb(210, 220, 250);
            s.outlineWidth = 1;
            s.shadow = true;
            s.condensed = true;
            break;
        case Kind::Ending:
            s.top = Rgb(255, 250, 190);
            s.bottom = Rgb(250, 150, 30);
            s.outlineWidth = 3;
            break;
        case Kind::Pixel: break;
    }
    return s;
}

// The plate of a menu item and the box its words are set in: the same
// margin on every side, so no word reaches the border.
Rect MenuPlate(const Rect& r) { return Rect{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}; }
Rect MenuTextBox(const Rect& r) {
    const Rect plate = MenuPlate(r);
    return Rect{plate.left + 5, plate.top + 1, plate.right - 5, plate.bottom - 1};
}

// Every menu item is set at one size: the largest at which the longest item
// fits its plate.
int MenuCapHeight() {
    static const int cap = [] {
        int smallest = StyleFor(Kind::Menu).maxPixelHeight;
        for (const Label& l : Labels())
            if (l.kind == Kind::Menu)
                smallest = std::min(smallest, FittingCapHeight(MenuTextBox(RegionRect(l.region)), l.lines,
                                                               StyleFor(Kind::Menu)));
        return smallest;
    }();
    return cap;
}

void PaintMenuItem(Canvas& c, const Label& l) {
    const Rect r = RegionRect(l.region);
    // A dark rounded plate behind the words makes the column of items read
    // as buttons over the busy title picture.
    const Rect plate = MenuPlate(r);
    for (int y = plate.top; y < plate.bottom; ++y)
        for (int x = plate.left; x < plate.right; ++x) {
            bool corner = (x == plate.left || x == plate.right - 1) && (y == plate.top || y == plate.bottom - 1);
            if (corner) continue;
            bool edge = x == plate.left || x == plate.right - 1 || y == plate.top || y == plate.bottom - 1;
            c.Put(x, y, edge ? Argb(200, 250, 200, 90) : Argb(150, 24, 18, 44));
        }
    TextStyle style = StyleFor(Kind::Menu);
    style.maxPixelHeight = MenuCapHeight();
    DrawText(c, MenuTextBox(r), l.lines, style);
}

// Labels that stand just left of what they name (a number, a key cap) end at
// their picture's right edge, so label and value read as one line.
bool EndsAtTheRight(const std::string& region) {
    return region == "hud.floor" || region == "floorselect.label" || region == "keyconfig.label";
}

// Option rows and choices lie over the dimmed title picture: each gets a
// dark rounded backing just larger than its words, and rows start a margin
// in from the screen's edge.
void PaintBackedText(Canvas& c, const Rect& r, const Label& l) {
    TextStyle style = StyleFor(l.kind);
    if (EndsAtTheRight(l.region)) style.align = Align::Right;
    Canvas words(r.Width(), r.Height());
    const int margin = l.kind == Kind::Row && !EndsAtTheRight(l.region) ? 10 : 0;
    DrawText(words, Rect{margin, 0, r.Width(), r.Height()}, l.lines, style);
    Rect ink{r.Width(), r.Height(), 0, 0};
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            if (AlphaOf(words.Get(x, y)) != 0)
                ink = Rect{std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
    if (ink.left < ink.right) {
        const Rect plate{std::max(0, ink.left - 4), std::max(0, ink.top - 2), std::min(r.Width(), ink.right + 4),
                         std::min(r.Height(), ink.bottom + 2)};
        for (int y = plate.top; y < plate.bottom; ++y)
            for (int x = plate.left; x < plate.right; ++x) {
                const bool corner = (x == plate.left || x == plate.right - 1) && (y == plate.top || y == plate.bottom - 1);
                if (!corner) c.Put(r.left + x, r.top + y, Argb(120, 14, 10, 26));
            }
    }
    c.CopyScaled(words, Rect{0, 0, r.Width(), r.Height()}, r, true);
}

// READY and MAP are drawn at twice their size over the floor: a dark rounded
// banner behind warm letters makes them read over any tiles.
void PaintBanner(Canvas& c, const Rect& r, const std::string& word) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const bool corner = (x == r.left || x == r.right - 1) && (y == r.top || y == r.bottom - 1);
            const bool rim = y == r.top || y == r.bottom - 1 || x == r.left || x == r.right - 1;
            if (!corner) c.Put(x, y, rim ? Argb(220, 60, 40, 90) : Argb(200, 20, 14, 36));
        }
    const int w = PixelTextWidth(word);
    const int x = r.left + (r.Width() - w) / 2, y = r.top + (r.Height() - 7) / 2;
    DrawPixelText(c, x, y, word, Rgb(255, 244, 200));
    // The lower half of the letters in a deeper gold.
    for (int yy = y + 4; yy < y + 7; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (c.Get(xx, yy) == Rgb(255, 244, 200)) c.Put(xx, yy, Rgb(250, 190, 70));
}

void PaintLabel(Canvas& c, const Label& l) {
    Rect r = RegionRect(l.region);
    c.SetClip(r);
    if (std::string(l.region) == "label.ready" || std::string(l.region) == "label.mapview") {
        PaintBanner(c, r, l.lines[0]);
        c.ClearClip();
        return;
    }
    // Lines too short for the vector font get the pixel font.
    int perLine = r.Height() / int(l.lines.size());
    if (l.kind == Kind::Menu) {
        PaintMenuItem(c, l);
    } else if (l.kind == Kind::Pixel || l.kind == Kind::Caption || perLine < 12) {
        // Captions are all in the pixel font, so every help page speaks at
        // one size, the size the labels inside the pictures use.
        DrawPixelLabel(c, r, l.lines, Rgb(255, 255, 255), kInk,
                       EndsAtTheRight(l.region)                      ? Align::Right
                       : l.kind == Kind::Row || l.kind == Kind::Choice ? Align::Left
                                                                       : Align::Centre);
    } else if ((l.kind == Kind::Row || l.kind == Kind::Choice) && std::string(l.region) != "floorselect.label") {
        PaintBackedText(c, r, l);
    } else if (EndsAtTheRight(l.region)) {
        TextStyle style = StyleFor(l.kind);
        style.align = Align::Right;
        DrawText(c, r, l.lines, style);
    } else {
        DrawText(c, r, l.lines, StyleFor(l.kind));
    }
    c.ClearClip();
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
    TextStyle s;
    s.top = Rgb(40, 34, 60);
    s.bottom = Rgb(40, 34, 60);
    s.outline = Rgb(255, 255, 255);
    s.outlineWidth = 0;
    s.shadow = false;
    s.maxPixelHeight = text.size() == 1 ? 16 : 11;
    DrawText(c, Rect{cap.left + 2, cap.top + 1, cap.right - 2, cap.bottom - 5}, {text}, s);
    c.ClearClip();
}

// Small digits: 6 x 8 strokes with a one-pixel outline, 8 x 10 in all.
void PaintSmallDigits(Canvas& c) {
    static const char* kDigits[10][8] = {
        {".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####."},
        {"..##..", ".###..", "..##..", "..##..", "..##..", "..##..", "..##..", ".####."},
        {".####.", "##..##", "....##", "...##.", "..##..", ".##...", "##....", "######"},
        {"#####.", "....##", "....##", ".####.", "....##", "....##", "....##", "#####."},
        {"...##..", "..###..", ".#.##..", "#..##..", "#######", "...##..", "...##..", "...##.."},
        {"######", "##....", "#####.", "....##", "....##", "....##", "##..##", ".####."},
        {".####.", "##....", "##....", "#####.", "##..##", "##..##", "##..##", ".####."},
        {"######", "....##", "...##.", "...##.", "..##..", "..##..", ".##...", ".##..."},
        {".####.", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", ".####."},
        {".####.", "##..##", "##..##", "##..##", ".#####", "....##", "....##", ".####."},
    };
    for (int d = 0; d < 10; ++d) {
        Rect r = RegionRect("digit.small." + std::to_string(d));
        c.SetClip(r);
        std::vector<std::string> rows(kDigits[d], kDigits[d] + 8);
        c.Art(r.left + 1, r.top + 1, rows, {{'#', Rgb(255, 255, 255)}});
        // Warm the lower half like the other labels.
        for (int y = r.top + 5; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (AlphaOf(c.Get(x, y)) == 255) c.Put(x, y, Rgb(255, 226, 150));
        c.Outline(r, kInk);
        c.ClearClip();
    }
}

void PaintBigDigits(Canvas& c) {
    TextStyle s;
    s.top = Rgb(255, 250, 200);
    s.bottom = Rgb(250, 160, 40);
    s.outlineWidth = 2;
    s.shadow = false;
    for (int d = 0; d < 10; ++d) {
        Rect r = RegionRect("digit.big." + std::to_string(d));
        c.SetClip(r);
        // Every digit is fitted to the height of the 20-pixel boxes so the
        // row is even; a narrow box is simply a narrow digit.
        Rect box{r.left - 3, r.top, r.right + 3, r.top + 20};
        s.maxPixelHeight = 16;
        DrawText(c, box, {std::string(1, char('0' + d))}, s);
        c.ClearClip();
    }
}

}  // namespace

void PaintLabels(Canvas& c) {
    for (const Label& l : Labels()) PaintLabel(c, l);
    for (int i = 0; i < 26; ++i) PaintKeyCap(c, std::string("key.") + char('A' + i), std::string(1, char('A' + i)));
    PaintKeyCap(c, "key.Space", "SPACE");
    PaintKeyCap(c, "key.Shift", "SHIFT");
    PaintSmallDigits(c);
    PaintBigDigits(c);
    c.ClearClip();
}

}  // namespace q::assets
