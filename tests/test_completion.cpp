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

TEST(Completion, VerbsFirstThenWhatFitsTheVerbAndThePlace)
{
    struct Case {
        int place;
        const char* typed;
        Words words;
    };
    // A Small Potion is carried and the Statue stands in the village; a
    // Mushroom lies in the forest, where the wolf Koridai stands.
    const Case cases[] = {
        {LOC_VILLAGE, "ta", {"take", "talk"}},
        {LOC_VILLAGE, "IN", {"inv", "inventory"}},
        {LOC_VILLAGE, "xy", {"xyzzy"}},
        {LOC_VILLAGE, "qu", {"quit"}},
        {LOC_VILLAGE, "zz", {}},
        {LOC_VILLAGE, "und", {"undo"}},
        // The short words complete as the words they stand for.
        {LOC_VILLAGE, "exa", {"examine"}},
        {LOC_VILLAGE, "x", {"x", "xyzzy"}},
        {LOC_VILLAGE, "i", {"i", "inv", "inventory"}},
        {LOC_VILLAGE, "l", {"l", "listen", "load", "look"}},
        {LOC_VILLAGE, "x ", {"around", "Small Potion", "Statue"}},
        {LOC_VILLAGE, "examine ", {"around", "Small Potion", "Statue"}},
        {LOC_VILLAGE, "l ", {"around", "Small Potion", "Statue"}},
        {LOC_VILLAGE, "i ", {}},
        // A name and a kind differing only in case are offered once.
        {LOC_VILLAGE, "look Sta", {"Statue"}},
        {LOC_VILLAGE, "go ", {"north", "south", "east", "west", "up", "down"}},
        {LOC_VILLAGE, "  go  so", {"south"}},
        {LOC_MAGIC_FOREST, "get ", {"item", "gold", "all", "both", "Mushroom"}},
        {LOC_MAGIC_FOREST, "talk ", {"Koridai", "wolf"}},
        {LOC_MAGIC_FOREST, "look ", {"around", "Mushroom", "Small Potion", "Koridai", "wolf"}},
        {LOC_MAGIC_FOREST, "use small", {"Small Potion"}},
        {LOC_MAGIC_FOREST, "remove ", {"Sword", "Tunic"}},
        {LOC_MAGIC_FOREST, "equip Sw", {}}, // worn, not carried
        {LOC_MAGIC_FOREST, "sound o", {"on", "off"}},
        {LOC_MAGIC_FOREST, "wait ", {}},
    };
    GameHarness h;
    for (const Case& c : cases) {
        h.moveTo(c.place);
        EXPECT_EQ(complete(h, c.typed), c.words) << c.typed;
    }
    std::size_t start = 0;
    complete(h, "go ", &start);
    EXPECT_EQ(start, 3u);
    complete(h, "  go  so", &start);
    EXPECT_EQ(start, 6u);
    // Completing changed nothing the game prints.
    h.moveTo(LOC_VILLAGE);
    EXPECT_EQ(h.play({"look", "inventory", "stats"}),
              GameHarness().play({"look", "inventory", "stats"}));
}

TEST(Completion, WorksInARealTerminal)
{
    TempDir dir;
    GameHarness().play({"save", "journey", "save", "my trip"});
    Terminal terminal;
    EXPECT_TRUE(terminal.play({{"", "--> "},
                               // Both name prompts offer the saves there are.
                               {"2\r", "to load: "},
                               {"jou\t\r", "Game loaded from saves/journey.dat.gz successfully."},
                               {"save\r", "save file: "},
                               {"my t\t\r", "A save file named 'my_trip' already exists."},
                               {"n\r", "Save cancelled."},
                               // A name and a kind differing only in case are one word.
                               {"look Sta\t\r", "look Statue"},
                               {"exa\tSmall\t\r", "You examine the Small Potion..."},
                               // A verb gets a blank after it; a direction does not.
                               {"go\tno\t\r", "You are at the Magic Forest."},
                               {"ge\tMu\t\r", "Got the Mushroom."},
                               // Names with a blank in them complete whole.
                               {"use Small P\t\r", "Drank the Small Potion. Restored 10 HP."},
                               {"quit\r", "Farewell, Arlen!"}}));
}

} // namespace
