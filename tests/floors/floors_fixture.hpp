#pragma once
// Floor sources written by tests, folders that hold them, and the commands of
// quorrel-floors run in-process.
//
//   test::SourceFloor f(30);            // walls at both sides, stone below
//   f.Objects(26, 3, "P").Objects(26, 30, "E");
//   test::TempFolder dir;
//   test::WriteStandInSet(dir.Path());  // 57 playable stand-ins
//   dir.Write("floor-03.txt", f.Text());
//   auto run = test::RunTool(floors::RunLint, {"--sources", dir.Path(), "3"});
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "floors/commands.hpp"
#include "floors/floor_source.hpp"

namespace q::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorrel-floors-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (mkdtemp(buffer.data())) path_ = buffer.data();
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Joined as the tools join their paths (a backslash on Windows).
    std::string File(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
        out << text;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Has(const std::string& name) const { return std::filesystem::exists(File(name)); }
    // Names of the files in a folder, sorted.
    static std::vector<std::string> ListOf(const std::string& dir) {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(dir, ec)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

// A floor source built up in a test: `rows` rows, stone walls in columns 0
// and 39, the last two rows stone, nothing else. Its layout is fixed, so a
// test knows the line of every part.
class SourceFloor {
public:
    explicit SourceFloor(int rows, int start = 0) : rows_(rows), start_(start) {
        for (int r = 0; r < rows; ++r) {
            terrain_.push_back(r >= rows - 2 ? std::string(40, '#') : "#" + std::string(38, '.') + "#");
            objects_.push_back(std::string(40, '.'));
        }
    }
    SourceFloor& Tiles(int row, int column, const std::string& cells) {
        terrain_.at(static_cast<size_t>(row)).replace(static_cast<size_t>(column), cells.size(), cells);
        return *this;
    }
    SourceFloor& Objects(int row, int column, const std::string& cells) {
        objects_.at(static_cast<size_t>(row)).replace(static_cast<size_t>(column), cells.size(), cells);
        return *this;
    }
    SourceFloor& Name(const std::string& name) { name_ = name; return *this; }
    // Header lines put after the name: "ideas: ...", "stats: ...".
    SourceFloor& Header(const std::string& lines) { header_ = lines; return *this; }
    SourceFloor& Demo(const std::string& demo) { demo_ = demo; return *this; }
    // Replaces a line of the text as written (1-based), to damage it.
    SourceFloor& ReplaceLine(int line, const std::string& text) {
        replaced_.emplace_back(line, text);
        return *this;
    }

    int RowsLine() const { return 2 + HeaderLines(); }
    int StartLine() const { return RowsLine() + 1; }
    int TerrainHeadingLine() const { return RowsLine() + 2; }
    int TerrainLine(int row) const { return TerrainHeadingLine() + 1 + row; }
    int ObjectsHeadingLine() const { return TerrainHeadingLine() + rows_ + 1; }
    int ObjectLine(int row) const { return ObjectsHeadingLine() + 1 + row; }
    int DemoLine() const { return ObjectsHeadingLine() + rows_ + 2; }

    std::string Text() const {
        std::vector<std::string> lines{"name: " + name_};
        std::istringstream header(header_);
        for (std::string l; std::getline(header, l);) lines.push_back(l);
        lines.push_back("rows: " + std::to_string(rows_));
        lines.push_back("start: " + std::to_string(start_));
        lines.push_back("terrain:");
        for (int r = 0; r < rows_; ++r) lines.push_back("|" + terrain_[static_cast<size_t>(r)] + "| " + std::to_string(r));
        lines.push_back("objects:");
        for (int r = 0; r < rows_; ++r) lines.push_back("|" + objects_[static_cast<size_t>(r)] + "| " + std::to_string(r));
        lines.push_back("demo:");
        lines.push_back(demo_);
        for (const auto& [line, text] : replaced_) lines.at(static_cast<size_t>(line - 1)) = text;
        std::string out;
        for (const std::string& l : lines) out += l + "\n";
        return out;
    }

private:
    int HeaderLines() const {
        int n = 0;
        std::istringstream header(header_);
        for (std::string l; std::getline(header, l);) ++n;
        return n;
    }

    int rows_;
    int start_;
    std::string name_ = "Test floor";
    std::string header_;
    std::string demo_;
    std::vector<std::string> terrain_, objects_;
    std::vector<std::pair<int, std::string>> replaced_;
};

// A floor the player clears by walking right: it stands on the stone floor
// two cells left of a door.
inline SourceFloor WalkRightFloor() {
    SourceFloor f(30);
    f.Tiles(25, 6, "n").Tiles(26, 6, "d");
    f.Objects(26, 3, "P").Objects(26, 6, "E");
    f.Name("Walk right").Demo("R40");
    return f;
}

// Every slot of a set filled with the walk-right floor, so the tools that need
// all 57 sources have them.
inline void WriteStandInSet(const TempFolder& dir) {
    for (int n = 1; n <= kFloorCount; ++n) dir.Write(floors::SourceFileName(n), WalkRightFloor().Text());
}

// The project's own sources copied in, a stand-in where a slot has none yet.
inline int WriteRealSet(const TempFolder& dir) {
    WriteStandInSet(dir);
    int real = 0;
    for (int n = 1; n <= kFloorCount; ++n) {
        const std::filesystem::path source = std::filesystem::path(floors::DefaultSourceDir()) / floors::SourceFileName(n);
        std::error_code ec;
        if (!std::filesystem::exists(source, ec)) continue;
        std::filesystem::copy_file(source, dir.File(floors::SourceFileName(n)),
                                   std::filesystem::copy_options::overwrite_existing, ec);
        if (!ec) ++real;
    }
    return real;
}

struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(floors::CommandRun command, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    ToolRun run;
    run.code = command(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

}  // namespace q::test
