#include "undo.h"

#include <cstdlib>
#include <cstring>
#include <deque>

#include "portsInUse.h"

namespace {

// At least this many commands can be taken back.
constexpr std::size_t STEPS_KEPT = 100;
// The whole record is kept before every this many commands.
constexpr std::size_t RECORD_EVERY = 50;
constexpr std::size_t RING_SIZE = STEPS_KEPT + RECORD_EVERY + 3;

// Hands a command its noted numbers again; then zeroes.
class NotedNumbers : public RandomSource {
public:
    explicit NotedNumbers(const std::vector<int>& numbers) : numbers(numbers) {}
    int draw() override { return next < numbers.size() ? numbers[next++] : 0; }

private:
    const std::vector<int>& numbers;
    std::size_t next = 0;
};

// Hands a command its noted answers again; then the input has ended.
class NotedLines : public LineSource {
public:
    explicit NotedLines(const std::vector<std::string>& answers)
        : answers(answers.begin(), answers.end())
    {
    }
    bool readLine(const char*, std::string& line) override { return readPlainLine(line); }
    bool readPlainLine(std::string& line) override
    {
        line.clear();
        if (answers.empty()) return false;
        line = std::move(answers.front());
        answers.pop_front();
        return true;
    }

private:
    std::deque<std::string> answers;
};

} // namespace

UndoLog::UndoLog(Replay replay, LineSource& lines, RandomSource& random)
    : replay(std::move(replay)), steps(RING_SIZE), inner(lines), innerRandom(random),
      lineNotes(*this), numberNotes(*this)
{
}

int UndoLog::NotingRandom::draw()
{
    int number = log.innerRandom.draw();
    if (log.noting != nullptr) log.noting->numbers.push_back(number);
    return number;
}

bool UndoLog::NotingLines::readLine(const char* prompt, std::string& line)
{
    bool got = log.inner.readLine(prompt, line);
    if (got && log.noting != nullptr) log.noting->answers.push_back(line);
    return got;
}

bool UndoLog::NotingLines::readPlainLine(std::string& line)
{
    bool got = log.inner.readPlainLine(line);
    if (got && log.noting != nullptr) log.noting->answers.push_back(line);
    return got;
}

void UndoLog::beginCommand(const char* line)
{
    if (replaying) return;
    noting = &step(count);
    noting->line = line;
    noting->answers.clear();
    noting->numbers.clear();
    noting->canReplay = true;
    noting->before.reset();
}

bool UndoLog::keepsWholeRecordNext()
{
    if (count == 0 || !step(count - 1).canReplay) return true;
    for (std::size_t back = 1; back < RECORD_EVERY && back <= count; ++back)
        if (step(count - back).before) return false;
    return true;
}

void UndoLog::commit(const GameState* before)
{
    if (keepsWholeRecordNext()) {
        // Left unset, as the record is copied over it at once (written so
        // that the browser build's older C++ library compiles it too).
        if (!noting->before) noting->before = std::unique_ptr<GameState>(new GameState);
        std::memcpy(static_cast<void*>(noting->before.get()), before, sizeof *before);
    }
    noting->turnTakenBefore = before->turnTaken;
    ++count;
    ++noted;
    dropOldSteps();
}

void UndoLog::noteTurn(const GameState* state)
{
    if (replaying || noting == nullptr) return;
    commit(state);
}

void UndoLog::watch(const GameState* state)
{
    if (replaying || noting == nullptr) return;
    if (!watched) watched = std::unique_ptr<GameState>(new GameState);
    std::memcpy(static_cast<void*>(watched.get()), state, sizeof *state);
}

void UndoLog::noteIfChanged(const GameState* state, bool canReplay)
{
    if (replaying || noting == nullptr || !watched) return;
    // The record is its bytes, padding included, as a save writes them.
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
    if (std::memcmp(watched.get(), state, sizeof *state) == 0) return;
    noting->canReplay = canReplay;
    commit(watched.get());
}

// Forgets the oldest commands, a kept record at a time, once enough newer
// ones can still be taken back without them.
void UndoLog::dropOldSteps()
{
    while (count > STEPS_KEPT) {
        std::size_t next = 1;
        while (next < count && !step(next).before)
            ++next;
        if (count - next < STEPS_KEPT) return;
        for (std::size_t i = 0; i < next; ++i)
            step(i).before.reset();
        first = (first + next) % steps.size();
        count -= next;
    }
}

void UndoLog::playAgain(GameState* state, Step& step)
{
    NotedLines answers(step.answers);
    NotedNumbers numbers(step.numbers);
    DiscardedOutput silence;
    NoSound noSound;
    Ports replaying{answers, silence, numbers, noSound, ports().saves, ports().clock};
    PortsInUse quietly(replaying);
    state->turnTaken = step.turnTakenBefore;
    replay(state, step.line.c_str());
}

bool UndoLog::takeBack(GameState* state, std::string& line)
{
    if (count == 0) return false;
    std::size_t last = count - 1;
    std::size_t kept = last;
    while (!step(kept).before)
        --kept;
    std::memcpy(static_cast<void*>(state), step(kept).before.get(), sizeof *state);
    replaying = true;
    for (std::size_t i = kept; i < last; ++i)
        playAgain(state, step(i));
    replaying = false;
    state->turnTaken = step(last).turnTakenBefore;
    line = step(last).line;
    step(last).before.reset();
    count = last;
    noting = nullptr;
    return true;
}
