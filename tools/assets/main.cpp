// quorrel-assets [--out DIR] [--assets DIR] [--sounds DIR] [--icons DIR] [--icon FILE]:
// builds DIR/data.dat (the atlas, the eleven effects and the music),
// DIR/config.dat and DIR/atlas-preview.png. --assets names the folder holding
// the scores (sounds/, music/) when it is not the repository's assets/;
// --sounds also writes each sound as its own WAVE file there, to be listened
// to; --icons writes the desktop icon at every size there; --icon writes the
// Windows program icon (.ico).
// quorrel-assets --sheet OUT.png [--columns N] SHOT.png...: lays screenshots
// out on one contact sheet, to look over the art scene by scene.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "assets/audio.hpp"
#include "assets/archive_writer.hpp"
#include "assets/atlas.hpp"
#include "assets/contact_sheet.hpp"
#include "assets/game_data.hpp"
#include "assets/icon.hpp"
#include "platform/core/command_line.hpp"

namespace {

constexpr int kMostSheetColumns = 100;

int Fail(const std::string& error) {
    std::fprintf(stderr, "quorrel-assets: %s\n", error.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string out, sources, sounds, icons, icon, sheet;
    int columns = 6;
    std::vector<std::string> shots;
    CLI::App app("Paints and synthesises the pictures and sounds of Quorrel and packs them into data.dat; or lays "
                 "screenshots out on one contact sheet.",
                 "quorrel-assets");
    q::PrepareCommandLine(app);
    CLI::Option* outOption =
        app.add_option("--out", out, "write data.dat, config.dat and atlas-preview.png there")->type_name("DIR");
    CLI::Option* assets = app.add_option("--assets", sources,
                                         "the folder holding the scores (sounds/, music/) when it is not the "
                                         "source tree's assets/")
                              ->type_name("DIR");
    CLI::Option* soundsOption =
        app.add_option("--sounds", sounds, "also write each sound as a WAVE file there")->type_name("DIR");
    CLI::Option* iconsOption =
        app.add_option("--icons", icons, "also write the desktop icon at every size there")->type_name("DIR");
    CLI::Option* iconOption = app.add_option("--icon", icon, "write the Windows program icon (.ico)")->type_name("FILE");
    CLI::Option* sheetOption =
        app.add_option("--sheet", sheet, "lay the screenshots named after the options out on one sheet")
            ->type_name("OUT.png");
    CLI::Option* columnsOption = app.add_option("--columns", columns, "pictures a row of the sheet (6 by default)")
                                     ->type_name("N")
                                     ->check(CLI::Range(1, kMostSheetColumns));
    CLI::Option* shotsOption = app.add_option("shots", shots, "the screenshots of a sheet")
                                   ->type_name("SHOT.png")
                                   ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    sheetOption->excludes(outOption)->excludes(assets)->excludes(soundsOption)->excludes(iconsOption)->excludes(iconOption);
    columnsOption->needs(sheetOption);
    shotsOption->needs(sheetOption);
    app.callback([&] {
        if (sheetOption->count() && shots.empty()) throw CLI::RequiredError("--sheet OUT.png SHOT.png...");
        if (!sheetOption->count() && !outOption->count() && !iconOption->count())
            throw CLI::RequiredError("--out DIR or --icon FILE");
    });
    const q::CommandLineResult line = q::ReadCommandLine(app, argc, argv);
    if (!line.run) return q::ReportCommandLine(line, std::cout, std::cerr);

    std::string error;
    if (sheetOption->count()) {
        if (!q::assets::WriteContactSheet(sheet, shots, columns, &error)) return Fail(error);
        return 0;
    }
    if (assets->count()) q::assets::SetAudioSourceDir(sources);
    // Painted once, for the archive, the preview and the icons.
    const q::assets::Canvas atlas = q::assets::PaintAtlas();
    if (!out.empty() && !q::assets::WriteGameData(out, atlas, &error, stdout)) return Fail(error);
    if (!sounds.empty()) {
        if (!q::assets::WriteSoundFiles(sounds, &error)) return Fail(error);
        std::printf("wrote the sounds to %s\n", sounds.c_str());
    }
    if (!icons.empty()) {
        if (!q::assets::WriteIcons(icons, atlas, &error)) return Fail(error);
        std::printf("wrote the icons to %s\n", icons.c_str());
    }
    if (!icon.empty()) {
        if (!q::assets::WriteFileBytes(icon, q::assets::BuildIconFile(atlas))) return Fail("cannot write " + icon);
        std::printf("wrote the icon to %s\n", icon.c_str());
    }
    return 0;
}
