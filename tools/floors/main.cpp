// quorrel-floors: the floor toolchain. Sources in assets/floors/ (one text
// file a floor) become floor.dat; the solver finds each floor's demo; verify
// replays and checks the whole set.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "floors/commands.hpp"

namespace {

void Usage() {
    std::cerr << "usage: quorrel-floors COMMAND [options]\n"
                 "  compile   [--sources DIR] --out FLOOR.DAT\n"
                 "  decompile --floors FLOOR.DAT --out DIR\n"
                 "  lint      [--sources DIR] [N...]\n"
                 "  render    [--sources DIR] [--data DATA.DAT] --out DIR [N...]\n"
                 "  solve     [--sources DIR] [--write] [--no-chasers] [--no-action] [--max-states K] N...\n"
                 "  solve     [--sources DIR] [--write] --demo-from REPLAY [N]\n"
                 "  verify    [--sources DIR] [N...]\n"
                 "  table     [--sources DIR] [--measure] [--curve PNG] [--write [README.md]] [N...]\n"
                 "  generate  --ideas LIST --rows R --seed S [--count K] [--out DIR] [--max-states K] [--tries N]\n"
                 "DIR defaults to the project's assets/floors.\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage();
        return 1;
    }
    const std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    const q::floors::Command* found = q::floors::FindCommand(command);
    if (!found) {
        Usage();
        return 1;
    }
    return found->run(args, std::cout, std::cerr);
}
