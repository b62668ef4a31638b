#include "floors/table.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>

#include "floors/commands.hpp"
#include "floors/curve.hpp"
#include "floors/floor_set.hpp"
#include "floors/playtests.hpp"
#include "world/floor.hpp"

namespace q::floors {

namespace {

std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

bool ReadCount(const std::string& text, int64_t& out) {
    if (text.empty() || text.size() > 15) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    out = std::stoll(text);
    return true;
}

// A cell of a Markdown table: a bar inside it would end the cell.
std::string Cell(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '|') out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

bool ParseSolverStats(const std::string& line, SolverStats& out) {
    out = SolverStats{};
    bool seen[5] = {};
    std::istringstream parts(line);
    for (std::string part; std::getline(parts, part, ',');) {
        part = Trim(part);
        const size_t space = part.rfind(' ');
        if (space == std::string::npos) return false;
        const std::string key = Trim(part.substr(0, space));
        const std::string value = part.substr(space + 1);
        int64_t n = 0, m = 0;
        if (key == "blocks moved") {
            const size_t slash = value.find('/');
            if (slash == std::string::npos || !ReadCount(value.substr(0, slash), n) ||
                !ReadCount(value.substr(slash + 1), m))
                return false;
            out.blocksMoved = static_cast<int>(n);
            out.blockCount = static_cast<int>(m);
            seen[4] = true;
            continue;
        }
        if (!ReadCount(value, n)) return false;
        if (key == "lifts") {
            out.lifts = static_cast<int>(n);
            seen[0] = true;
        } else if (key == "put-downs") {
            out.putDowns = static_cast<int>(n);
            seen[1] = true;
        } else if (key == "steps") {
            out.steps = static_cast<int>(n);
            seen[2] = true;
        } else if (key == "searched") {
            out.searched = n;
            seen[3] = true;
        } else {
            return false;
        }
    }
    for (bool s : seen)
        if (!s) return false;
    return true;
}

namespace {

std::string Share(int64_t part, int64_t whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f%%", 100.0 * static_cast<double>(part) / static_cast<double>(whole));
    return text;
}

// The ideas proved, then those a search could not decide, marked "?".
std::string IdeasCell(const FloorMeasures& m) {
    std::string out = IdeaList(m.proved);
    for (int i = 0; i < kIdeaCount; ++i) {
        const Idea idea = static_cast<Idea>(i);
        if (Has(m.inconclusive, idea)) out += (out.empty() ? "" : ", ") + std::string(IdeaName(idea)) + "?";
    }
    return out;
}

}  // namespace

std::string DifficultyTable(const std::vector<TableRow>& rows) {
    std::ostringstream out;
    out << "| Floor | Name | Rows | Climbed | Ideas proved | Lifts | Lifts per landing | Reachable worlds | Dead ends | "
           "Commitments | Naive clears | Blocks moved | Playtest |\n"
        << "|---:|---|---:|---:|---|---:|---:|---:|---:|---:|---|---:|---|\n";
    for (const TableRow& row : rows) {
        const Floor& f = *row.floor;
        out << "| " << row.number << " | " << Cell(f.name) << " | " << f.rows << " | " << RowsClimbed(f) << " | ";
        const FloorMeasures* m = row.measures;
        SolverStats s;
        if (m && m->solved) {
            s.lifts = m->lifts;
            s.blocksMoved = m->blocksMoved;
            s.blockCount = m->blocks;
        }
        // Unmeasured, the lifts and blocks come from the stats line.
        const bool way = (m && m->solved) || (!m && ParseSolverStats(f.stats, s));
        out << (m ? Cell(IdeasCell(*m)) : "-") << " | " << (way ? std::to_string(s.lifts) : "-") << " | ";
        if (m && m->landings > 0) {
            char text[16];
            std::snprintf(text, sizeof text, "%.1f", static_cast<double>(m->lifts) / m->landings);
            out << text;
        } else {
            out << "-";
        }
        out << " | ";
        if (!m)
            out << "- | - | -";
        else if (!m->depth.complete)
            out << "over " << m->depth.worlds << " | - | -";
        else
            out << m->depth.worlds << " | " << (m->depth.settled ? Share(m->depth.settledDead, m->depth.settled) : "-")
                << " | " << (m->solved ? std::to_string(m->depth.commitments) : "-");
        out << " | " << (m ? (m->naiveClears ? "yes" : "no") : "-") << " | ";
        if (way)
            out << s.blocksMoved << "/" << s.blockCount;
        else
            out << "-";
        out << " | " << Cell(row.playtest) << " |\n";
    }
    return out.str();
}

bool PutTable(const std::string& readme, const std::string& table, std::string& out, std::string& error) {
    const size_t begin = readme.find(kTableBegin);
    const size_t end = readme.find(kTableEnd);
    if (begin == std::string::npos || end == std::string::npos || end < begin) {
        error = std::string("needs the lines ") + kTableBegin + " and, after it, " + kTableEnd;
        return false;
    }
    const size_t after = begin + std::string(kTableBegin).size();
    out = readme.substr(0, after) + "\n\n" + table + "\n" + readme.substr(end);
    return true;
}

namespace {

// A file the table reads beside the sources, if it is there; false, with the
// fault named, when it is there and cannot be read.
bool ReadFileBeside(const std::string& path, std::ostream& err,
                    const std::function<bool(const std::string&, std::string&)>& read) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true;
    std::vector<uint8_t> bytes;
    std::string error;
    if (ReadWholeFile(path, bytes, error) && read(std::string(bytes.begin(), bytes.end()), error)) return true;
    err << "quorrel-floors table: " << path << ": " << error << "\n";
    return false;
}

}  // namespace

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    CommandLine line("table", "Prints the difficulty table of the floors, or writes it into a README.", a);
    line.Sources();
    line.Numbers("the floors of the table (every floor when none is named)");
    line.app.add_flag("--measure", a.measure, "measure the floors named and keep the figures in measures.txt");
    line.MaxStates();
    line.app.add_option("--curve", a.curve, "draw the difficulty curve there")->type_name("PNG");
    CLI::Option* write = line.app.add_option("--write", a.write, "write the table between the markers of FILE (DIR/README.md)")
                             ->type_name("[FILE]")
                             ->expected(0, 1);
    // A floor number after --write is a floor of the table, not the file.
    std::vector<std::string> ordered = args;
    const auto at = std::find(ordered.begin(), ordered.end(), "--write");
    if (at != ordered.end() && at + 1 != ordered.end() && !at[1].empty() &&
        at[1].find_first_not_of("0123456789") == std::string::npos)
        std::rotate(at, at + 1, ordered.end());
    int status = 0;
    if (!line.Read(ordered, out, err, status)) return status;
    a.writeBack = write->count() > 0;
    std::string error;
    std::vector<int> numbers = a.numbers;
    if (numbers.empty())
        for (int n = 1; n <= kFloorCount; ++n) numbers.push_back(n);
    std::vector<Floor> floors(numbers.size());
    std::vector<TableRow> rows;
    int faults = 0;
    for (size_t i = 0; i < numbers.size(); ++i) {
        const std::string path = (std::filesystem::path(a.sources) / SourceFileName(numbers[i])).string();
        if (!LoadFloorFile(path, floors[i], error)) {
            err << error << "\n";
            ++faults;
            continue;
        }
        rows.push_back({numbers[i], &floors[i]});
    }
    if (faults) return 1;

