#include "app/game.hpp"
#include "app/launch_options.hpp"
#include "platform/core/host.hpp"
#include "platform/window.hpp"

// Without options the game is the plain one: everything from the working folder.
int main(int argc, char** argv) {
    q::LaunchOptions options;
    const q::CommandLineResult line = q::ReadLaunchOptions(argc, argv, &options);
    if (!line.run) {
        if (line.status == 0)
            q::ShowText("Quorrel", line.text.c_str());
        else
            q::ShowErrorBox(line.text.c_str());
        return line.status;
    }
    q::UseProgramFolderWithoutData();
    if (!q::ApplyLaunchOptions(options)) return 1;
    return q::RunGame();
}
