#include "undo.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// At least this many commands can be taken back...
constexpr std::size_t STEPS_KEPT = 100;
// ...and older ones are kept too while all steps together hold no more.
constexpr std::size_t STEP_BUDGET = 4 << 20;
// Words compared at once before looking closer.
constexpr std::size_t CHUNK = 128;

// The word that holds whether the last command took a turn. Every line
// writes it; a line that changed nothing else is no step of its own.
constexpr std::size_t TURN_WORD = offsetof(GameState, turnTaken) / sizeof(std::uint64_t);
static_assert(offsetof(GameState, turnTaken) % sizeof(std::uint64_t) == 0);

UndoLog* activeLog = nullptr;

} // namespace

std::size_t UndoLog::Step::bytes() const
{
    return sizeof(Step) + line.capacity() + runs.capacity() * sizeof runs[0] +
           before.capacity() * sizeof before[0];
}

UndoLog::UndoLog(const GameState* state) : kept(std::make_unique_for_overwrite<Word[]>(WORDS))
{
    adopt(state);
#ifdef LANTERNMOOR_CHECK_UNDO
    checking = true;
#endif
    activeLog = this;
}

UndoLog::~UndoLog() { activeLog = nullptr; }

UndoLog* UndoLog::active() { return activeLog; }

void UndoLog::adopt(const GameState* state) { std::memcpy(kept.get(), state, sizeof *state); }

// Compares the record with the copy, bringing the copy up to date; the
// words that differed go into the step with their old values.
bool UndoLog::collectChanges(const unsigned char* now, Step& step)
{
    Word* old = kept.get();
    for (std::size_t start = 0; start < WORDS; start += CHUNK) {
        std::size_t end = std::min(start + CHUNK, WORDS);
        // The record is its bytes, padding included, as a save writes them.
        if (std::memcmp(now + start * sizeof(Word), old + start, (end - start) * sizeof(Word)) == 0)
            continue;
        for (std::size_t i = start; i < end; ++i) {
            Word word;
            std::memcpy(&word, now + i * sizeof(Word), sizeof word);
            if (word == old[i]) continue;
            std::size_t size = step.runs.size();
            if (size > 0 && step.runs[size - 2] + step.runs[size - 1] == i)
                ++step.runs[size - 1];
            else
                step.runs.insert(step.runs.end(), {static_cast<std::uint32_t>(i), 1});
            step.before.push_back(old[i]);
            old[i] = word;
        }
    }
    return !step.runs.empty();
}

void UndoLog::noteLine(const GameState* state, const std::string& line)
{
    std::unique_ptr<GameState> before;
    if (checking) {
        before = std::make_unique_for_overwrite<GameState>();
        std::memcpy(static_cast<void*>(before.get()), kept.get(), sizeof *before);
    }
    Step step;
    if (collectChanges(reinterpret_cast<const unsigned char*>(state), step)) {
        bool onlyTurn = step.runs.size() == 2 && step.runs[0] == TURN_WORD && step.runs[1] == 1 &&
                        ((step.before[0] ^ kept[TURN_WORD]) & ~Word{0xff}) == 0;
        if (onlyTurn) {
            foldIntoLastStep(step);
        } else {
            step.line = line;
            keepStep(std::move(step), before.get());
        }
    }
    if (checking) checkRecord(state, "after a line");
}

// The step keeps only what it needs; the budget counts what it holds.
void UndoLog::keepStep(Step&& step, const GameState* before)
{
    step.runs.shrink_to_fit();
    step.before.shrink_to_fit();
    stepBytes += step.bytes();
    steps.push_back(std::move(step));
    ++noted;
    if (before) {
        checkRecords.push_back(std::make_unique_for_overwrite<GameState>());
        std::memcpy(static_cast<void*>(checkRecords.back().get()), before, sizeof *before);
        if (checkRecords.size() > STEPS_KEPT) checkRecords.pop_front();
    }
    dropOldSteps();
}

// Only whether a turn was taken changed: taking back the last step must
// still give back that flag as it was before it.
void UndoLog::foldIntoLastStep(const Step& step)
{
    if (steps.empty()) return;
    Step& last = steps.back();
    for (std::size_t r = 0; r < last.runs.size(); r += 2)
        if (last.runs[r] <= TURN_WORD && TURN_WORD < last.runs[r] + last.runs[r + 1]) return;
    stepBytes -= last.bytes();
    last.runs.insert(last.runs.end(), {static_cast<std::uint32_t>(TURN_WORD), 1});
    last.before.push_back(step.before[0]);
    stepBytes += last.bytes();
}

// Forgets the oldest steps while they hold more than the budget, never the
// newest hundred.
void UndoLog::dropOldSteps()
{
    while (steps.size() > STEPS_KEPT && stepBytes > STEP_BUDGET) {
        stepBytes -= steps.front().bytes();
        steps.pop_front();
    }
}

bool UndoLog::takeBack(GameState* state, std::string& line)
{
    if (steps.empty()) return false;
    Step& step = steps.back();
    auto* bytes = reinterpret_cast<unsigned char*>(state);
    const Word* old = step.before.data();
    for (std::size_t r = 0; r < step.runs.size(); r += 2) {
        std::size_t start = step.runs[r];
        std::size_t length = step.runs[r + 1];
        std::memcpy(bytes + start * sizeof(Word), old, length * sizeof(Word));
        std::memcpy(kept.get() + start, old, length * sizeof(Word));
        old += length;
    }
    line = std::move(step.line);
    stepBytes -= step.bytes();
    steps.pop_back();
    if (checking && !checkRecords.empty()) {
        // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
        if (std::memcmp(state, checkRecords.back().get(), sizeof *state) != 0) {
            std::fprintf(stderr, "taking back \"%s\" gave a record the game never had\n",
                         line.c_str());
            std::abort();
        }
        checkRecords.pop_back();
    }
    return true;
}

void UndoLog::checkRecord(const GameState* state, const char* when) const
{
    if (std::memcmp(state, kept.get(), sizeof *state) == 0) return;
    std::fprintf(stderr, "the record changed %s without a step to take it back\n", when);
    std::abort();
}
