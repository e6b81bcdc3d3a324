// Times the game's hot paths in-process: one command of each kind, starting
// a sound, and saving and loading. Output goes nowhere, so only the game's
// own work is measured.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "recordChecks.h"
#include "savedGames.h"
#include "savesFolder.h"
#include "seededRandom.h"
#include "session.h"
#include "terminalPorts.h"
#include "terminalSound.h"
#include "worldIds.h"

namespace {

class RepeatingLines : public LineSource {
public:
    std::vector<std::string> lines;
    std::size_t next = 0;
    bool readLine(const char*, std::string& line) override { return readPlainLine(line); }
    bool readPlainLine(std::string& line) override
    {
        line = lines[next++ % lines.size()];
        return true;
    }
};

using Clock = std::chrono::steady_clock;

double nanosecondsPer(int count, Clock::time_point start)
{
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / count;
}

// Runs `script` (a command and the answers it asks for) many times in a
// fresh game standing at `place`; prints the time per command.
void timeCommand(const char* label, int place, std::vector<std::string> script)
{
    RepeatingLines lines;
    lines.lines = std::move(script);
    DiscardedOutput output;
    SeededRandom random(1);
    NoSound sound;
    SavesFolder saves;
    SystemClock clock;
    Session session({lines, output, random, sound, saves, clock},
                    {.audioDisabled = true, .seed = {}});
    GameState& state = session.record();
    const int rounds = 200000;
    auto start = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        state.player.locationId = place;
        state.player.hp = state.player.maxHp;
        session.step();
    }
    std::printf("%-28s %8.0f ns\n", label, nanosecondsPer(rounds, start));
}

} // namespace

int main()
{
    std::printf("One command, in-process (output discarded):\n");
    timeCommand("look", LOC_OLD_CASTLE, {"look"});
    timeCommand("go (there and back)", LOC_VILLAGE, {"go north"});
    timeCommand("talk (friendly)", LOC_MYSTERIOUS_LIBRARY, {"talk Clara"});
    timeCommand("give (refused)", LOC_MYSTERIOUS_LIBRARY, {"give Small Potion"});
    timeCommand("attack (declined)", LOC_MYSTERIOUS_LIBRARY, {"attack Clara", "n"});
    timeCommand("stats", LOC_VILLAGE, {"stats"});

    // Starting a sound costs the main thread a copy and a thread.
    initAudio();
    const int sounds = 200;
    double total = 0;
    for (int i = 0; i < sounds; ++i) {
        auto start = Clock::now();
        playSoundAsync("sound/jingle.ogg");
        total += nanosecondsPer(1, start);
        // One at a time, so the figure is the request alone, not a crowd of
        // playing threads competing for the processor.
        while (playingSoundCount() > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::printf("%-28s %8.0f ns\n", "start a sound (main thread)", total / sounds);
    cleanupAudio();

    std::filesystem::create_directories("saves");
    SavesFolder folder;
    GameState state{};
    const int saves = 200;
    std::string reason;
    auto start = Clock::now();
    for (int i = 0; i < saves; ++i)
        folder.write("bench", bytesOf(state), reason);
    std::printf("%-28s %8.0f us\n", "save", nanosecondsPer(saves, start) / 1000);
    GameState loaded;
    std::string stored;
    start = Clock::now();
    for (int i = 0; i < saves; ++i)
        recordFromSaveFile(folder.read("bench", LARGEST_SAVE_FILE, stored) ==
                                   SaveStorage::Read::Found
                               ? std::string_view(stored)
                               : std::string_view(),
                           folder, &loaded);
    std::printf("%-28s %8.0f us\n", "load (read and check)", nanosecondsPer(saves, start) / 1000);
    std::printf("%-28s %8llu bytes\n", "save file size",
                static_cast<unsigned long long>(std::filesystem::file_size("saves/bench.dat.gz")));
    std::filesystem::remove("saves/bench.dat.gz");
    return 0;
}
