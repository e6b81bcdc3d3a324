// Gifts as the player makes them: every favourite's thanks, the refusals, the
// chains of trades that open the world, and the Black Rose to the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entities.h"
#include "gameHarness.h"
#include "items.h"

namespace {

const std::string PROMPT = "--> ";

// Stands the player, lit and calm, before a character with the Small Potion in
// slot 0 and the gift in slot 1.
void meet(GameHarness& h, int entityId, int giftId)
{
    h.emptyPack();
    h.giveItem(ITEM_SMALL_POTION);
    h.giveItem(giftId);
    h.entity(entityId).hostile = false; // as the Lyre leaves the skeleton and golem
    h.moveTo(h.entity(entityId).locationId);
    h.here().isLit = true;
    h.game().lightTurns = 100;
}

std::string give(GameHarness& h, int itemId)
{
    return h.play({std::string("give ") + h.game().items[itemId].name});
}

TEST(Give, EveryFavouriteIsWelcomedWithTrustSoundAndReward)
{
    struct Row {
        int entityId, giftId, trustGain;
        const char* sound;
        int rewardId, goldGain;
    };
    const Row rows[] = {
        {ENTITY_GREEDO, ITEM_RUSTY_DAGGER, 25, "sound/gold.ogg", ITEM_EMPTY, 1000},
        {ENTITY_HANBO, ITEM_ORNATE_COIN, 20, "", ITEM_MANSION_KEY, 0},
        {ENTITY_GOBLIN, ITEM_TALISMAN, 15, "", ITEM_RUSTY_DAGGER, 0},
        {ENTITY_CLARA, ITEM_LILY, 10, "", ITEM_COOKBOOK, 0},
        {ENTITY_EVELYN, ITEM_COOKBOOK, 10, "", ITEM_CELLAR_KEY, 0},
        {ENTITY_FREDDIE, ITEM_SEASHELL, 15, "", ITEM_FLUTE, 0},
        {ENTITY_WERUH, ITEM_AMETHYST, 20, "", ITEM_ORNATE_COIN, 0},
        {ENTITY_GOD, ITEM_VIOLET, 50, "sound/giggle.ogg", ITEM_EMPTY, 0},
        {ENTITY_NURNIC, ITEM_MUSHROOM, 10, "", ITEM_FISH, 0},
        {ENTITY_TUX, ITEM_FISH, 20, "", ITEM_PYRAMID_KEY, 0},
        {ENTITY_MUKIRI, ITEM_TURTLE_SHELL, 15, "", ITEM_LYRE, 0},
        {ENTITY_WOLF, ITEM_BONE, 20, "sound/bark.ogg", ITEM_EMPTY, 0},
        {ENTITY_DRAGON, ITEM_GOBLET, 15, "sound/gold.ogg", ITEM_EMPTY, 150},
        {ENTITY_WIZARD, ITEM_SPELLBOOK, 10, "", ITEM_BLUE_RING, 0},
        {ENTITY_SKELETON, ITEM_MOONS_TEAR, 15, "", ITEM_CRYSTAL_HEART, 0},
        {ENTITY_GOLEM, ITEM_CRYSTAL_HEART, 15, "", ITEM_UMBER_SCYTHE, 0},
        {ENTITY_MARY_LOU, ITEM_FROSTED_LEAF, 10, "sound/gold.ogg", ITEM_EMPTY, 100},
        {ENTITY_KAPPA, ITEM_CUCUMBER, 15, "sound/gold.ogg", ITEM_EMPTY, 50},
    };
    for (const Row& row : rows) {
        GameHarness h;
        meet(h, row.entityId, row.giftId);
        Entity& recipient = h.entity(row.entityId);
        int trustBefore = recipient.trust;
        std::string name = recipient.name;
        std::string handOver =
            PROMPT + "You give the " + h.game().items[row.giftId].name + " to " + name + ".\n";
        EXPECT_EQ(give(h, row.giftId).rfind(handOver, 0), 0u) << name;
        EXPECT_EQ(recipient.trust, trustBefore + row.trustGain) << name;
        std::vector<std::string> sounds;
        if (row.sound[0] != '\0') sounds.push_back(row.sound);
        EXPECT_EQ(h.takeSounds(), sounds) << name;
        EXPECT_EQ(h.player().gold, 50 + row.goldGain) << name;
        EXPECT_EQ(h.player().inventory[1].id, row.rewardId) << name; // into the freed slot
        EXPECT_EQ(h.player().inventory[0].id, ITEM_SMALL_POTION) << name;
    }
}

TEST(Give, TranscriptsOfEachKindOfThanks)
{
    GameHarness h;
    meet(h, ENTITY_GREEDO, ITEM_RUSTY_DAGGER);
    EXPECT_EQ(h.play({"give rusty dagger"}),
              PROMPT + "You give the Rusty Dagger to Greedo.\n" +
                  "Greedo's eyes widen. \"That's my old...! Thank you kindly!\"\n" +
                  "Greedo gives you 1000 gold as thanks!\n");
    meet(h, ENTITY_HANBO, ITEM_ORNATE_COIN);
    EXPECT_EQ(give(h, ITEM_ORNATE_COIN), PROMPT + "You give the Ornate Coin to Hanbo.\n" +
                                             "Hanbo's eyes gleam. \"Ohoho...!\"\n" +
                                             "Hanbo hands you the Mansion Key in exchange...\n");
    EXPECT_EQ(h.entity(ENTITY_HANBO).inventory[0].name, std::string("Sword")); // stock untouched
    meet(h, ENTITY_CLARA, ITEM_LILY);
    EXPECT_EQ(give(h, ITEM_LILY), PROMPT + "You give the Lily to Clara.\n" +
                                      "Clara smiles happily. \"Thank you...!\"\n" +
                                      "Clara gives you the Cookbook as a token of appreciation.\n");
    EXPECT_EQ(h.entity(ENTITY_CLARA).inventory[0].name, std::string("Empty"));
    meet(h, ENTITY_WOLF, ITEM_BONE);
    EXPECT_EQ(give(h, ITEM_BONE), PROMPT + "You give the Bone to Koridai.\n" +
                                      "Koridai the wolf barks happily and wags its tail!\n" +
                                      "Koridai cuddles up to you in a friendly manner. Aww...!\n");
    meet(h, ENTITY_WIZARD, ITEM_SPELLBOOK);
    std::string wizard = give(h, ITEM_SPELLBOOK);
    EXPECT_NE(wizard.find("Gerard hands you the Blue Ring...then vanishes in a puff of smoke!\n"),
              std::string::npos);
    EXPECT_EQ(h.entity(ENTITY_WIZARD).locationId, LOC_NOWHERE);
    // The ogre's song is one quoted line of its own.
    meet(h, ENTITY_FREDDIE, ITEM_SEASHELL);
    std::string text = give(h, ITEM_SEASHELL);
    std::string opening = PROMPT + "You give the Seashell to Freddie.\n" +
                          "Freddie smiles warmly and starts to sing!\n\"";
    std::string closing = "\"\nFreddie gives you the Flute as thanks...!\n";
    ASSERT_GT(text.size(), opening.size() + closing.size());
    EXPECT_EQ(text.rfind(opening, 0), 0u);
    EXPECT_EQ(text.substr(text.size() - closing.size()), closing);
    std::string song = text.substr(opening.size(), text.size() - opening.size() - closing.size());
    EXPECT_EQ(song.find_first_of("\"\n"), std::string::npos) << song;
}

TEST(Give, TheGoblinTradesHisDaggerOnceAndThenHasNothingLeft)
{
    GameHarness h;
    meet(h, ENTITY_GOBLIN, ITEM_TALISMAN);
    h.giveItem(ITEM_TALISMAN);
    Entity& goblin = h.entity(ENTITY_GOBLIN);
    const std::string grin =
        PROMPT + "You give the Talisman to Harfam.\n" + "The goblin grins. \"Shiny...for me?\"\n";
    const std::string cheated = "(You feel a bit cheated, somehow...)\n";
    EXPECT_EQ(give(h, ITEM_TALISMAN),
              grin + "The goblin hands you a Rusty Dagger in exchange.\n" + cheated);
    EXPECT_EQ(goblin.atk, goblin.baseAtk); // the dagger's bonus is gone by the turn's end
    EXPECT_EQ(give(h, ITEM_TALISMAN), grin + cheated); // no line handing over "Empty"
    EXPECT_EQ(h.player().inventory[2].name, std::string("Empty"));
    EXPECT_EQ(goblin.trust, 30);
}

TEST(Give, ChainsOfTradesEndInKeysGoldAndTheScythe)
{
    struct Chain {
        int first, gift, second, finalItem, goldGain;
    };
    const Chain chains[] = {
        {ENTITY_CLARA, ITEM_LILY, ENTITY_EVELYN, ITEM_CELLAR_KEY, 0},
        {ENTITY_WERUH, ITEM_AMETHYST, ENTITY_HANBO, ITEM_MANSION_KEY, 0},
        {ENTITY_NURNIC, ITEM_MUSHROOM, ENTITY_TUX, ITEM_PYRAMID_KEY, 0},
        {ENTITY_GOBLIN, ITEM_TALISMAN, ENTITY_GREEDO, ITEM_EMPTY, 1000},
        {ENTITY_SKELETON, ITEM_MOONS_TEAR, ENTITY_GOLEM, ITEM_UMBER_SCYTHE, 0},
    };
    for (const Chain& c : chains) {
        GameHarness h;
        meet(h, c.first, c.gift);
        give(h, c.gift);
        // Carry what the first trade handed over to the next in the chain.
        std::string traded = h.player().inventory[1].name;
        h.entity(c.second).hostile = false;
        h.moveTo(h.entity(c.second).locationId);
        h.here().isLit = true;
        h.play({"give " + traded});
        EXPECT_EQ(h.player().inventory[1].id, c.finalItem) << traded;
        EXPECT_EQ(h.player().gold, 50 + c.goldGain) << traded;
    }
}

TEST(Give, Refusals)
{
    GameHarness h;
    meet(h, ENTITY_CLARA, ITEM_SEASHELL);
    EXPECT_EQ(give(h, ITEM_SEASHELL), PROMPT + "Clara doesn't want that!\n");
    EXPECT_EQ(h.play({"give Sword"}), PROMPT + "Invalid item name!\n"); // worn, not carried
    EXPECT_EQ(h.play({"give Seashell to Clara"}), PROMPT + "Invalid item name!\n");
    EXPECT_EQ(h.play({"give"}), PROMPT + "Give which item?\n" + PROMPT + "Invalid item name!\n");
    h.entity(ENTITY_CLARA).alive = false; // the dead take no gifts
    EXPECT_EQ(give(h, ITEM_SEASHELL), PROMPT + "There is nobody here!\n");
    meet(h, ENTITY_SKELETON, ITEM_MOONS_TEAR);
    h.entity(ENTITY_SKELETON).hostile = true;
    EXPECT_EQ(give(h, ITEM_MOONS_TEAR), PROMPT + "Bones isn't in the mood for that!\n");
    EXPECT_EQ(h.player().inventory[1].id, ITEM_MOONS_TEAR);
    EXPECT_EQ(h.entity(ENTITY_CLARA).trust, 0);
    h.emptyPack();
    EXPECT_EQ(h.play({"give Seashell"}), PROMPT); // nothing carried: not a word
}

// ---- The Black Rose ----

TEST(GiveRose, TheQueensAnswerAndOthersDoNotCare)
{
    GameHarness h;
    meet(h, ENTITY_BLACK_QUEEN, ITEM_BLACK_ROSE);
    EXPECT_EQ(
        h.play({"give Black Rose"}),
        PROMPT + "You give the Black Rose to the Black Queen.\n" +
            "The Black Queen smiles sadly.\n" + "\"...too little, too late, I'm afraid...\"\n" +
            "She returns the Black Rose to you.\n" + "The Black Queen prepares to attack...\n");
    EXPECT_EQ(h.entity(ENTITY_BLACK_QUEEN).cooldown, 999);
    EXPECT_EQ(h.play({"give black rose"}), PROMPT + "Mercuria isn't in the mood for that!\n");

    meet(h, ENTITY_WHITE_QUEEN, ITEM_BLACK_ROSE);
    const std::string opening = PROMPT + "You give the Black Rose to the White Queen.\n" +
                                "The White Queen shakes her head.\n";
    const std::string closing = "She returns the Black Rose to you.\n";
    EXPECT_EQ(h.play({"give Black Rose"}),
              opening + "\"Even if you gave this to her...it would change nothing.\"\n" + closing);
    h.game().blackQueenSlain = true;
    EXPECT_EQ(h.play({"give Black Rose"}),
              opening + "\"Even if you had given this to her...it would have changed nothing.\"\n" +
                  closing);

    meet(h, ENTITY_VILLAGE_STATUE, ITEM_BLACK_ROSE);
    EXPECT_EQ(h.play({"give Black Rose"}), PROMPT + "Statue doesn't care for the Black Rose...\n");
    EXPECT_EQ(h.player().inventory[1].id, ITEM_BLACK_ROSE);
    EXPECT_EQ(h.entity(ENTITY_BLACK_QUEEN).trust + h.entity(ENTITY_WHITE_QUEEN).trust, 0);
}

const std::string STATUE_LINES = PROMPT + "You place the Black Rose at the foot of the statue.\n" +
                                 "A soft wind rustles through the Pale Garden...\n" +
                                 "The statue gleams faintly. Your journey is over.\n" +
                                 "Quit the game? [y/n]: ";

TEST(GiveRose, AnythingButYesAtTheStatueOpensTheWayDown)
{
    // The last runs out of input at the question.
    for (std::vector<std::string> lines : std::vector<std::vector<std::string>>{
             {"give Black Rose", "n"}, {"give Black Rose", ""}, {"give Black Rose"}}) {
        GameHarness h;
        meet(h, ENTITY_GARDEN_STATUE, ITEM_BLACK_ROSE);
        EXPECT_EQ(h.play(lines), STATUE_LINES + "As you turn to leave, the winds stir...\n" +
                                     "...and the base of the statue moves, revealing a "
                                     "passageway downward.\n");
        EXPECT_EQ(h.takeSounds(), std::vector<std::string>{"sound/wind.ogg"});
        EXPECT_EQ(h.here().exits[DIR_DOWN], LOC_UNDERGROWTH);
        EXPECT_EQ(h.player().inventory[1].name, std::string("Empty"));
        EXPECT_EQ(h.game().minutesPassed, 1);
    }
}

TEST(GiveRose, YesAtTheStatueEndsTheJourney)
{
    for (const char* yes : {"y", "Yes please"}) {
        GameHarness h;
        meet(h, ENTITY_GARDEN_STATUE, ITEM_BLACK_ROSE);
        int downBefore = h.here().exits[DIR_DOWN];
        EXPECT_EQ(h.play({"give Black Rose", yes, "look"}),
                  STATUE_LINES + "Farewell, Arlen...\n\n");
        EXPECT_TRUE(h.ended);
        EXPECT_EQ(h.here().exits[DIR_DOWN], downBefore);
        EXPECT_EQ(h.game().minutesPassed, 0);
    }
}

} // namespace
