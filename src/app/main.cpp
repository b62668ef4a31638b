#include "app/game.hpp"

// The command line is ignored: everything comes from the working folder.
int main() { return q::RunGame(); }
