#include "startup.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "portsInUse.h"
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

} // namespace

int readOptions(int argc, char** argv, SessionOptions& options, Ports& ports)
{
    PortsInUse answering(ports);
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
            options.audioDisabled = true;
            continue;
        }
        // The same seed draws the same numbers every run: for tests and bug
        // reports, so it is left off the help.
        if (std::strcmp(argv[i], "--seed") == 0) {
            options.seed = seedFrom(i + 1 < argc ? argv[i + 1] : nullptr);
            if (!options.seed) {
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
