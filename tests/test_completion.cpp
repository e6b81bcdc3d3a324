// Tab completion: verbs first, then what fits the verb where the player stands.
#include <gtest/gtest.h>

#include "completion.h"
#include "gameHarness.h"
#include "terminalDriver.h"
#include "worldIds.h"

namespace {

using Words = std::vector<std::string>;

Words complete(GameHarness& h, const std::string& typed, std::size_t* start = nullptr)
{
    Completions found = completeInput(&h.game(), typed);
    if (start) *start = found.start;
    return found.words;
}

TEST(Completion, FirstWordsAreVerbsAliasesAndSpecialWords)
{
    GameHarness h;
    EXPECT_EQ(complete(h, "ta"), (Words{"take", "talk"}));
    EXPECT_EQ(complete(h, "IN"), (Words{"inv", "inventory"}));
    EXPECT_EQ(complete(h, "xy"), (Words{"xyzzy"}));
    EXPECT_EQ(complete(h, "qu"), (Words{"quit"}));
    EXPECT_EQ(complete(h, "zz"), Words{});
}

TEST(Completion, NounsFitTheVerbAndThePlace)
{
    GameHarness h;
    std::size_t start = 0;
    EXPECT_EQ(complete(h, "go ", &start), (Words{"north", "south", "east", "west", "up", "down"}));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(complete(h, "  go  so", &start), (Words{"south"}));
    EXPECT_EQ(start, 6u);
    h.moveTo(LOC_MAGIC_FOREST); // a Mushroom lies here, the wolf Koridai stands here
    EXPECT_EQ(complete(h, "get "), (Words{"item", "gold", "all", "both", "Mushroom"}));
    EXPECT_EQ(complete(h, "talk "), (Words{"Koridai", "wolf"}));
    EXPECT_EQ(complete(h, "look "),
              (Words{"around", "Mushroom", "Small Potion", "Koridai", "wolf"}));
    EXPECT_EQ(complete(h, "use small"), (Words{"Small Potion"}));
    EXPECT_EQ(complete(h, "remove "), (Words{"Sword", "Tunic"}));
    EXPECT_EQ(complete(h, "equip Sw"), Words{}); // worn, not carried
    EXPECT_EQ(complete(h, "sound o"), (Words{"on", "off"}));
    EXPECT_EQ(complete(h, "wait "), Words{});
}

TEST(Completion, CompletingChangesNothingTheGamePrints)
{
    GameHarness h;
    std::string before = h.play({"look", "inventory", "stats"});
    for (const char* typed : {"", "g", "go ", "look ", "talk s", "get all"})
        complete(h, typed);
    GameHarness other;
    EXPECT_EQ(other.play({"look", "inventory", "stats"}), before);
}

TEST(Completion, WorksInARealTerminal)
{
    Terminal terminal;
    ASSERT_TRUE(terminal.waitFor("--> "));
    terminal.type("1\rFern\rf\r");
    ASSERT_TRUE(terminal.waitFor("You are at the Peaceful Village."));
    // A name and a kind differing only in case are one word.
    terminal.type("look Sta\t\r");
    ASSERT_TRUE(terminal.waitFor("look Statue")) << terminal.screen;
    terminal.type("exa\tSmall\t\r");
    ASSERT_TRUE(terminal.waitFor("You examine the Small Potion...")) << terminal.screen;
    // A verb gets a blank after it; a direction does not.
    terminal.type("go\tno\t\r");
    ASSERT_TRUE(terminal.waitFor("You are at the Magic Forest.")) << terminal.screen;
    terminal.type("ge\tMu\t\r");
    ASSERT_TRUE(terminal.waitFor("Got the Mushroom.")) << terminal.screen;
    // Names with a blank in them complete whole.
    terminal.type("use Small P\t\r");
    ASSERT_TRUE(terminal.waitFor("Drank the Small Potion. Restored 10 HP.")) << terminal.screen;
    terminal.type("quit\r");
    ASSERT_TRUE(terminal.waitFor("Farewell, Fern!"));
}

TEST(Completion, TheShortWordsCompleteAsTheWordsTheyStandFor)
{
    GameHarness h;
    EXPECT_EQ(complete(h, "exa"), (Words{"examine"}));
    EXPECT_EQ(complete(h, "x"), (Words{"x", "xyzzy"}));
    EXPECT_EQ(complete(h, "i"), (Words{"i", "inv", "inventory"}));
    EXPECT_EQ(complete(h, "l"), (Words{"l", "listen", "load", "look"}));
    for (const char* verb : {"x ", "examine ", "l "})
        EXPECT_EQ(complete(h, verb), (Words{"around", "Small Potion", "Statue"})) << verb;
    EXPECT_EQ(complete(h, "i "), Words{});
}

TEST(Completion, ANameAndAKindDifferingInCaseAreOfferedOnce)
{
    GameHarness h; // the Statue stands in the village
    EXPECT_EQ(complete(h, "look Sta"), (Words{"Statue"}));
    EXPECT_EQ(complete(h, "und"), (Words{"undo"}));
}

} // namespace
