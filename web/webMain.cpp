// The game in a web page or under Node: the same program as in a terminal,
// its ports handed to the host script.
#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "todayCore.h"
#include "webPorts.h"

namespace {
// clang-format off
EM_JS(int, hostUmask, (), { return Module.host.umask(); });
// clang-format on
} // namespace

// Asked by the page's line editor when Tab is pressed: see completeTyped.
extern "C" EMSCRIPTEN_KEEPALIVE const char* webComplete(const char* typed)
{
    static std::string answer;
    answer = web::completeTyped(typed);
    return answer.c_str();
}

// Plays one whole game; `commandLine` is the program's name and its options,
// one per line. Returns the exit status (an ending that closes the game at
// once ends through the host's exit instead).
extern "C" EMSCRIPTEN_KEEPALIVE int webPlay(const char* commandLine)
{
    std::vector<std::string> words;
    std::istringstream given(commandLine);
    for (std::string word; std::getline(given, word);)
        words.push_back(word);
    std::vector<char*> argv;
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
