// The terminal game: standard input and output, sound from the sound/
// folder, saves in the saves/ folder where the game was started.
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "savesFolder.h"
#include "seededRandom.h"
#include "session.h"
#include "startup.h"
#include "terminalPorts.h"
#include "terminalSound.h"

namespace {

void ensureSaveDirExists()
{
    struct stat status;
    if (stat("saves", &status) != 0) mkdir("saves", 0777);
}

} // namespace

int main(int argc, char** argv)
{
    // A file-size limit ("ulimit -f") would end the game at the first write
    // past it, and the journey since the last save with it; ignored, the
    // write fails instead, and the game says which file it could not write.
    std::signal(SIGXFSZ, SIG_IGN);
    SeededRandom random(1);
    SystemClock clock;
    SavesFolder saves;
    TerminalSound silence(true);
    Ports answering{terminalLines(), terminalOutput(), random, silence, saves, clock};
    SessionOptions options;
    int status = readOptions(argc, argv, options, answering);
    if (status >= 0) {
        answering.output.flush();
        return status;
    }
    ensureSaveDirExists();
    random = SeededRandom(options.seed ? *options.seed : static_cast<unsigned>(clock.now()));
    TerminalSound sound(options.audioDisabled);
    Ports ports{terminalLines(), terminalOutput(), random, sound, saves, clock};
    Ending ending;
    {
        Session session(ports, options);
        ending = session.play();
        ports.output.flush();
    }
    // The garden's farewell leaves at once; every other ending shuts sound down.
    if (!options.audioDisabled && ending != Ending::Farewell) cleanupAudio();
    // An ending that closes the game at once may leave sounds mid-play; the
    // process ends here without running destructors under their feet.
    if (ending == Ending::SoulShattered || ending == Ending::Farewell) {
        std::fflush(nullptr);
        std::_Exit(0);
    }
    return 0;
}
