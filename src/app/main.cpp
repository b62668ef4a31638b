#include <string>

#include "app/game.hpp"
#include "app/launch_options.hpp"
#include "platform/host.hpp"
#include "platform/window.hpp"

// Without options the game is the plain one: everything from the working folder.
int main(int argc, char** argv) {
    q::LaunchOptions options;
    std::string error;
    if (!q::ParseLaunchOptions(argc, argv, &options, &error)) {
        q::ShowErrorBox((error + "\n" + q::LaunchHelp()).c_str());
        return 2;
    }
    if (options.help) {
        q::ShowText("Quorrel", q::LaunchHelp());
        return 0;
    }
    q::UseProgramFolderWithoutData();
    if (!q::ApplyLaunchOptions(options)) return 1;
    return q::RunGame();
}
