#include "startup.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>

#include "audio.h"
#include "console.h"
#include "game.h"
#include "initFunc.h"
#include "version.h"

namespace {

constexpr const char* TITLE = "Lanternmoor";

// The number after "--seed", or nothing when there is no such number.
std::optional<unsigned> seedFrom(const char* text)
{
    if (text == nullptr || !std::isdigit(static_cast<unsigned char>(text[0]))) return {};
    errno = 0;
    char* end = nullptr;
    unsigned long long number = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || number > UINT_MAX) return {};
    return static_cast<unsigned>(number);
}

// Reads the options in order; returns -1 to go on, or the exit status.
int readOptions(int argc, char** argv, std::optional<unsigned>& seed)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            out("%s %s\n", TITLE, GAME_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            out("Usage: %s [options]\n", argv[0]);
            out("  --help\tShow this help message\n");
            out("  --version\tDisplay version information\n");
            out("  --no-audio\tDisable audio playback\n");
            return 0;
        }
        if (std::strcmp(argv[i], "--no-audio") == 0) {
            runState().soundOffAtStart = true;
            continue;
        }
        // The same seed draws the same numbers every run: for tests and bug
        // reports, so it is left off the help.
        if (std::strcmp(argv[i], "--seed") == 0) {
            seed = seedFrom(i + 1 < argc ? argv[i + 1] : nullptr);
            if (!seed) {
                out("Option --seed needs a number from 0 to %u.\n", UINT_MAX);
                return 1;
            }
            ++i;
            continue;
        }
        out("Unknown option: %s\n", argv[i]);
        out("Use '--help' to see valid options.\n");
        return 1;
    }
    return -1;
}

// ANSI sequences need nothing on a POSIX terminal.
void enableAnsiColors() {}

void ensureSaveDirExists()
{
    struct stat status;
    if (stat("saves", &status) != 0) mkdir("saves", 0777);
}

} // namespace

int runLanternmoor(int argc, char** argv)
{
    std::optional<unsigned> seed;
    int status = readOptions(argc, argv, seed);
    if (status >= 0) {
        outFlush();
        return status;
    }
    enableAnsiColors();
    ensureSaveDirExists();
    std::srand(seed ? *seed : static_cast<unsigned>(std::time(nullptr)));
    limitRememberedLines(20);
    bool soundOn = !runState().soundOffAtStart;
    if (soundOn) initAudio();

    auto state = std::make_unique<GameState>();
    buildFreshGame(state.get());
    Ending ending = gameLoop(state.get());
    outFlush();
    // The garden's farewell leaves at once; every other ending shuts sound down.
    if (soundOn && ending != Ending::Farewell) cleanupAudio();
    // An ending that closes the game at once may leave sounds mid-play; the
    // process ends here without running destructors under their feet.
    if (ending == Ending::SoulShattered || ending == Ending::Farewell) {
        std::fflush(nullptr);
        std::_Exit(0);
    }
    return 0;
}
