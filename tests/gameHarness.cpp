#include "gameHarness.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

bool ScriptedLines::readLine(const char*, std::string& line) { return readPlainLine(line); }

bool ScriptedLines::readPlainLine(std::string& line)
{
    if (lines.empty()) {
        line.clear();
        if (onRead) onRead(nullptr);
        return false;
    }
    line = lines.front();
    lines.pop_front();
    if (onRead) onRead(&line);
    return true;
}

GameHarness::GameHarness(SessionOptions options)
    : playing(std::make_unique<Session>(ports, options))
{
    portsForTests.emplace(playing->portsInPlay());
    randomsDrawn = 0;
}

GameHarness::~GameHarness() = default;

int GameHarness::draw()
{
    ++randomsDrawn;
    if (!randoms.empty()) {
        int number = randoms.front();
        randoms.pop_front();
        return number;
    }
    if (generator) return static_cast<int>((*generator)() & 0x7fffffff);
    return defaultRandom;
}

void GameHarness::queueRandom(std::initializer_list<int> numbers)
{
    randoms.insert(randoms.end(), numbers.begin(), numbers.end());
}

std::string GameHarness::typeLines(const std::vector<std::string>& lines, bool fromTitle)
{
    output.text.clear();
    input.lines.assign(lines.begin(), lines.end());
    if (fromTitle)
        ended = playing->title();
    else // A test may have set the scene since: that is no command to take back.
        undoLog().adopt(&game());
    while (!ended && !input.lines.empty()) {
        ended = stepCheckingTakingBack() != Ending::None;
        if (afterEachCommand) afterEachCommand();
    }
    noteSoundsAtLineStart();
    return output.text;
}

Ending GameHarness::stepCheckingTakingBack()
{
    if (!checkTakingBack) return playing->step();
    std::string before = recordBytes(game());
    std::size_t steps = undoLog().stepsKept();
    std::size_t noted = undoLog().changesNoted();
    Ending ending = playing->step();
    if (undoLog().changesNoted() > noted) {
        recordsBeforeSteps.push_back(std::move(before));
        while (recordsBeforeSteps.size() > undoLog().stepsKept())
            recordsBeforeSteps.pop_front();
    } else if (undoLog().stepsKept() < steps && !recordsBeforeSteps.empty()) {
        if (recordBytes(game()) != recordsBeforeSteps.back()) {
            std::fprintf(stderr, "taking a command back gave a record the game never had\n");
            std::abort();
        }
        recordsBeforeSteps.pop_back();
    }
    return ending;
}

void GameHarness::recordAsTranscript()
{
    transcript = true;
    input.onRead = [this](const std::string* typed) {
        output.text += typed ? "`" + *typed + "`\n" : "^D\n";
        noteSoundsAtLineStart();
    };
}

void GameHarness::hear(const char* effect)
{
    if (!transcript) return;
    unnotedSounds.push_back(std::string("sound/") + effect + ".ogg");
    noteSoundsAtLineStart();
}

// A sound heard in the middle of a printed line waits for the line to end.
void GameHarness::noteSoundsAtLineStart()
{
    if (!output.text.empty() && output.text.back() != '\n') return;
    for (const std::string& sound : unnotedSounds)
        output.text += "~ " + sound + "\n";
    unnotedSounds.clear();
}

TempDir::TempDir()
{
    char pattern[] = "/tmp/lanternmoor-test-XXXXXX";
    dir = mkdtemp(pattern);
    previous = std::filesystem::current_path().string();
    std::filesystem::current_path(dir);
    std::filesystem::create_directory("saves");
}

TempDir::~TempDir()
{
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}
