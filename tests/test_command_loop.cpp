// The command loop as a player meets it: aliases, history, the split into
// verb and rest, bad words, special words, darkness and turns.
#include <gtest/gtest.h>

#include "commandTable.h"
#include "game.h"
#include "gameHarness.h"
#include "worldIds.h"

namespace {

constexpr const char* PROMPT = "--> ";

TEST(CommandLoop, AliasesExpandWholeLinesOnlyAndHistoryKeepsTheExpansion)
{
    GameHarness h;
    h.play({"N", "s", "go n", "n ", "history"});
    std::string listing = h.play({"history"});
    EXPECT_EQ(listing, std::string(PROMPT) +
                           "Recent command history:\n- go north\n- go south\n- go n\n- n \n");
    EXPECT_EQ(h.player().locationId, LOC_VILLAGE); // north then south again
}

TEST(CommandLoop, LookWithOnlyBlanksNamesNothing)
{
    GameHarness h;
    EXPECT_EQ(h.play({"look   "}), std::string(PROMPT) + "You can't look at that!\n");
    EXPECT_EQ(h.play({"LOOK AROUND"}), h.play({"look"}));
}

TEST(CommandLoop, HistoryBeforeAnyLineSaysThereIsNone)
{
    GameHarness h;
    EXPECT_EQ(h.play({"history"}), std::string(PROMPT) + "No command history.\n");
    h.play({"", "   "});
    EXPECT_EQ(h.play({"history"}), std::string(PROMPT) + "Recent command history:\n-    \n");
}

TEST(CommandLoop, HistoryKeepsTheTwentyNewestLines)
{
    GameHarness h;
    std::vector<std::string> lines;
    for (int i = 0; i < 25; ++i)
        lines.push_back("think " + std::to_string(i));
    h.play(lines);
    std::string listing = h.play({"history"});
    EXPECT_EQ(listing.find("- think 4\n"), std::string::npos);
    EXPECT_NE(listing.find("- think 5\n- think 6\n"), std::string::npos);
    EXPECT_NE(listing.find("- think 24\n"), std::string::npos);
}

TEST(CommandLoop, BadWordsAsVerbOrWholeRestOnly)
{
    GameHarness h;
    const std::string warning = std::string(PROMPT) + "Now, now. Watch your language.\n";
    EXPECT_EQ(h.play({"damn"}), warning);
    EXPECT_EQ(h.play({"get DAMN"}), warning);
    EXPECT_EQ(h.play({"get damn it"}), std::string(PROMPT) + "You can't get that!\n");
    EXPECT_EQ(h.game().minutesPassed, 1);
}

TEST(CommandLoop, SpecialWordsIgnoreTheRestAndTakeNoTurn)
{
    GameHarness h;
    h.queueRandom({3, 0});
    std::string text = h.play({"xyzzy now", "plugh", "think hard", "debug", "sleep", "dance",
                               "pray", "pray for rain", "arlen"});
    EXPECT_EQ(text, std::string(PROMPT) + "POOF! Nothing happens.\n" + PROMPT +
                        "A hollow voice says, \"You can't do that here.\"\n" + PROMPT +
                        "You think...therefore, you are.\n" + PROMPT +
                        "There are no bugs here, only features.\n" + PROMPT +
                        "You can't just go to sleep here!\n" + PROMPT +
                        "You bust out some questionable moves. Nobody is impressed.\n" + PROMPT +
                        "You close your eyes and say a silent prayer to God.\n" + PROMPT +
                        "You close your eyes and say a silent prayer to God.\n"
                        "You hear a faint voice respond warmly: \"I hear you.\"\n" +
                        PROMPT + "Yes, that is your name...\n");
    EXPECT_EQ(h.game().minutesPassed, 0);
    EXPECT_EQ(h.takeSounds(), (std::vector<std::string>{"sound/pray.ogg", "sound/pray.ogg"}));
}

TEST(CommandLoop, TheNameWinsOverTheCommandTableButNotOverSpecialWords)
{
    GameHarness h;
    std::snprintf(h.player().name, sizeof h.player().name, "help");
    EXPECT_EQ(h.play({"HELP"}), std::string(PROMPT) + "Yes, that is your name...\n");
    std::snprintf(h.player().name, sizeof h.player().name, "xyzzy");
    EXPECT_EQ(h.play({"xyzzy"}), std::string(PROMPT) + "POOF! Nothing happens.\n");
}

TEST(CommandLoop, QuitInCapitalsSaysFarewellByName)
{
    GameHarness h;
    EXPECT_EQ(h.play({"QUIT now", "look"}), std::string(PROMPT) + "Farewell, Arlen!\n");
    EXPECT_TRUE(h.ended);
}

TEST(CommandLoop, EndOfInputEndsTheGameLikeQuit)
{
    GameHarness h;
    EXPECT_EQ(h.play({"think"}), std::string(PROMPT) + "You think...therefore, you are.\n");
    EXPECT_FALSE(h.ended);
    EXPECT_EQ(handleCommand(&h.game()), Ending::Quit);
}

TEST(CommandLoop, UnknownVerbsAndOverlongWordsAreInvalid)
{
    GameHarness h;
    EXPECT_EQ(h.play({"fly"}), std::string(PROMPT) + "Invalid command!\n");
    std::string longWord(40, 'g');
    EXPECT_EQ(h.play({longWord}), std::string(PROMPT) + "Invalid command!\n");
    EXPECT_EQ(h.game().minutesPassed, 0);
}

TEST(CommandLoop, SplitCutsVerbAndRestToTheirWidths)
{
    char verb[32];
    char rest[64];
    bool endOfInput = false;
    GameHarness h;
    // Drive the splitter directly with one scripted line.
    std::string word(40, 'x');
    std::string tail(80, 'y');
    h.play({});
    ScriptedLines lines;
    lines.lines = {word + "   " + tail};
    setLineSource(&lines);
    ASSERT_TRUE(getNormalizedCommand(verb, rest, 100, &endOfInput));
    EXPECT_EQ(std::string(verb), std::string(31, 'x'));
    EXPECT_EQ(std::string(rest), std::string(9, 'x') + "   " + std::string(51, 'y'));
}

TEST(CommandLoop, DarknessRefusesLightNeedingCommandsWithoutATurn)
{
    GameHarness h;
    h.moveTo(LOC_CASTLE_DUNGEON); // unlit
    for (const char* line : {"wait", "talk", "hug x", "listen", "get gold", "drop x", "give x",
                             "equip x", "remove x", "attack x"}) {
        EXPECT_EQ(h.play({line}), std::string(PROMPT) + "It's too dark to do that!\n") << line;
    }
    EXPECT_EQ(h.game().minutesPassed, 0);
    h.play({"look", "use nothing", "go west"});
    EXPECT_EQ(h.game().minutesPassed, 3);
}

TEST(CommandLoop, TurnTakenFollowsTheTableRow)
{
    GameHarness h;
    h.play({"wait"});
    EXPECT_TRUE(h.game().turnTaken);
    for (const char* line : {"sound", "clear", "help", "stats", "inventory", "time"}) {
        h.game().turnTaken = true;
        h.play({line});
        EXPECT_FALSE(h.game().turnTaken) << line;
    }
    EXPECT_EQ(h.game().minutesPassed, 1);
}

TEST(CommandTable, VerbsFindTheirRowsIgnoringCase)
{
    EXPECT_EQ(findCommandIndex("GO"), 0);
    EXPECT_EQ(findCommandIndex("take"), 2);
    EXPECT_EQ(findCommandIndex("listen"), 25);
    EXPECT_EQ(findCommandIndex("history"), -1);
    EXPECT_EQ(commands[findCommandIndex("use")].needsLight, false);
    EXPECT_EQ(commands[findCommandIndex("save")].takesTurn, false);
}

} // namespace
