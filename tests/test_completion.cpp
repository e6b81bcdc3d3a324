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
    const int village = LOC_VILLAGE;
    const int forest = LOC_MAGIC_FOREST;
    const Case cases[] = {
        {village, "ta", {"take", "talk"}},
        {village, "IN", {"inventory", "inv"}},
        {village, "xy", {"xyzzy"}},
        {village, "qu", {"quit"}},
        {village, "zz", {}},
        {village, "und", {"undo"}},
        // The short words complete as the words they stand for.
        {village, "exa", {"examine"}},
        {village, "x", {"xyzzy", "x"}},
        {village, "i", {"inventory", "i", "inv"}},
        {village, "l", {"look", "load", "listen", "l"}},
        {village, "x ", {"around", "Small Potion", "Statue"}},
        {village, "examine ", {"around", "Small Potion", "Statue"}},
        {village, "l ", {"around", "Small Potion", "Statue"}},
        {village, "i ", {}},
        // A name and a kind differing only in case are offered once.
        {village, "look Sta", {"Statue"}},
        {village, "go ", {"north", "south", "east", "west", "up", "down"}},
        {village, "  go  so", {"south"}},
        {forest, "get ", {"item", "gold", "all", "both", "Mushroom"}},
        {forest, "talk ", {"Koridai", "wolf"}},
        {forest, "look ", {"around", "Mushroom", "Small Potion", "Koridai", "wolf"}},
        {forest, "use small", {"Small Potion"}},
        {forest, "remove ", {"Sword", "Tunic"}},
        {forest, "equip Sw", {}}, // worn, not carried
        {forest, "sound o", {"on", "off"}},
        {forest, "wait ", {}},
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
    h.moveTo(village);
    EXPECT_EQ(h.play({"look", "inventory", "stats"}),
              GameHarness().play({"look", "inventory", "stats"}));
}

TEST(Completion, WorksInARealTerminal)
{
    Terminal terminal;
    EXPECT_TRUE(terminal.play({{"", "--> "},
                               {"1\rFern\rf\r", "You are at the Peaceful Village."},
                               // A name and a kind differing only in case are one word.
                               {"look Sta\t\r", "look Statue"},
                               {"exa\tSmall\t\r", "You examine the Small Potion..."},
                               // A verb gets a blank after it; a direction does not.
                               {"go\tno\t\r", "You are at the Magic Forest."},
                               {"ge\tMu\t\r", "Got the Mushroom."},
                               // Names with a blank in them complete whole.
                               {"use Small P\t\r", "Drank the Small Potion. Restored 10 HP."},
                               {"quit\r", "Farewell, Fern!"}}));
}

} // namespace
