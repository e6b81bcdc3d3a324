#include "gameHarness.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "audio.h"
#include "characterSheet.h"
#include "game.h"
#include "initFunc.h"
#include "itemFunc.h"
#include "runState.h"

namespace {
GameHarness* listener = nullptr;
} // namespace

bool ScriptedLines::readLine(const char* prompt, std::string& line)
{
    out("%s", prompt);
    return readPlainLine(line);
}

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

GameHarness::GameHarness() : state(std::make_unique<GameState>())
{
    resetRunState();
    setLineSource(&input);
    setOutputSink(&output);
    setRandomSource([this] {
        ++randomsDrawn;
        if (randoms.empty()) return defaultRandom;
        int number = randoms.front();
        randoms.pop_front();
        return number;
    });
    listener = this;
    setSoundListener([](const char* path) {
        if (listener) listener->heardSound(path);
    });
    clearRememberedLines();
    limitRememberedLines(20);
    buildFreshGame(state.get());
    randomsDrawn = 0;
    undo = std::make_unique<UndoLog>(state.get());
    undo->checkEveryLine(true);
}

GameHarness::~GameHarness()
{
    undo.reset();
    setLineSource(nullptr);
    setOutputSink(nullptr);
    setSoundListener(nullptr);
    listener = nullptr;
    clearRememberedLines();
    resetRunState();
}

void GameHarness::queueRandom(std::initializer_list<int> numbers)
{
    randoms.insert(randoms.end(), numbers.begin(), numbers.end());
}

std::string GameHarness::play(std::initializer_list<std::string> lines)
{
    return play(std::vector<std::string>(lines));
}

std::string GameHarness::play(const std::vector<std::string>& lines)
{
    output.text.clear();
    input.lines.assign(lines.begin(), lines.end());
    // A test may have set the scene since: that is no command to take back.
    undo->adopt(state.get());
    while (!ended && !input.lines.empty())
        ended = handleCommand(state.get()) != Ending::None;
    noteSoundsAtLineStart();
    return output.text;
}

std::string GameHarness::playFromTitle(const std::vector<std::string>& lines)
{
    output.text.clear();
    input.lines.assign(lines.begin(), lines.end());
    ended = startGame(state.get());
    undo->adopt(state.get());
    while (!ended && !input.lines.empty())
        ended = handleCommand(state.get()) != Ending::None;
    noteSoundsAtLineStart();
    return output.text;
}

void GameHarness::recordAsTranscript()
{
    transcript = true;
    input.onRead = [this](const std::string* typed) {
        output.text += typed ? "`" + *typed + "`\n" : "^D\n";
        noteSoundsAtLineStart();
    };
}

void GameHarness::heardSound(const char* path)
{
    if (!transcript) return;
    unnotedSounds.emplace_back(path);
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

void GameHarness::giveItem(int itemId)
{
    int slot = findFreeSlot(&state->player);
    if (slot >= 0) state->player.inventory[slot] = state->items[itemId];
}

void GameHarness::emptyPack() { clearInventory(&state->player); }

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
