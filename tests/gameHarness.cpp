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
std::vector<std::string>* heardSounds = nullptr;
void recordSound(const char* path)
{
    if (heardSounds) heardSounds->push_back(path);
}
std::vector<std::string> sounds;
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
        return false;
    }
    line = lines.front();
    lines.pop_front();
    return true;
}

GameHarness::GameHarness() : state(std::make_unique<GameState>())
{
    resetRunState();
    setLineSource(&input);
    setOutputSink(&output);
    setRandomSource([this] {
        ++randomsDrawn;
        if (randoms.empty())
            return generator ? static_cast<int>((*generator)() & 0x7fffffff) : defaultRandom;
        int number = randoms.front();
        randoms.pop_front();
        return number;
    });
    sounds.clear();
    heardSounds = &sounds;
    setSoundListener(recordSound);
    clearRememberedLines();
    limitRememberedLines(20);
    buildFreshGame(state.get());
    randomsDrawn = 0;
    undo = std::make_unique<UndoLog>(
        [](GameState* played, const char* line) { runCommandLine(played, line); });
}

GameHarness::~GameHarness()
{
    undo.reset();
    setLineSource(nullptr);
    setOutputSink(nullptr);
    setSoundListener(nullptr);
    heardSounds = nullptr;
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
    while (!ended && !input.lines.empty())
        ended = handleCommand(state.get()) != Ending::None;
    return output.text;
}

std::string GameHarness::playFromTitle(const std::vector<std::string>& lines)
{
    output.text.clear();
    input.lines.assign(lines.begin(), lines.end());
    ended = startGame(state.get());
    while (!ended && !input.lines.empty())
        ended = handleCommand(state.get()) != Ending::None;
    return output.text;
}

std::vector<std::string> GameHarness::takeSounds()
{
    std::vector<std::string> taken;
    taken.swap(sounds);
    return taken;
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

std::string itemMark(const char* colour, char mark)
{
    return std::string(colour) + mark + "\033[0m ";
}
