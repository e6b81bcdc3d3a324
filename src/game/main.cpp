#include <cstdio>
#include <cstdlib>

#include "game.h"
#include "startup.h"

int main(int argc, char** argv)
{
    int status = runLanternmoor(argc, argv);
    // An ending that closes the game at once leaves sounds mid-play; end the
    // process without running destructors under their feet.
    if (programEndRequested()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
