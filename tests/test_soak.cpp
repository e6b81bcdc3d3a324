// Random play: hundreds of thousands of commands drawn from the game's own
// words, from many seeds, with the record checked after every one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "characterTable.h"
#include "commandTable.h"
#include "gameHarness.h"
#include "gameInvariants.h"
#include "items.h"
#include "text.h"

namespace {

// Words a player might type, taken from the game's own tables.
struct Vocabulary {
    std::vector<std::string> verbs;
    std::vector<std::string> nouns;

    Vocabulary()
    {
        for (const Command& command : commands)
            for (const char* word : command.words)
                if (word != nullptr) verbs.push_back(word);
        for (const Alias& alias : aliases)
            verbs.push_back(alias.input);
        for (const char* word : {"history", "xyzzy", "pray", "think", "dance", "damn", "quit"})
            verbs.push_back(word);
        for (const Item& item : items)
            nouns.push_back(item.name);
        for (const Character& character : characterTemplates) {
            nouns.push_back(character.name);
            nouns.push_back(character.species);
        }
        for (const char* word :
             {"north", "south", "east",    "west", "up",      "down",  "all", "gold", "item",
              "both",  "self",  "around",  "on",   "off",     "y",     "yes", "n",    "buy",
              "sell",  "look",  "lottery", "no",   "nothing", "Arlen", ""})
            nouns.push_back(word);
    }
};

// One line: mostly verb and noun, sometimes a bare word, now and then noise.
std::string randomLine(const Vocabulary& words, std::mt19937& random)
{
    auto pick = [&](const std::vector<std::string>& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random)];
    };
    int kind = std::uniform_int_distribution<int>(0, 99)(random);
    if (kind < 60) return pick(words.verbs) + " " + pick(words.nouns);
    if (kind < 80) return pick(words.verbs);
    if (kind < 97) return pick(words.nouns);
    std::string noise(std::uniform_int_distribution<std::size_t>(0, 120)(random), ' ');
    for (char& c : noise)
        c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
    return noise;
}

// Saving waits for the disk, so it stays rare; listing the saves reads
// every one made so far, and has a test of its own.
std::string playableLine(const Vocabulary& words, std::mt19937& random)
{
    while (true) {
        std::string line = randomLine(words, random);
        if (line.rfind("saves", 0) == 0) continue;
        if (line.rfind("save", 0) != 0 || random() % 50 == 0) return line;
    }
}

// Plays a few random lines one at a time, then takes back every change
// they made: each must give back the exact record from before it.
void expectChangesTakenBack(GameHarness& h, const Vocabulary& words, std::mt19937& random)
{
    std::vector<std::string> before;
    for (int i = 0; i < 5 && !h.ended; ++i) {
        std::string line = playableLine(words, random);
        // Taking back or repeating here would muddle which record came before which change.
        int row = findCommandIndex(line.substr(0, line.find(' ')).c_str());
        if (row >= 0 && commands[static_cast<std::size_t>(row)].undoRule != UndoRule::Step)
            continue;
        std::string record = recordBytes(h.game());
        std::size_t noted = h.undoLog().changesNoted();
        // A question the line asks finds the input at its end.
        h.play({line});
        if (h.undoLog().changesNoted() != noted) before.push_back(std::move(record));
    }
    for (std::size_t n = before.size(); n-- > 0 && !h.ended;) {
        h.play({"undo"});
        ASSERT_TRUE(recordBytes(h.game()) == before[n])
            << "undoing " << before.size() - n << " of " << before.size();
    }
}

// Plays `count` random lines from one seed, starting fresh games as they end.
void soak(unsigned seed, int count)
{
    static const Vocabulary words;
    std::mt19937 random(seed);
    int played = 0;
    while (played < count) {
        GameHarness h;
        h.queueRandom({});
        while (!h.ended && played < count) {
            std::string line = playableLine(words, random);
            h.defaultRandom = static_cast<int>(random() % 1000);
            h.play({line, playableLine(words, random), playableLine(words, random)});
            played += 3;
            if (random() % 20 == 0) expectChangesTakenBack(h, words, random);
            std::string broken = findBrokenInvariant(h.game());
            ASSERT_EQ(broken, "") << "seed " << seed << " after " << played
                                  << " lines, last: " << line;
        }
    }
}

TEST(Soak, RandomPlayKeepsTheRecordSound)
{
    TempDir dir;
    const char* size = std::getenv("LANTERNMOOR_SOAK_LINES");
    const int seeds = 30;
    for (unsigned seed = 1; seed <= seeds; ++seed)
        soak(seed, (size ? std::atoi(size) : 300000) / seeds);
}

} // namespace