    // The measures beside the sources; --measure refreshes the floors named.
    const std::string measuresPath = (std::filesystem::path(a.sources) / kMeasuresFile).string();
    std::map<int, FloorMeasures> measures;
    if (!ReadFileBeside(measuresPath, err, [&](const std::string& text, std::string& e) {
            return ReadMeasures(text, measures, e);
        }))
        return 1;
    if (a.measure) {
        MeasureOptions options;
        options.maxStates = a.maxStates;
        for (const TableRow& row : rows) {
            if (row.number == kEndingFloor) continue;  // the ending is watched, not played
            measures[row.number] = MeasureFloor(*row.floor, options);
            // Measuring takes minutes: the file is read again before each write,
            // so the floors another run measured meanwhile keep their new lines.
            std::map<int, FloorMeasures> onDisk;
            std::vector<uint8_t> bytes;
            if (ReadWholeFile(measuresPath, bytes, error) &&
                ReadMeasures(std::string(bytes.begin(), bytes.end()), onDisk, error)) {
                for (const auto& [n, m] : onDisk)
                    if (std::none_of(rows.begin(), rows.end(), [n = n](const TableRow& r) { return r.number == n; }))
                        measures[n] = m;
            }
            // Written floor by floor, so an interrupted run keeps what it measured.
            if (!WriteWholeFile(measuresPath, WriteMeasures(measures), error)) {
                err << "quorrel-floors table: " << error << "\n";
                return 1;
            }
            err << "floor " << row.number << " measured\n";
        }
    }
    // What first-time players made of the floors, matched by the floor's key.
    std::vector<Playtest> playtests;
    if (!ReadFileBeside((std::filesystem::path(a.sources) / kPlaytestsFile).string(), err,
                        [&](const std::string& text, std::string& e) { return ReadPlaytests(text, playtests, e); }))
        return 1;
    std::vector<int> unmeasured;
    for (TableRow& row : rows) {
        const auto it = measures.find(row.number);
        row.playtest = PlaytestCell(playtests, FloorKey(*row.floor));
        if (it != measures.end() && it->second.key == FloorKey(*row.floor))
            row.measures = &it->second;
        else if (row.number != kEndingFloor)
            unmeasured.push_back(row.number);
    }
    if (!unmeasured.empty()) {
        err << "quorrel-floors table: not measured as they stand:";
        for (int n : unmeasured) err << " " << n;
        err << " (quorrel-floors table --measure N... measures them)\n";
    }
    if (!a.curve.empty()) {
        std::vector<CurveFloor> curve;
        for (const TableRow& row : rows)
            if (row.number != kEndingFloor) curve.push_back({row.number, RowsClimbed(*row.floor), row.measures});
        const std::vector<uint8_t> png = assets::EncodePng(DrawCurve(curve));
        if (!WriteWholeFile(a.curve, png.data(), png.size(), error)) {
            err << "quorrel-floors table: " << error << "\n";
            return 1;
        }
    }

    const std::string table = DifficultyTable(rows);
    if (!a.writeBack) {
        out << table;
        return 0;
    }
    const std::string path =
        a.write.empty() ? (std::filesystem::path(a.sources) / "README.md").string() : a.write;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, error)) {
        err << "quorrel-floors table: " << error << "\n";
        return 1;
    }
    std::string text;
    if (!PutTable(std::string(bytes.begin(), bytes.end()), table, text, error)) {
        err << "quorrel-floors table: " << path << ": " << error << "\n";
        return 1;
    }
    if (!WriteWholeFile(path, text, error)) {
        err << "quorrel-floors table: " << error << "\n";
        return 1;
    }
    out << path << ": table of " << rows.size() << " floors\n";
    return 0;
}

}  // namespace q::floors
