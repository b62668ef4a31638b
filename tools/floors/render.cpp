// `render`: each floor's map as a PNG, and a contact sheet of the whole set.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "floors/commands.hpp"
#include "floors/floor_set.hpp"
#include "floors/render_map.hpp"
#include "floors/sections.hpp"
#include "world/floor.hpp"

namespace q::floors {

namespace {

// The sheet shows each floor at a quarter of its size, ten floors a row.
constexpr int kSheetScale = 4;
constexpr int kSheetColumns = 10;
// The sections' sheet shows each section's first floor at half its size.
constexpr int kSectionScale = 2;

// data.dat of the working folder, as the game itself reads it; otherwise the
// one `make` builds into the game's folder.
std::string DefaultDataPath() {
    std::error_code ec;
    if (std::filesystem::is_regular_file("data.dat", ec)) return "data.dat";
    return std::string(QUORREL_ASSET_DIR) + "/../build/game/data.dat";
}

std::string MapFileName(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "floor-%02d.png", n);
    return name;
}

// The rows of a map the view shows when the floor begins.
Picture StartView(const Picture& map, const Floor& floor) {
    const int top = std::max(0, std::min(floor.startRow * kTileSize, map.height - kScreenHeight));
    Picture view(map.width, std::min(kScreenHeight, map.height), 0xFF000000u);
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x) view.Set(x, y, map.At(x, top + y));
    return view;
}

bool WritePicture(const std::string& path, const Picture& picture, std::string& error) {
    const std::vector<uint8_t> png = EncodePng(picture);
    if (png.empty()) {
        error = path + ": nothing to write";
        return false;
    }
    return WriteWholeFile(path, png.data(), png.size(), error);
}

}  // namespace

int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Arguments a;
    CommandLine line("render", "Draws each floor's map and contact sheets of the set as PNG pictures.", a);
    line.Sources();
    line.Numbers("the floors to draw (every floor, and the sheets, when none is named)");
    line.app.add_option("--data", a.data, "the data.dat whose atlas draws the floors")->type_name("DATA.DAT");
    line.app.add_option("--out", a.out, "the folder to draw into")->type_name("DIR")->required();
    int status = 0;
    if (!line.Read(args, out, err, status)) return status;
    std::string error;
    const std::string data = a.data.empty() ? DefaultDataPath() : a.data;
    MapPainter painter;
    if (!painter.Open(data, error)) {
        err << "quorrel-floors render: " << error << " (build it with `make game-dir` or name one with --data)\n";
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(a.out, ec);

    const bool wholeSet = a.numbers.empty();
    std::vector<int> numbers = a.numbers;
    for (int n = 1; wholeSet && n <= kFloorCount; ++n) numbers.push_back(n);

    int faults = 0;
    std::vector<SheetEntry> sheet;
    // The first floor of each section of the tower, as play begins there.
    std::vector<SheetEntry> sections;
    for (int n : numbers) {
        const std::string source = (std::filesystem::path(a.sources) / SourceFileName(n)).string();
        Floor floor;
        if (!LoadFloorFile(source, floor, error)) {
            err << error << "\n";
            ++faults;
            continue;
        }
        Picture map = painter.PaintFloor(floor);
        const Section* section = SectionOfFloor(n);
        if (section && section->firstFloor == n)
            sections.push_back({ScaleDown(StartView(map, floor), kSectionScale), painter.PaintNumber(n)});
        SheetEntry entry{ScaleDown(map, kSheetScale), painter.PaintNumber(n)};
        MarkStartAndExits(entry.map, floor, kSheetScale);
        MarkStartAndExits(map, floor, 1);
        const std::string path = (std::filesystem::path(a.out) / MapFileName(n)).string();
        if (!WritePicture(path, map, error)) {
            err << error << "\n";
            return 1;
        }
        sheet.push_back(std::move(entry));
    }
    // A sheet of some floors would stand in for the set's: it is drawn only
    // when every floor was.
    if (wholeSet && faults == 0) {
        const std::string path = (std::filesystem::path(a.out) / "contact-sheet.png").string();
        if (!WritePicture(path, ContactSheet(sheet, kSheetColumns), error)) {
            err << error << "\n";
            return 1;
        }
        const std::string sectionsPath = (std::filesystem::path(a.out) / "sections.png").string();
        if (!WritePicture(sectionsPath, ContactSheet(sections, static_cast<int>(sections.size())), error)) {
            err << error << "\n";
            return 1;
        }
    }
    out << a.out << ": " << sheet.size() << " floor maps" << (wholeSet && faults == 0 ? ", the contact sheet and the sections' sheet" : "")
        << "\n";
    return faults ? 1 : 0;
}

}  // namespace q::floors
