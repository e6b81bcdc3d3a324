#include "undo.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

// At least this many commands can be taken back...
constexpr std::size_t STEPS_KEPT = 100;
// ...and older ones are kept too while all steps together hold no more.
constexpr std::size_t STEP_BUDGET = 1 << 20;
// Words compared at once before looking closer, and closer still.
constexpr std::size_t CHUNK = 64;
constexpr std::size_t BLOCK = 8;

using Word = std::uint64_t;
constexpr std::size_t wordOf(std::size_t byte) { return byte / sizeof(Word); }
constexpr std::size_t wordAfter(std::size_t byte) { return wordOf(byte + sizeof(Word) - 1); }

// Every place and character starts on a word of its own.
static_assert(offsetof(GameState, locations) % sizeof(Word) == 0);
static_assert(offsetof(GameState, characters) % sizeof(Word) == 0);
static_assert(offsetof(GameState, player) % sizeof(Word) == 0);
static_assert(sizeof(Location) % sizeof(Word) == 0 && sizeof(Character) % sizeof(Word) == 0);
constexpr std::size_t PLACE_WORDS = sizeof(Location) / sizeof(Word);
constexpr std::size_t CHARACTER_WORDS = sizeof(Character) / sizeof(Word);

// Words [first, last) within a place or a character.
struct Part {
    std::size_t first;
    std::size_t last;
};
// Where a place's ways lead and whether they are locked.
constexpr Part PLACE_WAYS = {wordOf(offsetof(Location, exits)),
                             wordAfter(offsetof(Location, exitKeys))};
// A character's strength, health and gold; whereabouts; standing.
constexpr Part CHARACTER_HEALTH = {wordOf(offsetof(Character, sex)),
                                   wordAfter(offsetof(Character, inventory))};
constexpr Part CHARACTER_PLACE = {wordOf(offsetof(Character, locationId)),
                                  wordAfter(offsetof(Character, kind))};
constexpr Part CHARACTER_STANDING = {wordOf(offsetof(Character, favouriteItemId)), CHARACTER_WORDS};

// The word that holds whether the last command took a turn. Every line
// writes it; a line that changed nothing else is no step of its own.
constexpr std::size_t TURN_WORD = wordOf(offsetof(GameState, turnTaken));
static_assert(offsetof(GameState, turnTaken) % sizeof(Word) == 0);

Word wordAt(const unsigned char* record, std::size_t word)
{
    Word value;
    std::memcpy(&value, record + word * sizeof(Word), sizeof value);
    return value;
}

// The bits that differ in the part of a place or character starting at
// word `base`; its length known here, the loop unrolls.
template <Part part> Word differsIn(const unsigned char* now, const Word* old, std::size_t base)
{
    Word differs = 0;
    for (std::size_t w = base + part.first; w < base + part.last; ++w)
        differs |= wordAt(now, w) ^ old[w];
    return differs;
}

inline Word placeDiffers(const unsigned char* now, const Word* old, std::size_t base)
{
    return differsIn<PLACE_WAYS>(now, old, base);
}

inline Word characterDiffers(const unsigned char* now, const Word* old, std::size_t base)
{
    return differsIn<CHARACTER_HEALTH>(now, old, base) |
           differsIn<CHARACTER_PLACE>(now, old, base) |
           differsIn<CHARACTER_STANDING>(now, old, base);
}

std::int32_t placeOf(const unsigned char* record, std::size_t characterWord)
{
    std::int32_t place;
    std::memcpy(&place, record + characterWord * sizeof(Word) + offsetof(Character, locationId),
                sizeof place);
    return place;
}

constexpr std::size_t PLAYER = wordOf(offsetof(GameState, player));
constexpr std::size_t PLACES = wordOf(offsetof(GameState, locations));
constexpr std::size_t CHARACTERS = wordOf(offsetof(GameState, characters));

} // namespace

UndoLog::UndoLog(const GameState* state) : kept(new Word[WORDS])
{
    adopt(state);
#ifdef LANTERNMOOR_CHECK_UNDO
    checking = true;
#endif
}

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

namespace {

// Whether any word in [first, last) differs from the copy; a whole block
// of known length is compared without branches.
bool blockDiffers(const unsigned char* now, const Word* old, std::size_t first, std::size_t last)
{
    Word differs = 0;
    if (last - first == BLOCK) {
        for (std::size_t i = 0; i < BLOCK; ++i)
            differs |= wordAt(now, first + i) ^ old[first + i];
    } else {
        for (std::size_t w = first; w < last; ++w)
            differs |= wordAt(now, w) ^ old[w];
    }
    return differs != 0;
}

} // namespace

