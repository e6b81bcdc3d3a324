// The game in a web page or under Node: the same program as in a terminal,
// its ports handed to the host script. The host calls the functions below
// (the build exports them by name).
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "gameState.h"
#include "hostImports.h"
#include "saveLoad.h"
#include "todayCore.h"
#include "webPorts.h"

// Asked by the page's line editor when Tab is pressed: see completeTyped.
extern "C" const char* webComplete(const char* typed)
{
    static std::string answer;
    answer = web::completeTyped(typed);
    return answer.c_str();
}

// Asked by the page before it keeps an imported save: empty when the loader
// would take the record, else the loader's own words for refusing it.
extern "C" const char* webCheckRecord(const char* bytes, std::size_t size)
{
    static const char* const REFUSED = "Failed to load save file (corrupted or incompatible).\n";
    if (size != sizeof(GameState)) return REFUSED;
    auto record = std::make_unique<GameState>();
    std::memcpy(static_cast<void*>(record.get()), bytes, size);
    return isSoundGameState(record.get()) ? "" : REFUSED;
}

// Plays one whole game; `commandLine` is the program's name and its options,
// one per line. Returns the exit status (an ending that closes the game at
// once ends through the host's exit instead).
extern "C" int webPlay(const char* commandLine)
{
    std::vector<std::string> words(1);
    for (const char* c = commandLine; *c != '\0'; ++c) {
        if (*c == '\n')
            words.emplace_back();
        else
            words.back() += *c;
    }
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The C library here starts with every permission masked; saves are
    // made as the host's own files are.
    umask(static_cast<mode_t>(hostUmask()));
    web::HostClock clock;
    web::HostOutput output;
    web::HostLines lines(output);
    // Seeded from the time as the terminal game seeds its C library.
    web::SeededRandom random(static_cast<unsigned>(clock.now()));
    web::HostSound sound;
    int status = playThroughPorts({lines, output, random, sound}, static_cast<int>(words.size()),
                                  argv.data());
    output.flush();
    return status;
}
