#include "startup.h"

#include <cstring>

#include "portsInUse.h"
#include "version.h"

namespace {
constexpr const char* TITLE = "Lanternmoor";
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
        out("Unknown option: %s\n", argv[i]);
        out("Use '--help' to see valid options.\n");
        return 1;
    }
    return -1;
}
