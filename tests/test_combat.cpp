// Fights as the player meets them: the question before striking a friend, the
// order of the dice, wear and breakage, what the fallen leave behind, the
// Black Queen's fall, and waking in the afterlife.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "entities.h"
#include "gameHarness.h"
#include "items.h"

namespace {

const std::string PROMPT = "--> ";

// The goblin in his cave, already spoiling for a fight (no question asked).
Entity& angryGoblin(GameHarness& h)
{
    h.moveTo(LOC_SMALL_CAVE);
    Entity& goblin = h.entity(ENTITY_GOBLIN);
    goblin.hostile = true;
    goblin.cooldown = 100;
    return goblin;
}

// The skeleton one blow from falling, in his lit-up depths.
Entity& dyingSkeleton(GameHarness& h)
{
    h.moveTo(LOC_ASHEN_DEPTHS);
    h.here().isLit = true;
    h.game().lightTurns = 100;
    h.entity(ENTITY_SKELETON).hp = 1;
    return h.entity(ENTITY_SKELETON);
}

TEST(Combat, BlowsLandOrMissByTheDiceAndWearTheGear)
{
    GameHarness h;
    Entity& goblin = angryGoblin(h);
    // hit, 13 % (11-3) = 5 damage; counter hit, base 1 gives 1 damage
    h.queueRandom({1, 13, 1, 0});
    EXPECT_EQ(h.play({"attack goblin"}),
              PROMPT + "Arlen swings the Sword at Harfam...5 damage!\n" +
                  "Harfam strikes back with the Rusty Dagger...1 damage!\n");
    EXPECT_EQ(goblin.hp, 25);
    EXPECT_EQ(goblin.cooldown, 103);
    EXPECT_EQ(h.player().hp, 49);
    h.queueRandom({10, 25}); // both rolls divisible by 5: two misses, no wear
    EXPECT_EQ(h.play({"kill Harfam"}),
              PROMPT + "Arlen swings the Sword at Harfam...and misses!\n" +
                  "Harfam strikes back with the Rusty Dagger...and misses!\n");
    EXPECT_EQ(h.randomsDrawn, 6);
    EXPECT_EQ(h.player().inventory[SLOT_WEAPON].durability, 39);
    EXPECT_EQ(h.player().inventory[SLOT_ARMOUR].durability, 29);
}

TEST(Combat, TheFallenDropGoldAndOneCarriedThing)
{
    GameHarness h;
    h.player().sex = 1;
    Entity& bones = dyingSkeleton(h);
    // hit, damage, gold 142 % 100 = 42, slot 10 % 10 = 0 (the Crystal Heart)
    h.queueRandom({1, 0, 142, 10});
    EXPECT_EQ(h.play({"attack skeleton"}),
              PROMPT + "Arlen swings the Sword at Bones...1 damage!\n" +
                  "Bones perishes to Arlen and his Sword!\n" + "Dropped 42 gold!\n" +
                  "Dropped Crystal Heart!\n" + "Bones drops to the ground...\n");
    EXPECT_FALSE(bones.alive);
    EXPECT_EQ(h.here().gold, 42);
    EXPECT_EQ(h.here().item.id, ITEM_CRYSTAL_HEART);
    EXPECT_EQ(bones.inventory[0].id, ITEM_EMPTY);
    EXPECT_EQ(h.play({"attack Bones"}), PROMPT + "You can't attack a corpse!\n");

    // A place that already holds something keeps it; gold still falls.
    GameHarness again;
    dyingSkeleton(again);
    again.here().item = again.game().items[ITEM_GOBLET];
    again.queueRandom({1, 0, 7, 0});
    EXPECT_EQ(again.play({"attack Bones"}),
              PROMPT + "Arlen swings the Sword at Bones...1 damage!\n" +
                  "Bones perishes to Arlen and their Sword!\n" + "Dropped 7 gold!\n" +
                  "Bones drops to the ground...\n");
    EXPECT_EQ(again.here().item.id, ITEM_GOBLET);
    EXPECT_EQ(again.entity(ENTITY_SKELETON).inventory[0].id, ITEM_CRYSTAL_HEART);
}

TEST(Combat, WeaponBreakingOnTheKillingBlowLeavesTheUnarmedDeathLine)
{
    GameHarness h;
    Entity& goblin = angryGoblin(h);
    goblin.hp = 2;
    h.player().inventory[SLOT_WEAPON].durability = 1;
    // hit, damage 2, gold 10 % 10 = 0 (none falls), slot 4: nothing there
    h.queueRandom({1, 2, 10, 4});
    EXPECT_EQ(h.play({"attack goblin"}), PROMPT + "Arlen swings the Sword at Harfam...2 damage!\n" +
                                             "Your Sword breaks...!\n" +
                                             "Harfam perishes to Arlen!\n" +
                                             "Harfam drops to the ground...\n");
    EXPECT_EQ(h.randomsDrawn, 4);
    EXPECT_EQ(h.takeSounds(), std::vector<std::string>{"sound/break.ogg"});
    EXPECT_EQ(h.player().atk, h.player().baseAtk);
    EXPECT_EQ(h.here().item.id, ITEM_EMPTY); // worn things never fall
}

TEST(Combat, ArmourBreaksOnTheBlowTakenButTheLegendaryBladeLasts)
{
    GameHarness h;
    angryGoblin(h);
    h.player().inventory[SLOT_WEAPON] = h.game().items[ITEM_EXCALIBUR];
    h.player().inventory[SLOT_ARMOUR].durability = 1;
    h.game().soundOn = false;
    h.queueRandom({1, 2, 1, 0});
    EXPECT_EQ(h.play({"attack goblin"}),
              PROMPT + "Arlen swings the Excalibur at Harfam...2 damage!\n" +
                  "Harfam strikes back with the Rusty Dagger...1 damage!\n" +
                  "Your Tunic breaks...!\n");
    EXPECT_TRUE(h.takeSounds().empty());
    EXPECT_EQ(h.player().def, h.player().baseDef);
    EXPECT_EQ(h.player().inventory[SLOT_WEAPON].durability, 999);
}

TEST(Combat, RefusalsAndDeclinedAttacksChangeNothing)
{
    GameHarness h;
    EXPECT_EQ(h.play({"attack", ""}),
              PROMPT + "Attack what?\n" + PROMPT + "You can't attack that!\n");
    EXPECT_EQ(h.play({"attack MySelf"}), PROMPT + "Self-harm is not the answer, Arlen.\n");
    EXPECT_EQ(h.play({"attack Narrator"}),
              PROMPT + "Hey, watch it! Don't go attacking me, Arlen!\n");
    EXPECT_EQ(h.play({"attack statue"}), PROMPT + "You can't attack a statue!\n");
    // Two merchants side by side: the first in the roster answers.
    h.moveTo(LOC_TOWN_MARKET);
    h.entity(ENTITY_HANBO).locationId = LOC_TOWN_MARKET;
    Entity& greedo = h.entity(ENTITY_GREEDO);
    EXPECT_EQ(h.play({"attack merchant", "maybe"}),
              PROMPT + "Greedo is not hostile! Attack anyway?\n" + PROMPT +
                  "You decide not to attack Greedo.\n");
    h.play({"attack Greedo"}); // the question goes unanswered
    EXPECT_FALSE(greedo.hostile);
    EXPECT_EQ(greedo.trust, 0);
    EXPECT_EQ(greedo.cooldown, 0);
    EXPECT_EQ(h.randomsDrawn, 0);
}

TEST(Combat, AttackingAFriendCostsTrustAndSetsItsTemper)
{
    struct Case {
        int othersTrust, wolfTrust, trustAfter, cooldown;
        const char* aside;
    };
    const char* calm = "(It did nothing to you...)\n";
    const Case cases[] = {
        {300, 0, -20, 10, calm},
        {0, 125, 110, 10, calm},
        {0, 124, 114, 10, calm},
        {0, -40, -50, 15, calm},
        {0, -65, -75, 20, calm},
        {-125, 0, -10, 10, calm},
        {-126, 0, -10, 10, "(Of course you did...)\n"},
    };
    for (const Case& c : cases) {
        GameHarness h;
        h.moveTo(LOC_MAGIC_FOREST);
        h.entity(ENTITY_CLARA).trust = c.othersTrust - 20; // Aurora and Evelyn hold 20
        Entity& wolf = h.entity(ENTITY_WOLF);
        wolf.trust = c.wolfTrust;
        h.queueRandom({0, 0});
        EXPECT_EQ(h.play({"attack wolf", "Y"}),
                  PROMPT + "Koridai is not hostile! Attack anyway?\n" + PROMPT + c.aside +
                      "Arlen swings the Sword at Koridai...and misses!\nKoridai strikes back...and "
                      "misses!\n");
        EXPECT_EQ(wolf.trust, c.trustAfter) << c.wolfTrust;
        EXPECT_EQ(wolf.cooldown, c.cooldown - 1) << c.wolfTrust; // one turn has cooled it
        EXPECT_TRUE(wolf.hostile);
    }
}

TEST(Combat, SlayingTheBlackQueenOpensTheWayToThePaleGarden)
{
    GameHarness h;
    h.moveTo(LOC_SCARLET_MANSION);
    Entity& queen = h.entity(ENTITY_BLACK_QUEEN);
    queen.hostile = true;
    queen.hp = 1;
    h.queueRandom({1, 0, 3}); // she has no gold: the third number picks the slot
    EXPECT_EQ(h.play({"attack Black Queen"}),
              PROMPT + "Arlen swings the Sword at Mercuria...1 damage!\n" +
                  "Mercuria perishes to Arlen and their Sword!\nMercuria drops to the ground...\n" +
                  "You have vanquished the Black Queen! You are victorious...?\n" +
                  "The corpse of the Black Queen vanishes...!\n" +
                  "You swear you hear a faint laughter echoing...\n");
    EXPECT_EQ(h.randomsDrawn, 3);
    EXPECT_EQ(h.takeSounds(), std::vector<std::string>{"sound/bqlaugh.ogg"});
    EXPECT_EQ(queen.locationId, LOC_NOWHERE);
    EXPECT_TRUE(h.game().blackQueenSlain);
    h.moveTo(LOC_OLD_CASTLE);
    h.play({"go east"});
    EXPECT_EQ(h.player().locationId, LOC_PALE_GARDEN);
}

// ---- Death and the afterlife ----

// Player misses; the goblin lands 1 on a player with 1 hit point left.
void dieToTheGoblin(GameHarness& h, const char* answer = "")
{
    h.moveTo(LOC_SMALL_CAVE);
    h.player().hp = 1;
    h.queueRandom({0, 1, 0});
    h.play({"attack goblin", answer});
}

TEST(Death, TheStandingAtTheStartOfTheFightPicksTheRealm)
{
    for (auto [standing, realm] : {std::pair{-126, LOC_HELL}, std::pair{-125, LOC_HEAVEN}}) {
        GameHarness h;
        h.entity(ENTITY_SNAKE).trust = standing - 20;
        // The goblin's lost trust drops the standing below -125 only afterwards.
        dieToTheGoblin(h, "yes");
        EXPECT_EQ(h.entity(ENTITY_GOBLIN).trust, -10);
        EXPECT_EQ(h.player().locationId, realm) << standing;
    }
}

TEST(Death, EquipmentIsLostCarriedThingsStayAndGoldIsHalved)
{
    for (auto [before, after] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{101, 50}}) {
        GameHarness h;
        angryGoblin(h);
        h.player().gold = before;
        h.player().inventory[SLOT_ACCESSORY] = h.game().items[ITEM_BLUE_RING];
        h.giveItem(ITEM_BLACK_ROSE);
        h.player().hp = 1;
        h.queueRandom({0, 1, 0});
        EXPECT_EQ(h.play({"attack goblin"}),
                  PROMPT + "Arlen swings the Sword at Harfam...and misses!\n" +
                      "Harfam strikes back with the Rusty Dagger...1 damage!\n" +
                      "You fall to the ground...\n...and awaken elsewhere...?\n");
        EXPECT_EQ(h.player().gold, after) << before;
        EXPECT_EQ(h.player().hp, 1);
        for (int slot : {SLOT_WEAPON, SLOT_ARMOUR, SLOT_ACCESSORY})
            EXPECT_EQ(h.player().inventory[slot].name, std::string("Empty"));
        EXPECT_EQ(h.player().inventory[0].id, ITEM_SMALL_POTION);
        EXPECT_EQ(h.player().inventory[1].id, ITEM_BLACK_ROSE);
        EXPECT_EQ(h.player().def, h.player().baseDef);
        EXPECT_TRUE(h.entity(ENTITY_GOBLIN).hostile); // the killer keeps its temper
    }
}

TEST(Death, GodAndTheDevilNeverMissAndTheirKillingBlowEndsTheGame)
{
    GameHarness h;
    h.moveTo(LOC_HELL);
    h.entity(ENTITY_DEVIL).hostile = true;
    h.entity(ENTITY_DEVIL).cooldown = 20;
    h.queueRandom({0, 0}); // a roll that would miss is her damage roll instead
    EXPECT_EQ(h.play({"attack Devil"}), PROMPT +
                                            "Arlen swings the Sword at Seraphina...and misses!\n" +
                                            "Seraphina strikes back...1 damage!\n");

    GameHarness god;
    god.moveTo(LOC_HEAVEN);
    god.queueRandom({1, 0, 500}); // 500 % (999-7) = 500
    EXPECT_EQ(god.play({"attack God", "y", "look"}),
              PROMPT + "Aurora is not hostile! Attack anyway?\n" + PROMPT +
                  "Arlen swings the Sword at Aurora...1 damage!\n" +
                  "Aurora strikes back...500 damage!\nYour very soul shatters...!\n");
    EXPECT_TRUE(god.ended);
    EXPECT_EQ(god.randomsDrawn, 3);
    EXPECT_EQ(god.game().minutesPassed, 0);
}

} // namespace
