#include "app/game.hpp"
#include "platform/host.hpp"

// The command line is ignored: everything comes from the working folder.
int main() {
    q::UseProgramFolderWithoutData();
    return q::RunGame();
}
