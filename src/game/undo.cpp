#include "undo.h"

#include <algorithm>
#include <cstring>

namespace {

// At least this many commands can be taken back...
constexpr std::size_t STEPS_KEPT = 100;
// ...and older ones are kept too while all steps together hold no more.
constexpr std::size_t STEP_BUDGET = 1 << 20;
// The record is compared with its copy one chunk (4 KB) at a time; a line
// changes only a few, so most chunks are equal and skipped at memcmp's
// speed. A chunk that differs is compared block by block (512 bytes), and
// a block that differs word by word.
constexpr std::size_t CHUNK_WORDS = 512;
constexpr std::size_t BLOCK_WORDS = 64;

using Word = std::uint64_t;

// The word that holds whether the last command took a turn. Every line
// writes it; a line that changed nothing else is no step of its own.
constexpr std::size_t TURN_WORD = offsetof(GameState, turnTaken) / sizeof(Word);
static_assert(offsetof(GameState, turnTaken) % sizeof(Word) == 0);

Word wordAt(const unsigned char* record, std::size_t word)
{
    Word value;
    std::memcpy(&value, record + word * sizeof(Word), sizeof value);
    return value;
}

} // namespace

UndoLog::UndoLog(const GameState* state) : kept(new Word[WORDS]) { adopt(state); }

UndoLog::~UndoLog() = default;

void UndoLog::adopt(const GameState* state) { std::memcpy(kept.get(), state, sizeof *state); }

std::size_t UndoLog::stepBytes() const
{
    return changes.size() * sizeof(Word) + steps.size() * sizeof(Step) + lineBytes;
}

std::size_t UndoLog::bytesKept() const
{
    return sizeof *this + sizeof(GameState) + found.capacity() * sizeof(Word) + stepBytes();
}

// Compares the whole record with the copy, bringing the copy up to date;
// the words that differed join this line's changes with their old values.
// The record is its bytes, padding included, as a save writes them.
void UndoLog::compareRecord(const unsigned char* now)
{
    const Word* old = kept.get();
    auto equal = [&](std::size_t first, std::size_t last) {
        return std::memcmp(now + first * sizeof(Word), old + first,
                           (last - first) * sizeof(Word)) == 0;
    };
    for (std::size_t chunk = 0; chunk < WORDS; chunk += CHUNK_WORDS) {
        std::size_t chunkEnd = std::min(chunk + CHUNK_WORDS, WORDS);
        if (equal(chunk, chunkEnd)) continue;
        for (std::size_t block = chunk; block < chunkEnd; block += BLOCK_WORDS) {
            std::size_t blockEnd = std::min(block + BLOCK_WORDS, chunkEnd);
            if (!equal(block, blockEnd)) noteChangedWords(now, block, blockEnd);
        }
    }
}

void UndoLog::noteChangedWords(const unsigned char* now, std::size_t first, std::size_t last)
{
    Word* old = kept.get();
    for (std::size_t i = first; i < last; ++i) {
        Word word = wordAt(now, i);
        if (word == old[i]) continue;
        bool extends =
            !found.empty() && (found[lastRun] >> 32) + (found[lastRun] & 0xffffffff) == i;
        if (extends) {
            ++found[lastRun];
        } else {
            lastRun = found.size();
            found.push_back(Word{i} << 32 | 1);
        }
        found.push_back(old[i]);
        old[i] = word;
    }
}

void UndoLog::noteLine(const GameState* state, const char* line)
{
    found.clear();
    compareRecord(reinterpret_cast<const unsigned char*>(state));
    if (!found.empty()) ++revisions;
    bool onlyTurn = found.size() == 2 && found[0] == (Word{TURN_WORD} << 32 | 1) &&
                    ((found[1] ^ kept[TURN_WORD]) & ~Word{0xff}) == 0;
    if (onlyTurn)
        foldIntoLastStep();
    else if (!found.empty())
        keepStep(line);
}

void UndoLog::keepStep(const char* line)
{
    changes.insert(changes.end(), found.begin(), found.end());
    steps.push_back({line, found.size()});
    lineBytes += steps.back().line.capacity();
    ++noted;
    // The oldest steps go while all steps hold more than the budget, never
    // the newest hundred.
    while (steps.size() > STEPS_KEPT && stepBytes() > STEP_BUDGET) {
        changes.erase(changes.begin(), changes.begin() + static_cast<long>(steps.front().size));
        lineBytes -= steps.front().line.capacity();
        steps.pop_front();
    }
}

// Only whether a turn was taken changed: taking back the last step must
// still give back that flag as it was before it.
void UndoLog::foldIntoLastStep()
{
    if (steps.empty()) return;
    auto run = changes.end() - static_cast<long>(steps.back().size);
    while (run != changes.end()) {
        Word start = *run >> 32;
        Word length = *run & 0xffffffff;
        if (start <= TURN_WORD && TURN_WORD < start + length) return;
        run += static_cast<long>(length) + 1;
    }
    changes.insert(changes.end(), found.begin(), found.end());
    steps.back().size += found.size();
}

// Every line was compared whole, so the record is the copy and each step
// gives back exactly the record before its line.
bool UndoLog::takeBack(GameState* state, std::string& line)
{
    if (steps.empty()) return false;
    auto* bytes = reinterpret_cast<unsigned char*>(state);
    auto run = changes.end() - static_cast<long>(steps.back().size);
    while (run != changes.end()) {
        std::size_t start = *run >> 32;
        std::size_t length = *run & 0xffffffff;
        for (std::size_t i = 0; i < length; ++i) {
            Word word = *++run;
            std::memcpy(bytes + (start + i) * sizeof(Word), &word, sizeof word);
            kept[start + i] = word;
        }
        ++run;
    }
    changes.erase(changes.end() - static_cast<long>(steps.back().size), changes.end());
    lineBytes -= steps.back().line.capacity();
    ++revisions;
    line = std::move(steps.back().line);
    steps.pop_back();
    return true;
}
