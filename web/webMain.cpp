// The game in a web page or under Node: the same session as in a terminal,
// its ports handed to the host script. The host calls the functions below
// (the build exports them by name).
#include <sys/stat.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hostImports.h"
#include "pageSaves.h"
#include "recordChecks.h"
#include "savedGames.h"
#include "seededRandom.h"
#include "session.h"
#include "startup.h"
#include "webPorts.h"

namespace {
// The lines of the game being played, which know what Tab offers.
HostLines* playing = nullptr;
} // namespace

// Asked by the page's line editor when Tab is pressed, while the game waits
// for the line: see HostLines::complete.
extern "C" const char* webComplete(const char* typed)
{
    static std::string answer;
    answer = playing != nullptr ? playing->complete(typed) : std::string(typed) + "\n";
    return answer.c_str();
}

// Asked by the page before it keeps an imported save file: empty when
// `load` would take it, else the loader's own words for refusing it. The
// host unpacks it, so the game asking must not be waiting for a line.
extern "C" const char* webCheckRecord(const char* stored, std::size_t size)
{
    auto record = std::make_unique<GameState>();
    HostSaves saves;
    if (recordFromSaveFile(std::string_view(stored, size), saves, record.get())) return "";
    return "Failed to load save file (corrupted or incompatible).\n";
}

// What the page shows of a kept record (a save's, or the journey's):
// who, where and how long played; empty when the loader would refuse it.
extern "C" const char* webDescribeRecord(const char* bytes, std::size_t size)
{
    static std::string answer;
    auto record = std::make_unique<GameState>();
    bool valid = recordFromBytes(std::string_view(bytes, size), record.get());
    answer = valid ? describeJourney(*record) : "";
    return answer.c_str();
}

// The name the load prompt makes of a typed one (an imported file's).
extern "C" const char* webSaveName(const char* typed)
{
    static std::string answer;
    answer = saveNameFor(typed);
    return answer.c_str();
}

// The limits the page and the Node host keep to, as the game has them: the
// longest save name, the largest save file read, a record's size, the lines
// of history kept and the longest typed line read.
extern "C" const char* webLimits()
{
    static const std::string answer =
        std::to_string(LONGEST_SAVE_NAME) + " " + std::to_string(LARGEST_SAVE_FILE) + " " +
        std::to_string(sizeof(GameState)) + " " + std::to_string(Session::HISTORY_KEPT) + " " +
        std::to_string(LONGEST_TYPED_LINE);
    return answer.c_str();
}

namespace {

// Plays one whole game, from the title or, given a kept record, on from it.
// `commandLine` is the program's name and its options, each ended by a zero
// byte, `size` bytes in all (no option holds a zero byte, while one may hold
// a line break). Returns the exit status.
int play(const char* commandLine, std::size_t size, const GameState* resumed)
{
    std::vector<std::string> words;
    for (std::string_view rest(commandLine, size); !rest.empty();) {
        std::size_t end = std::min(rest.find('\0'), rest.size());
        words.emplace_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    // The C library here starts with every permission masked; saves are
    // made as the host's own files are.
    umask(static_cast<mode_t>(hostUmask()));
    HostClock clock;
    HostOutput output;
    HostLines lines;
    HostSaves files;
    PageSaves page;
    SaveStorage* kept = &files;
    if (hostKeepsSaves() != 0) kept = &page;
    SaveStorage& saves = *kept;
    HostSound silence(true);
    SeededRandom random(1);
    Ports answering{lines, output, random, silence, saves, clock};
    SessionOptions options;
    int status = readOptions(static_cast<int>(argv.size() - 1), argv.data(), options, answering);
    if (status >= 0) {
        output.flush();
        return status;
    }
    mkdir("saves", 0777);
    // Seeded as the terminal game seeds it: from the time, or from "--seed".
    random = SeededRandom(options.seed ? *options.seed : static_cast<unsigned>(clock.now()));
    HostSound sound(options.audioDisabled);
    playing = &lines;
    {
        Session session({lines, output, random, sound, saves, clock}, options);
        if (resumed != nullptr)
            session.resume(*resumed);
        else
            session.play();
        output.flush();
    }
    playing = nullptr;
    return 0;
}

} // namespace

extern "C" int webPlay(const char* commandLine, std::size_t size)
{
    return play(commandLine, size, nullptr);
}

// Plays on from the journey the page kept (SaveStorage::keepJourney), at the command
// prompt; 2, playing nothing, when the loader would refuse the record.
extern "C" int webResume(const char* commandLine, std::size_t commandSize, const char* bytes,
                         std::size_t size)
{
    auto record = std::make_unique<GameState>();
    if (!recordFromBytes(std::string_view(bytes, size), record.get())) return 2;
    return play(commandLine, commandSize, record.get());
}
