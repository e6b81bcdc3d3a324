// Taking commands back (repeating a line is played in the command transcripts).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gameHarness.h"
#include "programRunner.h"
#include "seededRandom.h"
#include "terminalDriver.h"
#include "worldIds.h"

namespace {

const std::string PROMPT = "--> ";

struct Step {
    std::vector<std::string> lines; // the command and the answers it asks for
    bool changes = true;
};

// Plays the steps, then takes every change back, checking each time that the
// record is, byte for byte, what it was before that command; then one more.
void expectEveryChangeTakenBack(GameHarness& h, const std::vector<Step>& steps)
{
    std::vector<std::string> before;
    std::vector<std::string> commands;
    for (const Step& step : steps) {
        if (step.changes) {
            before.push_back(recordBytes(h.game()));
            commands.push_back(step.lines.front());
        }
        h.play(step.lines);
    }
    for (std::size_t i = before.size(); i-- > 0;) {
        std::string said = h.play({"undo"});
        EXPECT_EQ(said.rfind(PROMPT + "You take back \"" + commands[i] + "\".\nYou are at the ", 0),
                  0u)
            << said;
        EXPECT_TRUE(recordBytes(h.game()) == before[i]) << "after taking back " << commands[i];
    }
    EXPECT_EQ(h.play({"undo"}), PROMPT + "There is nothing left to take back.\n");
}

TEST(Undo, TakesBackAChangeAnywhereInTheRecord)
{
    ScriptedLines lines;
    CapturedOutput output;
    SeededRandom random(1);
    NoSound sound;
    SavesFolder saves;
    SystemClock clock;
    Session session({lines, output, random, sound, saves, clock});
    GameState& record = session.record();
    lines.lines = {"1", "Moss", "m"};
    ASSERT_FALSE(session.title());
    const std::string before = recordBytes(record);
    // While "look" runs in the village, a far place, the item table and a
    // stranger change, as any rule may change them.
    lines.onRead = [&record](const std::string*) {
        record.locations[LOC_CASTLE_DUNGEON].description[0] = 'x';
        record.items[NUM_ITEMS - 1].name[0] = 'x';
        record.characters[NUM_CHARACTERS - 1].name[0] = 'x';
    };
    lines.lines = {"look"};
    session.step();
    lines.onRead = nullptr;
    lines.lines = {"undo"};
    session.step();
    EXPECT_NE(output.text.find("You take back \"look around\"."), std::string::npos) << output.text;
    EXPECT_TRUE(recordBytes(record) == before);
}

TEST(Undo, DrawsGoOnFromWhereTheyWere)
{
    GameHarness h;
    h.moveTo(LOC_SMALL_CAVE);
    h.seedRandom(5);
    h.play({"look", "wait", "attack goblin"});
    int drawn = h.randomsDrawn;
    h.play({"undo"});
    // Only the look around after taking back draws (its murmur); taking
    // back runs no command again.
    EXPECT_EQ(h.randomsDrawn, drawn + 1);
}

// Purchases, a fatal fight and a load are taken back in the undo transcript.
TEST(Undo, TakesBackOnlyLinesThatChangedTheGame)
{
    GameHarness h;
    // Ctrl-D at the question, in a terminal, ends only the question; the
    // line typed next is a command, not its answer, when played once more.
    // Taking back "wait" must leave the Tunic worn. A setting changed is a
    // step; set again to what it is, it is none.
    expectEveryChangeTakenBack(
        h,
        {{{"unequip"}}, {{"Tunic"}, false}, {{"sound off"}}, {{"sound off"}, false}, {{"wait"}}});
}

// A typed visit to Greedo with 500 gold, loaded from a save.
struct TypedMarketVisit : TempDir {
    bool saved = [] {
        GameHarness h;
        h.moveTo(LOC_TOWN_MARKET);
        h.player().gold = 500;
        return h.play({"save", "rich"}).ends_with("successfully.\n");
    }();
    Terminal terminal;
    TypedMarketVisit()
    {
        EXPECT_TRUE(saved);
        terminal.waitFor("--> ");
        terminal.type("2\rrich\r");
        terminal.waitFor("successfully.");
    }
    // Ends the input of the question being asked, as Ctrl-D does.
    void endInput()
    {
        terminal.waitFor("--> ");
        terminal.waitForEditor();
        terminal.type("\004");
    }
    std::string goldAfterWaitAndUndo()
    {
        EXPECT_TRUE(terminal.play({{"wait\r", "You wait patiently"},
                                   {"undo\r", "You take back \"wait\"."},
                                   {"stats\r", "Gold: "},
                                   {"", "\n"}},
                                  true));
        std::size_t at = terminal.screen.rfind("Gold: ");
        return terminal.screen.substr(at, terminal.screen.find('\r', at) - at);
    }
};

TEST(Undo, EndOfInputAtAnInnerQuestionTakesBackOnlyTheLastCommand)
{
    TypedMarketVisit visit;
    // "(" starts the wares and their prices.
    ASSERT_TRUE(visit.terminal.play({{"talk Greedo\r", "to quit)"}, {"buy\r", "("}}, true));
    visit.endInput();
    ASSERT_TRUE(visit.terminal.play(
        {{"", "The silent type"}, {"lottery\r", "Anything else?"}, {"no\r", "See you later"}},
        true));
    // The lottery stays played: 5 gold spent.
    EXPECT_EQ(visit.goldAfterWaitAndUndo(), "Gold: 495");
    // The line after a finished command is no answer of it: no lottery is played.
    ASSERT_TRUE(visit.terminal.play({{"talk Greedo\r", "to quit)"}}, true));
    visit.endInput();
    ASSERT_TRUE(
        visit.terminal.play({{"", "See you later"}, {"lotto\r", "Invalid command!"}}, true));
    EXPECT_EQ(visit.goldAfterWaitAndUndo(), "Gold: 495");
}

TEST(Undo, AnswersAreNotKept)
{
    TempDir dir;
    // A visit to Greedo, answered again and again.
    const std::string visit = "1\nMoss\nm\ngo east\ntalk Greedo\n";
    const std::string answer = std::string(200, 'x') + "\n";
    long usualKb = peakKbPlaying(visit, answer, 10, "no\nquit\n", "/dev/null");
    // 200,000 answers of 200 bytes would be 40 MB kept; undo keeps what the
    // record changed, not what was typed. The margin is the game's own
    // buffers, whatever else the machine runs.
    EXPECT_LT(peakKbPlaying(visit, answer, 200000, "no\nquit\n", "/dev/null"), usualKb + 8 * 1024);
}

TEST(Undo, KeepsAtMostItsBudgetAndAHundredCommandsHoweverLongTheSession)
{
    GameHarness h;
    h.checkTakingBack = false; // a copy of the record at every line is slow
    h.moveTo(LOC_TOWN_MARKET);
    h.play({"talk Greedo"});
    std::vector<std::string> lines(20000, std::string(99, 'x'));
    lines.push_back("no");
    h.play(lines);
    std::vector<std::string> turns;
    turns.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        turns.push_back(i % 2 ? "go west" : "go east");
    h.play(turns);
    EXPECT_LE(h.undoLog().bytesKept(), std::size_t{3} << 19);
    const int minutes = h.game().minutesPassed;
    h.play(std::vector<std::string>(100, "undo"));
    EXPECT_EQ(h.game().minutesPassed, minutes - 100);
    EXPECT_EQ(h.here().id, LOC_TOWN_MARKET);
}

} // namespace
