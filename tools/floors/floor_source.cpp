#include "floors/floor_source.hpp"

#include <cstdio>
#include <sstream>

#include "floors/legend.hpp"

namespace q::floors {

namespace {

constexpr int kHeaderBytes = kFloorCount * 4;
constexpr size_t kDemoLineWidth = 72;

struct CommandSymbol {
    char symbol;
    uint8_t byte;
};
constexpr CommandSymbol kCommandSymbols[] = {{'.', CMD_NONE}, {'R', CMD_RIGHT}, {'L', CMD_LEFT}, {'D', CMD_DOWN}, {'U', CMD_UP}, {'A', CMD_ACTION}};

std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    const size_t b = s.find_last_not_of(" \t\r");
    return s.substr(a, b - a + 1);
}

bool ParseInt(const std::string& text, long long& out) {
    if (text.empty()) return false;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size() || text.size() > 12) return false;
    for (size_t j = i; j < text.size(); ++j)
        if (text[j] < '0' || text[j] > '9') return false;
    out = std::stoll(text);
    return true;
}

void PutInt32(std::vector<uint8_t>& out, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

int32_t GetInt32(const std::vector<uint8_t>& b, size_t at) {
    const uint32_t v = static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
                       (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
    return static_cast<int32_t>(v);
}

// A layer row between bars: "|....#...|".
bool ParseLayerRow(const std::string& line, bool tiles, std::vector<int8_t>& layer, std::string& error) {
    const std::string t = Trim(line);
    if (t.size() < 2 || t[0] != '|') {
        error = "a row must be " + std::to_string(kColumns) + " cells between two bars, |....|";
        return false;
    }
    // The closing bar is found by its place: a pillar is drawn with a bar too.
    const size_t end = 1 + kColumns;
    if (t.size() <= end || t[end] != '|') {
        error = "a row must be exactly " + std::to_string(kColumns) + " cells between its bars";
        return false;
    }
    for (size_t i = 1; i < end; ++i) {
        const int v = tiles ? TileForSymbol(t[i]) : ObjectForSymbol(t[i]);
        if (v < 0) {
            error = std::string("'") + t[i] + "' at column " + std::to_string(i - 1) + " is not in the " +
                    (tiles ? "terrain" : "object") + " legend";
            return false;
        }
        layer.push_back(static_cast<int8_t>(v));
    }
    return true;
}

std::vector<std::string> SplitIdeas(const std::string& value) {
    std::vector<std::string> ideas;
    std::istringstream words(value);
    for (std::string w; std::getline(words, w, ',');)
        if (!Trim(w).empty()) ideas.push_back(Trim(w));
    return ideas;
}

// "STEP ROW ideas: a, b" or "STEP exit ideas: a, b"; the ideas part may be left out.
bool ParseStage(const std::string& value, Stage& out, std::string& error) {
    std::istringstream words(value);
    std::string step, goal, rest;
    long long n = 0;
    error = "a stage is 'stage: STEP ROW ideas: IDEA, ...' (ROW 'exit' for the last)";
    if (!(words >> step >> goal) || !ParseInt(step, n) || n < 0 || n > kMaxDemoLength) return false;
    out.step = static_cast<int32_t>(n);
    if (goal == "exit") {
        out.goalRow = -1;
    } else {
        if (!ParseInt(goal, n) || n < 0 || n >= kMaxFloorRows) return false;
        out.goalRow = static_cast<int32_t>(n);
    }
    std::getline(words, rest);
    rest = Trim(rest);
    if (!rest.empty()) {
        if (rest.rfind("ideas:", 0) != 0) return false;
        out.ideas = SplitIdeas(rest.substr(6));
    }
    return true;
}

// Stages follow the demo in order, each but the last ending at a row inside
// the floor, the last at the exit.
bool CheckStages(const Floor& f, SourceError& error) {
    for (size_t i = 0; i < f.stages.size(); ++i) {
        const Stage& s = f.stages[i];
        const bool last = i + 1 == f.stages.size();
        error.line = s.line;
        if (i > 0 && s.step <= f.stages[i - 1].step) {
            error.message = "stages begin in the order the demo reaches them, each at a later step";
            return false;
        }
        if (last && s.goalRow >= 0) {
            error.message = "the last stage ends at the exit: 'stage: STEP exit ...'";
            return false;
        }
        if (!last && s.goalRow < 0) {
            error.message = "only the last stage ends at the exit; this one needs a row";
            return false;
        }
        if (s.goalRow >= f.rows) {
            error.message = "the stage's row is outside the floor's " + std::to_string(f.rows) + " rows";
            return false;
        }
        if (s.step > static_cast<int32_t>(f.demo.size())) {
            error.message = "the stage begins after the demo's " + std::to_string(f.demo.size()) + " steps";
            return false;
        }
    }
    return true;
}

}  // namespace

std::string SourceFileName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "floor-%02d.txt", n);
    return name;
}

