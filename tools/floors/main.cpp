// quorrel-floors: the floor toolchain. Sources in assets/floors/ (one text
// file a floor) become floor.dat; the solver finds each floor's demo; verify
// replays and checks the whole set.
#include <iostream>
#include <string>
#include <vector>

#include "floors/commands.hpp"
#include "platform/core/command_line.hpp"

int main(int argc, char** argv) {
    // Each command reads its own options: quorrel-floors COMMAND --help.
    if (argc >= 2) {
        if (const q::floors::Command* command = q::floors::FindCommand(argv[1]))
            return command->run(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    }
    CLI::App app("The floor toolchain: compiles, checks, solves and draws the floors.", "quorrel-floors");
    q::PrepareCommandLine(app);
    std::string command;
    app.add_option("COMMAND", command, "compile, decompile, lint, render, solve, verify, table or generate")
        ->required()
        ->check(CLI::IsMember(q::floors::CommandNames()));
    app.footer(
        "Commands (quorrel-floors COMMAND --help tells more):\n"
        "  compile   [--sources DIR] --out FLOOR.DAT\n"
        "  decompile --floors FLOOR.DAT --out DIR\n"
        "  lint      [--sources DIR] [N...]\n"
        "  render    [--sources DIR] [--data DATA.DAT] --out DIR [N...]\n"
        "  solve     [--sources DIR] [--write] [--no-chasers] [--no-action] [--forbid IDEA[,IDEA...]]\n"
        "            [--max-states K] [--measure] N...\n"
        "  solve     [--sources DIR] [--write] --demo-from REPLAY [N]\n"
        "  verify    [--sources DIR] [--ideas] [--max-states K] [N...]\n"
        "  table     [--sources DIR] [--measure] [--max-states K] [--curve PNG] [--write [README.md]] [N...]\n"
        "  generate  --ideas LIST --rows R --seed S [--count K] [--out DIR] [--max-states K] [--tries N]\n"
        "DIR defaults to the project's assets/floors.\n");
    // Only --help, --version or a misuse get here: a command was run above.
    return q::ReportCommandLine(q::ReadCommandLine(app, argc, argv), std::cout, std::cerr);
}