// Compares words [first, last) of the record with the copy, bringing the
// copy up to date; the words that differed join this line's changes with
// their old values. The record is its bytes, padding included, as a save
// writes them.
void UndoLog::compareWords(const unsigned char* now, std::size_t first, std::size_t last)
{
    const Word* old = kept.get();
    for (std::size_t chunk = first; chunk < last; chunk += CHUNK) {
        std::size_t chunkEnd = std::min(chunk + CHUNK, last);
        std::size_t bytes = (chunkEnd - chunk) * sizeof(Word);
        if (std::memcmp(now + chunk * sizeof(Word), old + chunk, bytes) == 0) continue;
        for (std::size_t start = chunk; start < chunkEnd; start += BLOCK) {
            std::size_t end = std::min(start + BLOCK, chunkEnd);
            if (!blockDiffers(now, old, start, end)) continue;
            noteChangedWords(now, start, end);
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

void UndoLog::compareAll(const unsigned char* now) { compareWords(now, 0, WORDS); }

// Where a line can change the record: the clock and the player; the place
// the player stands in before or after it, and everyone there; elsewhere
// only where ways lead and whether they are locked, and each character's
// strength, health, gold, whereabouts and standing, as the turn passes for
// everyone. A load changes everything and is compared whole. Test builds
// compare the whole record after every line and stop at any change found
// outside these parts.
void UndoLog::compareWhereLinesWrite(const unsigned char* now)
{
    const Word* old = kept.get();
    const auto* before = reinterpret_cast<const unsigned char*>(old);
    std::int32_t hereBefore = placeOf(before, PLAYER);
    std::int32_t hereAfter = placeOf(now, PLAYER);
    auto isHere = [&](std::int32_t place) { return place == hereBefore || place == hereAfter; };
    auto compareParts = [&](std::size_t first, std::initializer_list<Part> parts) {
        for (Part part : parts)
            compareWords(now, first + part.first, first + part.last);
    };

    compareWords(now, PLAYER, WORDS);
    auto placeStart = [](std::int32_t place) {
        return PLACES + static_cast<std::size_t>(place) * PLACE_WORDS;
    };
    auto comparePlace = [&](std::int32_t place) {
        if (place >= 0 && place < NUM_LOCATIONS)
            compareWords(now, placeStart(place), placeStart(place) + PLACE_WORDS);
    };
    comparePlace(hereBefore);
    if (hereAfter != hereBefore) comparePlace(hereAfter);
    // Mostly nothing changed elsewhere: one pass without branches tells.
    Word placesDiffer = 0;
    for (std::int32_t place = 0; place < NUM_LOCATIONS; ++place)
        placesDiffer |= placeDiffers(now, old, placeStart(place));
    for (std::int32_t place = 0; placesDiffer != 0 && place < NUM_LOCATIONS; ++place)
        if (!isHere(place) && placeDiffers(now, old, placeStart(place)) != 0)
            compareParts(placeStart(place), {PLACE_WAYS});
    Word charactersDiffer = 0;
    for (std::size_t id = 0; id < NUM_CHARACTERS; ++id)
        charactersDiffer |= characterDiffers(now, old, CHARACTERS + id * CHARACTER_WORDS);
    for (std::size_t id = 0; id < NUM_CHARACTERS; ++id) {
        std::size_t first = CHARACTERS + id * CHARACTER_WORDS;
        if (isHere(placeOf(before, first)))
            compareWords(now, first, first + CHARACTER_WORDS);
        else if (charactersDiffer != 0 && characterDiffers(now, old, first) != 0)
            compareParts(first, {CHARACTER_HEALTH, CHARACTER_PLACE, CHARACTER_STANDING});
    }
}

void UndoLog::noteLine(const GameState* state, const char* line)
{
    std::unique_ptr<GameState> before;
    if (checking) {
        before = std::unique_ptr<GameState>(new GameState);
        std::memcpy(static_cast<void*>(before.get()), kept.get(), sizeof *before);
    }
    found.clear();
    const auto* now = reinterpret_cast<const unsigned char*>(state);
    if (compareAllNext)
        compareAll(now);
    else
        compareWhereLinesWrite(now);
    compareAllNext = false;
    if (!found.empty()) ++revisions;
    bool onlyTurn = found.size() == 2 && found[0] == (Word{TURN_WORD} << 32 | 1) &&
                    ((found[1] ^ kept[TURN_WORD]) & ~Word{0xff}) == 0;
    if (onlyTurn)
        foldIntoLastStep();
    else if (!found.empty())
        keepStep(line, reinterpret_cast<const Word*>(before.get()));
    if (checking) checkRecord(state, "after a line");
}

void UndoLog::keepStep(const char* line, const Word* before)
{
    changes.insert(changes.end(), found.begin(), found.end());
    steps.push_back({line, found.size()});
    lineBytes += steps.back().line.capacity();
    ++noted;
    if (before) {
        checkRecords.push_back(std::unique_ptr<GameState>(new GameState));
        std::memcpy(static_cast<void*>(checkRecords.back().get()), before, sizeof(GameState));
        if (checkRecords.size() > STEPS_KEPT) checkRecords.pop_front();
    }
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

bool UndoLog::takeBack(GameState* state, std::string& line)
{
    auto* bytes = reinterpret_cast<unsigned char*>(state);
    if (checking) checkRecord(state, "before taking back");
    found.clear();
    compareAll(bytes);
    if (!found.empty()) {
        ++revisions;
        // A change no step holds: which line made it is unknown, so no step
        // can be trusted to give back a record the game had.
        steps.clear();
        changes.clear();
        lineBytes = 0;
        checkRecords.clear();
    }
    if (steps.empty()) return false;
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
    // NOLINTNEXTLINE(bugprone-suspicious-memory-comparison)
    if (std::memcmp(state, kept.get(), sizeof *state) == 0) return;
    std::fprintf(stderr, "the record changed %s without a step to take it back\n", when);
    std::abort();
}
