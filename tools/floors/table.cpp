#include "floors/table.hpp"

#include <filesystem>
#include <ostream>
#include <sstream>

#include "floors/commands.hpp"
#include "floors/floor_set.hpp"

namespace q::floors {

namespace {

constexpr int kLastFloor = 57;

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

std::string DifficultyTable(const std::vector<TableRow>& rows) {
    std::ostringstream out;
    out << "| Floor | Name | Rows | Ideas | Demo steps | Lifts | Put-downs | Worlds searched | Blocks moved |\n"
        << "|---:|---|---:|---|---:|---:|---:|---:|---:|\n";
    for (const TableRow& row : rows) {
        const Floor& f = *row.floor;
        std::string ideas;
        for (const std::string& idea : f.ideas) ideas += (ideas.empty() ? "" : ", ") + idea;
        out << "| " << row.number << " | " << Cell(f.name) << " | " << f.rows << " | " << Cell(ideas) << " | ";
        if (f.demo.empty())
            out << "-";
        else
            out << f.demo.size();
        SolverStats s;
        if (ParseSolverStats(f.stats, s))
            out << " | " << s.lifts << " | " << s.putDowns << " | " << s.searched << " | " << s.blocksMoved << "/"
                << s.blockCount << " |\n";
        else
            out << " | - | - | - | - |\n";
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

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    std::string error;
    if (!ReadArguments(args, a, error)) {
        err << "quorrel-floors table: " << error << "\n";
        return 1;
    }
    std::vector<int> numbers = a.numbers;
    if (numbers.empty())
        for (int n = 1; n <= kLastFloor; ++n) numbers.push_back(n);
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
