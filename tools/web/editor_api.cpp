// What the editor page asks of the floor tools, as plain C functions for its
// JavaScript: the floor being drawn lives here, in the tools' own Floor, so
// that reading, writing, linting, linking and solving are the tools' code.
// Strings come back as JSON or text in one buffer, valid until the next call.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "floors/candidate.hpp"
#include "floors/floor_link.hpp"
#include "floors/floor_world.hpp"
#include "floors/legend.hpp"
#include "floors/lint.hpp"
#include "floors/lone_floor.hpp"
#include "floors/solver.hpp"
#include "platform/archive.hpp"
#include "platform/atlas_layout.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"
#include "world/tiles.hpp"

namespace {

using q::floors::Floor;

constexpr int kMinRows = q::kWholeScreenRows;
constexpr int kMaxRows = q::kMaxFloorRows;

struct Editor {
    Floor floor;
    int number = 1;  // the number its source says it has ("# Quorrel floor N")
    std::string reply;
    std::vector<uint8_t> bytes;
};

Editor& Current() {
    static Editor editor;
    return editor;
}

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const char* Reply(std::string text) {
    Current().reply = std::move(text);
    return Current().reply.c_str();
}

int NumberInSource(const std::string& source) {
    int n = 0;
    if (sscanf(source.c_str(), "# Quorrel floor %d.", &n) == 1 && n >= 1 && n <= q::kFloorCount) return n;
    return 1;
}

// A drawn cell makes the solver's way and figures stale: they are dropped.
void Edited() {
    Current().floor.demo.clear();
    Current().floor.stats.clear();
}

int ClampStart(int start, int rows) { return std::clamp(start, 0, std::max(0, rows - kMinRows)); }

const char* Opened(bool ok, const std::string& error, int line) {
    if (ok) return Reply("{\"ok\":true}");
    return Reply("{\"ok\":false,\"line\":" + std::to_string(line) + ",\"error\":" + Json(error) + "}");
}

std::string RectJson(const q::Rect& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + "]";
}

// The picture each object kind is drawn with; kinds with none (the spawner,
// the exit cell) are drawn by the page as marks.
q::Rect KindPicture(int kind) {
    using namespace q::atlas;
    switch (kind) {
        case q::KIND_PLAYER: case q::KIND_FIGURE: return Pose(0, 2, 0);
        case q::KIND_CHASER: return Pose(1, 2, 0);
        case q::KIND_BUILDER: return Pose(2, 2, 0);
        case q::KIND_EXIT_LOCK: return kExitLock;
        case q::KIND_PICKUP: return kPickup;
        case q::KIND_PROP_32x64: return kProp32x64;
        case q::KIND_PROP_48x80: return kProp48x80;
        case q::KIND_PROP_96x176: return kProp96x176;
        default: return {};
    }
}

}  // namespace

