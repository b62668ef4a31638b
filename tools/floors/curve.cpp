#include "floors/curve.hpp"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cmath>
#include <functional>
#include <string>

#include "assets/canvas.hpp"
#include "assets/text.hpp"

namespace q::floors {

namespace {

using assets::Canvas;
using assets::Colour;
using assets::Rgb;

constexpr int kMargin = 16;
constexpr int kPitch = 14;  // pixels a floor
constexpr int kBar = kCurveBarWidth;
constexpr int kTitleScale = 2;
constexpr int kTitleHeight = 7 * kTitleScale + 6;
constexpr int kPlotHeight = 56;
constexpr int kPanelGap = 10;
constexpr int kStripHeight = 12;
constexpr Colour kBackground = Rgb(24, 24, 32);
constexpr Colour kGrid = Rgb(56, 56, 72);
constexpr Colour kText = Rgb(220, 220, 230);
constexpr Colour kDim = Rgb(120, 120, 140);

// A panel: what it shows of a floor (false: nothing to show) and its colour.
// A value may be marked as a lower bound only (a search over its budget).
struct Panel {
    const char* title;
    Colour colour;
    bool measured;  // false: read from the source, shown for every floor
    std::function<bool(const CurveFloor&, double& value, double& under, bool& atLeast)> value;
};

double Ratio(int a, int b) { return b ? static_cast<double>(a) / b : 0; }

std::vector<Panel> Panels() {
    return {
        {"FEWEST LIFTS", Rgb(240, 200, 80), true,
         [](const CurveFloor& f, double& v, double&, bool&) { v = f.measures->lifts; return f.measures->solved; }},
        {"LIFTS PER LANDING", Rgb(240, 150, 60), true,
         [](const CurveFloor& f, double& v, double&, bool&) {
             v = Ratio(f.measures->lifts, f.measures->landings);
             return f.measures->landings > 0;
         }},
        {"IDEAS PROVED", Rgb(120, 210, 120), true,
         [](const CurveFloor& f, double& v, double&, bool&) {
             v = std::popcount(f.measures->proved);
             return true;
         }},
        {"REACHABLE WORLDS, LOG 10", Rgb(110, 170, 250), true,
         [](const CurveFloor& f, double& v, double&, bool& atLeast) {
             v = std::log10(std::max<double>(1, static_cast<double>(f.measures->depth.worlds)));
             atLeast = !f.measures->depth.complete;
             return f.measures->depth.worlds > 0;
         }},
        {"DEAD ENDS, PER CENT OF SETTLED WORLDS", Rgb(230, 90, 90), true,
         [](const CurveFloor& f, double& v, double&, bool&) {
             const Depth& d = f.measures->depth;
             v = 100.0 * Ratio(static_cast<int>(d.settledDead), static_cast<int>(d.settled));
             return d.complete && d.settled > 0;
         }},
        {"COMMITMENTS ON THE BEST WAY", Rgb(200, 110, 220), true,
         [](const CurveFloor& f, double& v, double&, bool&) {
             v = f.measures->depth.commitments;
             return f.measures->depth.complete && f.measures->solved;
         }},
        {"BLOCKS MOVED, OF THE FLOOR'S", Rgb(90, 210, 200), true,
         [](const CurveFloor& f, double& v, double& under, bool&) {
             v = f.measures->blocksMoved;
             under = f.measures->blocks;
             return f.measures->solved;
         }},
        {"ROWS CLIMBED", Rgb(200, 200, 200), false,
         [](const CurveFloor& f, double& v, double&, bool&) {
             v = f.rowsClimbed;
             return true;
         }},
    };
}

std::string Figure(double v) {
    char text[32];
    std::snprintf(text, sizeof text, v == std::floor(v) ? "%.0f" : "%.1f", v);
    return text;
}

}  // namespace

int CurveColumn(int i) { return kMargin + i * kPitch + (kPitch - kBar) / 2; }

Canvas DrawCurve(const std::vector<CurveFloor>& floors) {
    const std::vector<Panel> panels = Panels();
    const int count = static_cast<int>(floors.size());
    const int width = 2 * kMargin + std::max(count, 10) * kPitch;
    const int panelHeight = kTitleHeight + kPlotHeight + kPanelGap;
    const int height = kMargin + static_cast<int>(panels.size()) * panelHeight + kTitleHeight + kStripHeight + 24 + kMargin;
    Canvas c(width, height);
    c.FillRect(Rect{0, 0, width, height}, kBackground);

    int top = kMargin;
    for (const Panel& p : panels) {
        std::vector<double> values(floors.size()), unders(floors.size());
        std::vector<int> shown(floors.size()), atLeast(floors.size());
        double most = 0;
        for (size_t i = 0; i < floors.size(); ++i) {
            bool lower = false;
            if (p.measured && !floors[i].measures) continue;
            shown[i] = p.value(floors[i], values[i], unders[i], lower);
            atLeast[i] = lower;
            if (shown[i]) most = std::max({most, values[i], unders[i]});
        }
        const bool anyAtLeast = std::find(atLeast.begin(), atLeast.end(), 1) != atLeast.end();
        const std::string title =
            std::string(p.title) + "   TOP " + Figure(most) + (anyAtLeast ? "   PALE: OVER THE BUDGET, MORE" : "");
        assets::DrawPixelText(c, kMargin, top, title, p.colour, kTitleScale);
        const int base = top + kTitleHeight + kPlotHeight;
        for (int g = 0; g <= 2; ++g) {
            const int y = base - g * kPlotHeight / 2;
            c.FillRect(Rect{kMargin, y, width - kMargin, y + 1}, g == 0 ? kDim : kGrid);
        }
        for (size_t i = 0; i < floors.size(); ++i) {
            if (!shown[i] || most <= 0) continue;
            const int x = CurveColumn(static_cast<int>(i));
            auto bar = [&](double v, Colour colour) {
                const int h = static_cast<int>(std::lround(v / most * kPlotHeight));
                c.FillRect(Rect{x, base - h, x + kBar, base}, colour);
            };
            bar(unders[i], assets::Shade(p.colour, 110));
            // A search over its budget: the bar is only a floor for the figure.
            bar(values[i], atLeast[i] ? assets::MixColours(p.colour, Rgb(255, 255, 255), 150) : p.colour);
        }
        top += panelHeight;
    }

    // The naive player's result: a mark under every floor it clears.
    assets::DrawPixelText(c, kMargin, top, "NAIVE PLAYER CLEARS IT", Rgb(250, 80, 80), kTitleScale);
    top += kTitleHeight;
    for (size_t i = 0; i < floors.size(); ++i) {
        if (!floors[i].measures) continue;
        const int x = CurveColumn(static_cast<int>(i));
        c.FillRect(Rect{x, top, x + kBar, top + kStripHeight},
                   floors[i].measures->naiveClears ? Rgb(250, 80, 80) : kGrid);
    }
    top += kStripHeight + 6;
    // Floor numbers: every fifth, and the first.
    for (size_t i = 0; i < floors.size(); ++i) {
        const int n = floors[i].number;
        if (n != 1 && n % 5 != 0) continue;
        const std::string label = std::to_string(n);
        const int x = CurveColumn(static_cast<int>(i)) + kBar / 2 - assets::PixelTextWidth(label, kTitleScale) / 2;
        assets::DrawPixelText(c, x, top, label, kText, kTitleScale);
    }
    return c;
}

}  // namespace q::floors