std::string DemoText(const std::vector<uint8_t>& demo) {
    std::string out, line;
    for (size_t i = 0; i < demo.size();) {
        size_t j = i;
        while (j < demo.size() && demo[j] == demo[i]) ++j;
        std::string token;
        for (const CommandSymbol& c : kCommandSymbols)
            if (c.byte == demo[i]) token = std::string(1, c.symbol);
        if (token.empty()) token = "{" + std::to_string(demo[i]) + "}";
        if (j - i > 1) token += std::to_string(j - i);
        if (!line.empty() && line.size() + 1 + token.size() > kDemoLineWidth) {
            out += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + token;
        i = j;
    }
    if (!line.empty()) out += line + "\n";
    return out;
}

bool ParseDemoText(const std::string& text, std::vector<uint8_t>& out, std::string& error) {
    std::istringstream in(text);
    for (std::string token; in >> token;) {
        size_t i = 0;
        int byte = -1;
        if (token[0] == '{') {
            const size_t close = token.find('}');
            long long v = 0;
            if (close == std::string::npos || !ParseInt(token.substr(1, close - 1), v) || v < 0 || v > 255) {
                error = "'" + token + "': a byte is written {0..255}";
                return false;
            }
            byte = static_cast<int>(v);
            i = close + 1;
        } else {
            for (const CommandSymbol& c : kCommandSymbols)
                if (c.symbol == token[0]) byte = c.byte;
            if (byte < 0) {
                error = "'" + token + "' is not a command (. R L D U A or {n})";
                return false;
            }
            i = 1;
        }
        long long count = 1;
        if (i < token.size() && (!ParseInt(token.substr(i), count) || count < 1 || count > kMaxDemoLength)) {
            error = "'" + token + "': the count after a command is 1 or more";
            return false;
        }
        if (out.size() + static_cast<size_t>(count) > static_cast<size_t>(kMaxDemoLength)) {
            error = "the demo is longer than " + std::to_string(kMaxDemoLength) + " steps";
            return false;
        }
        out.insert(out.end(), static_cast<size_t>(count), static_cast<uint8_t>(byte));
    }
    return true;
}

bool ParseFloorSource(const std::string& text, Floor& out, SourceError& error) {
    out = Floor{};
    enum class Section { Header, Terrain, Objects, Cells, Demo } section = Section::Header;
    bool haveRows = false, haveStart = false, haveName = false;
    int terrainLine = 0, objectsLine = 0;
    std::string demoText;
    std::istringstream in(text);
    int lineNumber = 0;
    auto fail = [&](const std::string& message) {
        error = {lineNumber, message};
        return false;
    };
    std::vector<std::pair<int, std::string>> cellLines;
    for (std::string raw; std::getline(in, raw);) {
        ++lineNumber;
        const std::string line = Trim(raw);
        if (line.empty() || line[0] == '#') continue;
        if (line == "terrain:") {
            section = Section::Terrain;
            terrainLine = lineNumber;
            out.terrainLine = lineNumber;
            continue;
        }
        if (line == "objects:") {
            section = Section::Objects;
            objectsLine = lineNumber;
            out.objectsLine = lineNumber;
            continue;
        }
        if (line == "cells:") {
            section = Section::Cells;
            continue;
        }
        if (line == "demo:") {
            section = Section::Demo;
            continue;
        }
        std::string message;
        switch (section) {
            case Section::Header: {
                const size_t colon = line.find(':');
                if (colon == std::string::npos) return fail("expected 'key: value' or a section (terrain:, objects:, demo:)");
                const std::string key = Trim(line.substr(0, colon));
                const std::string value = Trim(line.substr(colon + 1));
                long long n = 0;
                if (key == "name") {
                    out.name = value;
                    haveName = true;
                } else if (key == "ideas") {
                    for (std::string& w : SplitIdeas(value)) out.ideas.push_back(std::move(w));
                } else if (key == "stage") {
                    Stage stage;
                    stage.line = lineNumber;
                    if (!ParseStage(value, stage, message)) return fail(message);
                    out.stages.push_back(std::move(stage));
                } else if (key == "teaching") {
                    if (value != "yes" && value != "no") return fail("teaching is yes or no");
                    out.teaching = value == "yes";
                } else if (key == "stats") {
                    out.stats = value;
                } else if (key == "rows") {
                    if (!ParseInt(value, n) || n < 1 || n > kMaxFloorRows) return fail("rows must be 1.." + std::to_string(kMaxFloorRows));
                    out.rows = static_cast<int32_t>(n);
                    out.rowsLine = lineNumber;
                    haveRows = true;
                } else if (key == "start") {
                    if (!ParseInt(value, n) || n < -kStartRowLimit || n > kStartRowLimit)
                        return fail("start must be a row number");
                    out.startRow = static_cast<int32_t>(n);
                    out.startLine = lineNumber;
                    haveStart = true;
                } else {
                    return fail("unknown key '" + key + "'");
                }
                break;
            }
            case Section::Terrain:
                if (!ParseLayerRow(line, true, out.tiles, message)) return fail(message);
                break;
            case Section::Objects:
                if (!ParseLayerRow(line, false, out.objects, message)) return fail(message);
                break;
            case Section::Cells:
                cellLines.emplace_back(lineNumber, line);
                break;
            case Section::Demo:
                demoText += line + "\n";
                {
                    std::vector<uint8_t> scratch;
                    if (!ParseDemoText(line, scratch, message)) return fail(message);
                }
                break;
        }
    }
    if (!haveName) return fail("the floor has no name: line");
    if (!haveRows) return fail("the floor has no rows: line");
    if (!haveStart) return fail("the floor has no start: line");
    const size_t cells = static_cast<size_t>(out.rows) * kColumns;
    if (out.tiles.size() != cells) {
        lineNumber = terrainLine;
        return fail("terrain has " + std::to_string(out.tiles.size() / kColumns) + " rows, the floor " +
                    std::to_string(out.rows));
    }
    if (out.objects.size() != cells) {
        lineNumber = objectsLine;
        return fail("objects has " + std::to_string(out.objects.size() / kColumns) + " rows, the floor " +
                    std::to_string(out.rows));
    }
    // Cells whose byte no legend symbol stands for: "tile|object COLUMN ROW VALUE".
    for (const auto& [at, line] : cellLines) {
        lineNumber = at;
        std::istringstream words(line);
        std::string layer, c, r, v;
        long long column = 0, row = 0, value = 0;
        if (!(words >> layer >> c >> r >> v) || (layer != "tile" && layer != "object") || !ParseInt(c, column) ||
            !ParseInt(r, row) || !ParseInt(v, value))
            return fail("a cell line is 'tile COLUMN ROW VALUE' or 'object COLUMN ROW VALUE'");
        if (column < 0 || column >= kColumns || row < 0 || row >= out.rows || value < -128 || value > 127)
            return fail("cell outside the floor or value outside -128..127");
        (layer == "tile" ? out.tiles : out.objects)[static_cast<size_t>(row * kColumns + column)] =
            static_cast<int8_t>(value);
    }
    std::string message;
    if (!ParseDemoText(demoText, out.demo, message)) return fail(message);
    return CheckStages(out, error);
}

std::string WriteFloorSource(const Floor& floor, int number) {
    std::ostringstream out;
    out << "# Quorrel floor " << number << ". Legend in README.md; one character a cell.\n";
    out << "name: " << floor.name << "\n";
    if (!floor.ideas.empty()) {
        out << "ideas: ";
        for (size_t i = 0; i < floor.ideas.size(); ++i) out << (i ? ", " : "") << floor.ideas[i];
        out << "\n";
    }
    for (const Stage& s : floor.stages) {
        out << "stage: " << s.step << " " << (s.goalRow < 0 ? std::string("exit") : std::to_string(s.goalRow));
        if (!s.ideas.empty()) {
            out << " ideas: ";
            for (size_t i = 0; i < s.ideas.size(); ++i) out << (i ? ", " : "") << s.ideas[i];
        }
        out << "\n";
    }
    if (floor.teaching) out << "teaching: yes\n";
    if (!floor.stats.empty()) out << "stats: " << floor.stats << "\n";
    out << "rows: " << floor.rows << "\n";
    out << "start: " << floor.startRow << "\n";
    std::vector<std::string> cells;
    for (int layer = 0; layer < 2; ++layer) {
        out << (layer == 0 ? "terrain:\n" : "objects:\n");
        for (int row = 0; row < floor.rows; ++row) {
            out << '|';
            for (int column = 0; column < kColumns; ++column) {
                const int8_t v = layer == 0 ? floor.Tile(column, row) : floor.Object(column, row);
                char s = layer == 0 ? SymbolForTile(v) : SymbolForObject(v);
                if (!s) {
                    s = '.';
                    cells.push_back(std::string(layer == 0 ? "tile " : "object ") + std::to_string(column) + " " +
                                    std::to_string(row) + " " + std::to_string(v));
                }
                out << s;
            }
            char label[16];
            std::snprintf(label, sizeof label, "| %d\n", row);
            out << label;
        }
    }
    if (!cells.empty()) {
        out << "cells:\n";
        for (const std::string& c : cells) out << c << "\n";
    }
    out << "demo:\n" << DemoText(floor.demo);
    return out.str();
}

std::vector<uint8_t> BuildFloorDat(const std::vector<Floor>& floors) {
    std::vector<uint8_t> body;
    std::vector<int32_t> offsets;
    for (const Floor& f : floors) {
        offsets.push_back(static_cast<int32_t>(body.size()));
        PutInt32(body, f.rows);
        PutInt32(body, f.startRow);
        body.insert(body.end(), reinterpret_cast<const uint8_t*>(f.tiles.data()),
                    reinterpret_cast<const uint8_t*>(f.tiles.data()) + f.tiles.size());
        body.insert(body.end(), reinterpret_cast<const uint8_t*>(f.objects.data()),
                    reinterpret_cast<const uint8_t*>(f.objects.data()) + f.objects.size());
        PutInt32(body, static_cast<int32_t>(f.demo.size()));
        body.insert(body.end(), f.demo.begin(), f.demo.end());
    }
    std::vector<uint8_t> out;
    for (int i = 0; i < kFloorCount; ++i) PutInt32(out, i < static_cast<int>(offsets.size()) ? offsets[i] : 0);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

bool ReadFloorDat(const std::vector<uint8_t>& bytes, std::vector<Floor>& out, std::string& error) {
    out.clear();
    if (bytes.size() < static_cast<size_t>(kHeaderBytes)) {
        error = "shorter than its header of " + std::to_string(kFloorCount) + " offsets";
        return false;
    }
    const int64_t size = static_cast<int64_t>(bytes.size());
    for (int n = 1; n <= kFloorCount; ++n) {
        const std::string floorName = "floor " + std::to_string(n) + ": ";
        const int64_t at = kHeaderBytes + static_cast<int64_t>(GetInt32(bytes, static_cast<size_t>(n - 1) * 4));
        if (at < kHeaderBytes || at + 8 > size) {
            error = floorName + "its record lies outside the file";
            return false;
        }
        Floor f;
        f.name = "Floor " + std::to_string(n);
        f.rows = GetInt32(bytes, static_cast<size_t>(at));
        f.startRow = GetInt32(bytes, static_cast<size_t>(at + 4));
        if (f.rows < 1 || f.rows > kMaxFloorRows) {
            error = floorName + "rows " + std::to_string(f.rows) + " outside 1.." + std::to_string(kMaxFloorRows);
            return false;
        }
        if (f.startRow < -kStartRowLimit || f.startRow > kStartRowLimit) {
            error = floorName + "start row " + std::to_string(f.startRow) + " is not one the game loads";
            return false;
        }
        const int64_t layer = static_cast<int64_t>(f.rows) * kColumns;
        const int64_t lengthAt = at + 8 + 2 * layer;
        if (lengthAt + 4 > size) {
            error = floorName + "its layers run past the end of the file";
            return false;
        }
        const int32_t length = GetInt32(bytes, static_cast<size_t>(lengthAt));
        if (length < 0 || length > kMaxDemoLength || lengthAt + 4 + length > size) {
            error = floorName + "demo length " + std::to_string(length) + " is not one the game loads";
            return false;
        }
        const auto* base = bytes.data();
        f.tiles.assign(reinterpret_cast<const int8_t*>(base + at + 8),
                       reinterpret_cast<const int8_t*>(base + at + 8 + layer));
        f.objects.assign(reinterpret_cast<const int8_t*>(base + at + 8 + layer),
                         reinterpret_cast<const int8_t*>(base + lengthAt));
        f.demo.assign(base + lengthAt + 4, base + lengthAt + 4 + length);
        out.push_back(std::move(f));
    }
    return true;
}

}  // namespace q::floors