extern "C" {

// A new floor: rows, stone at both sides and along the bottom, the start at
// the bottom screen.
EMSCRIPTEN_KEEPALIVE const char* qe_new(int rows) {
    Editor& e = Current();
    rows = std::clamp(rows, kMinRows, kMaxRows);
    e.floor = Floor{};
    e.number = 1;
    e.floor.name = "My floor";
    e.floor.rows = rows;
    e.floor.startRow = rows - kMinRows;
    e.floor.tiles.assign(static_cast<size_t>(rows * q::floors::kColumns), 0);
    e.floor.objects.assign(e.floor.tiles.size(), 0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < q::floors::kColumns; ++c)
            if (c == 0 || c == q::floors::kColumns - 1 || r == rows - 1)
                e.floor.tiles[static_cast<size_t>(r * q::floors::kColumns + c)] = q::TILE_SOLID;
    return Opened(true, "", 0);
}

// Replaces the floor with the one a source holds; refused sources keep the old.
EMSCRIPTEN_KEEPALIVE const char* qe_open(const char* source) {
    Floor f;
    q::floors::SourceError error;
    if (!q::floors::ParseFloorSource(source, f, error)) return Opened(false, error.message, error.line);
    Current().floor = f;
    Current().number = NumberInSource(source);
    return Opened(true, "", 0);
}

EMSCRIPTEN_KEEPALIVE const char* qe_open_link(const char* link) {
    Floor f;
    std::string source, error;
    if (!q::floors::DecodeFloorLink(link, f, source, error)) return Opened(false, error, 0);
    Current().floor = f;
    Current().number = NumberInSource(source);
    return Opened(true, "", 0);
}

EMSCRIPTEN_KEEPALIVE const char* qe_source() {
    return Reply(q::floors::WriteFloorSource(Current().floor, Current().number));
}

EMSCRIPTEN_KEEPALIVE const char* qe_link() { return Reply(q::floors::EncodeFloorLink(Current().floor, Current().number)); }

// The floor as the page draws it: header values and both layers, row by row.
EMSCRIPTEN_KEEPALIVE const char* qe_state() {
    const Floor& f = Current().floor;
    std::string out = "{\"name\":" + Json(f.name) + ",\"rows\":" + std::to_string(f.rows) +
                      ",\"start\":" + std::to_string(f.startRow) + ",\"stats\":" + Json(f.stats) +
                      ",\"demo\":" + std::to_string(f.demo.size()) + ",\"tiles\":[";
    for (size_t i = 0; i < f.tiles.size(); ++i) out += (i ? "," : "") + std::to_string(f.tiles[i]);
    out += "],\"objects\":[";
    for (size_t i = 0; i < f.objects.size(); ++i) out += (i ? "," : "") + std::to_string(f.objects[i]);
    return Reply(out + "]}");
}

// layer 0 terrain, 1 objects; cells outside the floor are ignored.
EMSCRIPTEN_KEEPALIVE void qe_set_cell(int layer, int column, int row, int value) {
    Floor& f = Current().floor;
    if (column < 0 || column >= q::floors::kColumns || row < 0 || row >= f.rows || value < -128 || value > 127) return;
    auto& cells = layer == 0 ? f.tiles : f.objects;
    const size_t at = static_cast<size_t>(row * q::floors::kColumns + column);
    if (cells[at] == static_cast<int8_t>(value)) return;
    cells[at] = static_cast<int8_t>(value);
    Edited();
}

// Rows come and go at the top, as a floor is climbed from its bottom; new
// rows keep the side walls of the top row. The start keeps its place.
EMSCRIPTEN_KEEPALIVE void qe_set_rows(int rows) {
    Floor& f = Current().floor;
    rows = std::clamp(rows, kMinRows, kMaxRows);
    const int added = rows - f.rows;
    if (added == 0) return;
    const size_t width = q::floors::kColumns;
    if (added > 0) {
        std::vector<int8_t> row(width, 0);
        row.front() = f.tiles.empty() ? q::TILE_SOLID : f.tiles.front();
        row.back() = f.tiles.empty() ? q::TILE_SOLID : f.tiles[width - 1];
        for (int i = 0; i < added; ++i) {
            f.tiles.insert(f.tiles.begin(), row.begin(), row.end());
            f.objects.insert(f.objects.begin(), width, 0);
        }
    } else {
        f.tiles.erase(f.tiles.begin(), f.tiles.begin() + static_cast<long>(width * static_cast<size_t>(-added)));
        f.objects.erase(f.objects.begin(), f.objects.begin() + static_cast<long>(width * static_cast<size_t>(-added)));
    }
    f.rows = rows;
    f.startRow = ClampStart(f.startRow + added, rows);
    Edited();
}

EMSCRIPTEN_KEEPALIVE void qe_set_start(int start) {
    Floor& f = Current().floor;
    const int clamped = ClampStart(start, f.rows);
    if (clamped == f.startRow) return;
    f.startRow = clamped;
    Edited();
}

EMSCRIPTEN_KEEPALIVE void qe_set_name(const char* name) {
    std::string n(name);
    // A name is one line of the source.
    n.erase(std::remove_if(n.begin(), n.end(), [](char c) { return c == '\n' || c == '\r'; }), n.end());
    Current().floor.name = n.empty() ? "My floor" : n;
}

// What lint finds, each with the cell to mark (-1 where it names none).
EMSCRIPTEN_KEEPALIVE const char* qe_lint() {
    std::string out = "[";
    bool first = true;
    for (const auto& finding : q::floors::LintFloor(Current().floor, Current().number == q::kEndingFloor ? 1 : Current().number)) {
        out += std::string(first ? "" : ",") + "{\"row\":" + std::to_string(finding.row) +
               ",\"column\":" + std::to_string(finding.column) + ",\"message\":" + Json(finding.message) + "}";
        first = false;
    }
    return Reply(out + "]");
}

// floor.dat of the floor alone in every place: its bytes, then their size
// (the size of whatever bytes were last handed out).
EMSCRIPTEN_KEEPALIVE const uint8_t* qe_floor_dat() {
    Current().bytes = q::floors::LoneFloorDat(Current().floor);
    return Current().bytes.data();
}
EMSCRIPTEN_KEEPALIVE int qe_floor_dat_size() { return static_cast<int>(Current().bytes.size()); }

// The pictures of the atlas the grid is drawn with.
EMSCRIPTEN_KEEPALIVE const char* qe_pictures() {
    std::string out = "{\"background\":" + RectJson(q::atlas::kBackground) + ",\"tiles\":[";
    for (int t = 0; t < 32; ++t) out += (t ? "," : "") + RectJson(q::atlas::kTiles[t]);
    out += "],\"lightBlocks\":[" + RectJson(q::atlas::kLightBlocks[0]) + "," + RectJson(q::atlas::kLightBlocks[1]) + "]";
    out += ",\"heavyBlocks\":[" + RectJson(q::atlas::kHeavyBlocks[0]) + "," + RectJson(q::atlas::kHeavyBlocks[1]) + "]";
    out += ",\"kinds\":[";
    for (int k = 0; k < q::kKindCount; ++k) out += (k ? "," : "") + RectJson(KindPicture(k));
    return Reply(out + "]}");
}

// The atlas picture (PNG) of a data.dat the page has put in the module's
// files; null when the file holds none. Its size in qe_floor_dat_size's way.
EMSCRIPTEN_KEEPALIVE const uint8_t* qe_atlas_png(const char* dataPath) {
    Editor& e = Current();
    e.bytes.clear();
    if (q::LoadArchive(dataPath)) {
        uint32_t size = 0;
        if (const uint8_t* png = q::ArchiveEntry(0, &size)) e.bytes.assign(png, png + size);
        q::FreeArchive();
    }
    return e.bytes.empty() ? nullptr : e.bytes.data();
}

// Every terrain tile and object the palette offers, named as the floor
// sources' legends name them.
EMSCRIPTEN_KEEPALIVE const char* qe_legend() {
    std::string out = "{\"tiles\":[";
    const auto entry = [](const q::floors::LegendEntry& l) {
        return "{\"symbol\":" + Json(std::string(1, l.symbol)) + ",\"value\":" + std::to_string(l.value) +
               ",\"meaning\":" + Json(l.meaning) + ",\"use\":" + Json(l.use ? l.use : "") + "}";
    };
    for (int i = 0; i < 32; ++i) out += (i ? "," : "") + entry(q::floors::kTileLegend[i]);
    out += "],\"objects\":[";
    for (int i = 0; i < 16; ++i) out += (i ? "," : "") + entry(q::floors::kObjectLegend[i]);
    return Reply(out + "]}");
}

// The actors as the floor spawns them when play begins (chasers on): where
// each stands and how large its box is, for the grid to draw them in place.
EMSCRIPTEN_KEEPALIVE const char* qe_actors() {
    std::string out = "[";
    const Floor& f = Current().floor;
    if (f.rows >= 1 && f.rows <= kMaxRows) {
        auto w = q::floors::EnterFloor(f, {q::PLAY_MODE_NORMAL, true, 0});
        bool first = true;
        for (q::Actor* a = q::FirstActive(*w); a; a = q::NextActive(*w, *a)) {
            out += std::string(first ? "" : ",") + "{\"kind\":" + std::to_string(a->kind) + ",\"x\":" +
                   std::to_string(a->x) + ",\"y\":" + std::to_string(a->y + w->scrollY) + ",\"w\":" +
                   std::to_string(a->width) + ",\"h\":" + std::to_string(a->height) + ",\"dir\":" +
                   std::to_string(a->dir) + "}";
            first = false;
        }
    }
    return Reply(out + "]");
}

// Searches the floor for its way with the fewest lifts, telling the page how
// far it got as it goes; a way found becomes the floor's demo and stats.
EMSCRIPTEN_KEEPALIVE const char* qe_solve(int maxStates) {
    q::floors::SolveOptions options;
    options.maxStates = std::max(1, maxStates);
    options.progress = [](int64_t searched) {
        EM_ASM({ if (Module.onSolveProgress) Module.onSolveProgress($0); }, static_cast<double>(searched));
    };
    const q::floors::Solution s = q::floors::Solve(Current().floor, options);
    if (s.found) {
        Current().floor.demo = s.demo;
        Current().floor.stats = q::floors::StatsLine(s);
    }
    return Reply(std::string("{\"found\":") + (s.found ? "true" : "false") +
                 ",\"exhausted\":" + (s.exhausted ? "true" : "false") + ",\"byTile\":" + (s.byTile ? "true" : "false") +
                 ",\"lifts\":" + std::to_string(s.lifts) + ",\"putDowns\":" + std::to_string(s.putDowns) +
                 ",\"steps\":" + std::to_string(s.steps) + ",\"searched\":" + std::to_string(s.statesSearched) +
                 ",\"seconds\":" + std::to_string(s.seconds) + "}");
}

}  // extern "C"
