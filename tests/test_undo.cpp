// Taking commands back and the list of saves (repeating a line is played in
// the command transcripts).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gameHarness.h"
#include "worldIds.h"

namespace fs = std::filesystem;

namespace {

const std::string PROMPT = "--> ";

using Record = std::vector<unsigned char>;

Record bytesOf(const GameState& state)
{
    const auto* start = reinterpret_cast<const unsigned char*>(&state);
    return Record(start, start + sizeof state);
}

struct Step {
    std::vector<std::string> lines; // the command and the answers it asks for
    bool changes = true;
};

// Plays the steps, then takes every change back, checking each time that the
// record is, byte for byte, what it was before that command; then one more.
void expectEveryChangeTakenBack(GameHarness& h, const std::vector<Step>& steps)
{
    std::vector<Record> before;
    std::vector<std::string> commands;
    for (const Step& step : steps) {
        if (step.changes) {
            before.push_back(bytesOf(h.game()));
            commands.push_back(step.lines.front());
        }
        h.play(step.lines);
    }
    for (std::size_t i = before.size(); i-- > 0;) {
        std::string said = h.play({"undo"});
        EXPECT_EQ(said.rfind(PROMPT + "You take back \"" + commands[i] + "\".\nYou are at the ", 0),
                  0u)
            << said;
        EXPECT_TRUE(bytesOf(h.game()) == before[i]) << "after taking back " << commands[i];
    }
    EXPECT_EQ(h.play({"undo"}), PROMPT + "There is nothing left to take back.\n");
}

TEST(Undo, TakesBackPurchasesSoundAndALoadByteForByte)
{
    TempDir dir;
    GameHarness h;
    h.seedRandom(11);
    h.moveTo(LOC_TOWN_MARKET); // where Greedo sells
    expectEveryChangeTakenBack(h, {{{"talk Greedo", "buy", "Candle", "no"}},
                                   {{"save", "golem"}, false},
                                   {{"sound off"}},
                                   {{"stats"}, false},
                                   {{"sound off"}, false},
                                   {{"talk Greedo", "buy", "Candle", "no"}},
                                   {{"go west"}},
                                   {{"load", "golem"}},
                                   {{"load", "nothing-here"}, false},
                                   {{"look around"}},
                                   {{"get all"}}});
}

TEST(Undo, TakesBackAFightAndADeath)
{
    GameHarness h;
    h.moveTo(LOC_SMALL_CAVE); // the goblin's
    h.player().hp = 2;
    // Both strike for 1; then the player misses and the goblin's blow kills.
    h.queueRandom({1, 1, 1, 1, 0, 1, 0});
    expectEveryChangeTakenBack(h, {{{"wait"}}, {{"attack goblin", "yes"}}, {{"attack goblin"}}});
    EXPECT_EQ(h.player().hp, 2);
}

TEST(Undo, DrawsGoOnFromWhereTheyWere)
{
    GameHarness h;
    h.moveTo(LOC_SMALL_CAVE);
    h.seedRandom(5);
    h.play({"look", "wait", "attack goblin"});
    int drawn = h.randomsDrawn;
    h.play({"undo"});
    // Only the look around after taking back draws (its murmur); the
    // commands played again use the numbers they drew the first time.
    EXPECT_EQ(h.randomsDrawn, drawn + 1);
}

TEST(Undo, AQuestionTheEndOfInputAnsweredMeetsItAgain)
{
    GameHarness h;
    // Ctrl-D at the question, in a terminal, ends only the question; the
    // line typed next is a command, not its answer, when played once more.
    h.play({"unequip"});
    h.play({"Tunic"});
    Record before = bytesOf(h.game());
    h.play({"wait"});
    h.play({"undo"});
    EXPECT_TRUE(bytesOf(h.game()) == before);
    EXPECT_STREQ(h.player().inventory[SLOT_ARMOUR].name, "Tunic");
}

TEST(Undo, KeepsAtLeastAHundredCommands)
{
    GameHarness h;
    std::vector<std::string> waits(150, "wait");
    h.play(waits);
    std::vector<std::string> undos(100, "undo");
    h.play(undos);
    EXPECT_EQ(h.game().minutesPassed, 50);
}

TEST(Saves, ListsNewestFirstAndCallsRefusedFilesDamaged)
{
    TempDir dir;
    GameHarness h;
    EXPECT_EQ(h.play({"saves"}), PROMPT + "There are no saved games yet.\n");
    h.play({"wait", "save", "older", "n", "save", "newer"});
    std::ofstream("saves/broken.dat.gz") << "not a game";
    std::ofstream("saves/notes.txt") << "not a save";
    // A name made outside the game must not steer the terminal.
    std::ofstream("saves/\033]0;title\007.dat.gz") << "not a game";
    auto now = fs::file_time_type::clock::now();
    fs::last_write_time("saves/older.dat.gz", now - std::chrono::hours(2));
    fs::last_write_time("saves/newer.dat.gz", now - std::chrono::hours(1));
    std::string listing = h.play({"saves"});
    std::size_t at = 0;
    for (const char* line :
         {"Saved games, newest first (type the name at the load prompt):\n",
          "  broken: damaged, cannot be loaded; written ",
          "  newer: Arlen at the Magic Forest, 2 minute(s) played; written ",
          "  older: Arlen at the Peaceful Village, 1 minute(s) played; written "}) {
        at = listing.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << " in\n" << listing;
    }
    EXPECT_EQ(listing.find("notes"), std::string::npos);
    EXPECT_NE(listing.find("  ]0;title: damaged"), std::string::npos);
    EXPECT_EQ(listing.find_first_of("\033\007"), std::string::npos);
    EXPECT_EQ(h.game().minutesPassed, 2);
}

} // namespace
