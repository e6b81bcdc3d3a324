// Walking, looking, listening, and what the player does with things, played as a player would
// play them and compared byte for byte with what the game prints.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "entities.h"
#include "gameHarness.h"
#include "items.h"

namespace {

using Sounds = std::vector<std::string>;

const std::string DARK = "It is pitch black. You are likely to be eaten by a grue.\n";
const std::string DUNGEON = "You are at the Castle Dungeon.\n"
                            "A deep, dark, dank dungeon...cobwebs are scattered about...\n"
                            "Up: Old Castle\n";
const std::string DUNGEON_FULL = DUNGEON + "There is a Tower Key here.\nThere is 50 gold here.\n";

// What a run of commands prints: each command's output after its prompt.
std::string said(std::initializer_list<std::string> outputs)
{
    std::string text;
    for (const std::string& output : outputs)
        text += "--> " + output;
    return text;
}

void lightHere(GameHarness& h)
{
    h.here().isLit = true;
    h.game().lightTurns = 20;
}

void fillPack(GameHarness& h)
{
    while (h.player().inventory[NUM_CARRIED - 1].id == 0)
        h.giveItem(ITEM_LILY);
}

// ---- Moving ---------------------------------------------------------------------------------

TEST(WorldMove, WaysOpenLockedBlockedAndNone)
{
    GameHarness h;
    const std::string forest = h.play({"n"});
    EXPECT_EQ(forest,
              said({"You are at the Magic Forest.\n"
                    "An enchanted old forest where the fair folk are rumoured to live...\n"
                    "North: Deep Valley\nSouth: Peaceful Village\nEast: Old Castle\n"
                    "West: Rocky Cliff\nThere is a Mushroom here.\nYou see a wolf here.\n"}));
    h.play({"GO SOUTH"});
    EXPECT_EQ(h.play({"go North"}), forest);
    EXPECT_EQ(h.play({"go", "go n", "go north ", "go up"}),
              said({"Please specify somewhere to go to.\n", "You can't go to \"n\"!\n",
                    "You can't go to \"north \"!\n", "You can't go that way!\n"}));
    h.moveTo(LOC_TWISTED_TOWER);
    EXPECT_EQ(h.play({"e"}), said({"That way is locked!\n"}));
    h.moveTo(LOC_OLD_CASTLE);
    EXPECT_EQ(h.play({"e"}), said({"That way is blocked!\n"}));
    EXPECT_EQ(h.player().locationId, LOC_OLD_CASTLE);
    EXPECT_EQ(h.game().minutesPassed, 9); // refusals cost a turn too
    EXPECT_EQ(h.takeSounds(), Sounds{});  // bright places make no sound

    const std::string noWay = said({"You can't go that way!\n"});
    for (int realm : {LOC_HEAVEN, LOC_HELL}) {
        h.moveTo(realm);
        for (const char* way : {"n", "s", "e", "w", "u", "d"})
            EXPECT_EQ(h.play({way}), noWay);
    }
    // A way to nowhere on the map, as only a damaged save could hold, goes nowhere.
    h.moveTo(LOC_VILLAGE);
    h.here().exits[DIR_UP] = NUM_LOCATIONS;
    EXPECT_EQ(h.play({"u"}), noWay);
}

TEST(WorldMove, ArrivingInTheDarkWithAndWithoutALight)
{
    GameHarness h;
    h.moveTo(LOC_OLD_CASTLE);
    EXPECT_EQ(h.play({"d", "get gold"}),
              said({"You are at the Castle Dungeon.\n" + DARK, "It's too dark to do that!\n"}));
    EXPECT_EQ(h.takeSounds(), Sounds{"sound/dark.ogg"});
    EXPECT_EQ(h.randomsDrawn, 0); // the dark murmurs nothing
    h.game().soundOn = false;
    h.play({"u", "d"});
    EXPECT_EQ(h.takeSounds(), Sounds{});

    h.game().soundOn = true;
    h.game().lightTurns = 5;
    h.play({"u"});
    EXPECT_EQ(h.play({"d"}), said({DUNGEON_FULL}));
    EXPECT_EQ(h.takeSounds(), Sounds{});
}

// ---- Looking and listening ------------------------------------------------------------------

TEST(WorldLook, TheFullView)
{
    GameHarness h;
    h.moveTo(LOC_OLD_CASTLE);
    h.queueRandom({0, 3}); // one look in six murmurs; then the fourth line
    const std::string castle = "You are at the Old Castle.\n"
                               "A spooky old castle, weathered down by time...\n";
    const std::string rest = "East: (Blocked)\nWest: Magic Forest\nDown: Castle Dungeon\n"
                             "There is a Goblet here.\nYou see a treasure hunter here.\n";
    EXPECT_EQ(
        h.play({"look", "look AROUND"}),
        said({castle + "* A tattered banner flutters mournfully above.\n" + rest, castle + rest}));
    h.moveTo(LOC_TWISTED_TOWER);
    EXPECT_NE(h.play({"look"}).find("South: Deep Valley\nEast: (Locked)\nUp: Tower Roof\n"),
              std::string::npos);

    h.moveTo(LOC_CRYSTAL_MINES);
    lightHere(h);
    h.here().gold = 7;
    EXPECT_NE(h.play({"look"}).find("There is an Amethyst here.\nThere is 7 gold here.\n"),
              std::string::npos);

    const int ridge = LOC_SUNSET_RIDGE; // where Mary-Lou waits
    h.moveTo(ridge);
    for (int id : {ENTITY_GOBLIN, ENTITY_GOD, ENTITY_BLACK_QUEEN, ENTITY_DEVIL, ENTITY_WHITE_QUEEN})
        h.entity(id).locationId = ridge;
    h.entity(ENTITY_GOBLIN).alive = false;
    h.entity(ENTITY_WHITE_QUEEN).alive = false;
    EXPECT_NE(h.play({"look"}).find("West: Old Trail\n"
                                    "You see the corpse of Harfam the goblin here.\n"
                                    "You see God here.\nYou see the Black Queen here.\n"
                                    "You see the Devil here...\nYou see the White Queen here.\n"
                                    "You see a wanderer here.\n"),
              std::string::npos);
}

TEST(WorldLook, DarknessShowsOnlyTheName)
{
    GameHarness h;
    h.moveTo(LOC_CASTLE_DUNGEON);
    EXPECT_EQ(
        h.play({"look", "look Small Potion", "look Tower Key"}),
        said({"You are at the Castle Dungeon.\n" + DARK, "It's too dark!\n", "It's too dark!\n"}));
    EXPECT_EQ(h.takeSounds(), Sounds{}); // only walking into the dark makes the sound
}

TEST(WorldListen, WhatPlacesMurmur)
{
    GameHarness h;
    const std::string listening = "You listen closely to the area around you...\n";
    h.queueRandom({0}); // the village would murmur now, but has nothing to say
    EXPECT_EQ(h.play({"look"}).find("* "), std::string::npos);
    EXPECT_EQ(h.play({"listen"}),
              said({listening + "...and yet, you hear nothing of interest.\n"}));
    EXPECT_EQ(h.randomsDrawn, 1);

    h.moveTo(LOC_STARRY_CAVE);
    EXPECT_EQ(h.play({"listen"}), said({"It's too dark to do that!\n"}));
    lightHere(h);
    h.queueRandom({12345});
    EXPECT_EQ(h.play({"listen"}), said({listening + "* A faint whisper echoes across the cavern, "
                                                    "as if from the stars themselves.\n"}));
    h.moveTo(LOC_OLD_CASTLE);
    h.queueRandom({5}); // listening always hears something
    EXPECT_EQ(h.play({"listen"}),
              said({listening + "* A draft sighs through the cracked stone walls.\n"}));
}

// ---- Taking and dropping -------------------------------------------------------------------

TEST(ItemsGet, EveryWayOfTaking)
{
    GameHarness h;
    h.moveTo(LOC_TWISTED_TOWER);
    EXPECT_EQ(
        h.play({"get", "get sword", "get small potion", "get item", "take Empty"}),
        said({"You must specify something to get!\n", "You can't get that!\n",
              "Got the Small Potion.\n", "There is no item here!\n", "There is no item here!\n"}));
    EXPECT_EQ(h.player().inventory[1].id, ITEM_SMALL_POTION);
    EXPECT_EQ(h.takeSounds(), Sounds{"sound/jingle.ogg"});

    h.moveTo(LOC_CASTLE_DUNGEON);
    lightHere(h);
    fillPack(h);
    EXPECT_EQ(h.play({"get all", "get both"}),
              said({"Inventory is full!\nPicked up 50 gold.\n",
                    "Inventory is full!\nThere is no gold here!\n"}));
    EXPECT_EQ(h.player().gold, 100);
    EXPECT_EQ(h.takeSounds(), Sounds{"sound/gold.ogg"});
    h.emptyPack();
    EXPECT_EQ(h.play({"take ALL", "get GOLD", "get both"}),
              said({"Got the Tower Key.\nThere is no gold here!\n", "There is no gold here!\n",
                    "There is no item here!\nThere is no gold here!\n"}));
}

TEST(ItemsDrop, EveryWayOfDropping)
{
    GameHarness h;
    h.giveItem(ITEM_LILY);
    EXPECT_EQ(h.play({"drop", "", "drop", "small potion", "drop Lily", "drop Sword"}),
              said({"Drop which item?\n", "Invalid item name!\n", "Drop which item?\n",
                    "Dropped the Small Potion.\n", "There's already something here!\n",
                    "Invalid item name!\n"}));
    EXPECT_EQ(h.here().item.id, ITEM_SMALL_POTION);
    EXPECT_EQ(h.takeSounds(), Sounds{});
    // Input running out mid-question ends the question.
    EXPECT_EQ(h.play({"drop"}), said({"Drop which item?\n", "Invalid item name!\n"}));
    h.moveTo(LOC_HEAVEN);
    EXPECT_EQ(h.play({"drop Lily"}), said({"Can't drop that here...!\n"}));
    h.emptyPack();
    EXPECT_EQ(h.play({"drop", "drop Sword"}), said({"", ""})); // nothing carried, nothing said
    EXPECT_EQ(h.game().minutesPassed, 8);
}

TEST(ItemsInventory, TheListingAndItsMarks)
{
    GameHarness h;
    EXPECT_EQ(h.play({"inventory"}), said({"Inventory:\n\033[32mi\033[0m Small Potion\n"}));
    EXPECT_EQ(h.takeSounds(), Sounds{"sound/inventory.ogg"});
    h.giveItem(ITEM_TOWER_KEY);
    h.giveItem(ITEM_CANDLE);
    h.play({"drop Small Potion"});
    h.giveItem(ITEM_LILY);
    h.moveTo(LOC_CASTLE_DUNGEON); // no light needed, and no turn passes
    EXPECT_EQ(h.play({"inv"}), said({"Inventory:\n" + itemMark("\033[90m", '*') + "Lily\n" +
                                     itemMark("\033[33m", 'q') + "Tower Key\n" +
                                     itemMark("\033[1;33m", '^') + "Candle\n"}));
    EXPECT_EQ(h.game().minutesPassed, 1);
    h.emptyPack();
    h.takeSounds();
    EXPECT_EQ(h.play({"inventory"}), said({"Inventory is empty!\n"}));
    EXPECT_EQ(h.takeSounds(), Sounds{});
}

// ---- Wearing --------------------------------------------------------------------------------

TEST(ItemsEquip, WearingAndItsRefusals)
{
    GameHarness h;
    for (int id : {ITEM_BLUE_RING, ITEM_RED_RING, ITEM_BROADSWORD, ITEM_CHAINMAIL})
        h.giveItem(id);
    EXPECT_EQ(h.play({"equip Small Potion", "equip Blue Ring", "equip red ring", "equip Broadsword",
                      "equip Chainmail", "equip Sword", "equip", ""}),
              said({"You can't equip that!\n", "Equipped the Blue Ring.\n",
                    "You already have an accessory equipped!\n",
                    "You already have a weapon equipped!\n", "You already have armour equipped!\n",
                    "Invalid item name!\n", "Equip which item?\n", "Invalid item name!\n"}));
    EXPECT_EQ(h.player().def, 5 + 2 + 5);
    EXPECT_EQ(h.player().inventory[1].id, ITEM_EMPTY);
    EXPECT_EQ(h.player().inventory[2].id, ITEM_RED_RING);

    EXPECT_EQ(h.play({"remove Tunic", "equip", "chainmail"}),
              said({"Removed the Tunic.\n", "Equip which item?\n", "Equipped the Chainmail.\n"}));
    EXPECT_EQ(h.player().inventory[1].id, ITEM_TUNIC); // the lowest free slot
    EXPECT_EQ(h.player().def, 5 + 10 + 5);
    h.emptyPack();
    EXPECT_EQ(h.play({"equip"}), said({""})); // nothing carried, nothing asked
}

TEST(ItemsRemove, TakingOffAndItsRefusals)
{
    GameHarness h;
    fillPack(h);
    EXPECT_EQ(h.play({"remove sword"}), said({"Inventory is full!\n"}));
    h.emptyPack();
    EXPECT_EQ(h.play({"unequip", "SWORD", "remove Small Potion", "remove Empty"}),
              said({"Remove which item?\n", "Removed the Sword.\n", "Invalid item name!\n",
                    "Invalid item name!\n"}));
    EXPECT_EQ(h.player().atk, 7);
    h.play({"remove Tunic"});
    EXPECT_EQ(h.play({"remove"}), said({"You have nothing equipped!\n"}));
}

// ---- Using ----------------------------------------------------------------------------------

TEST(UseItem, PotionsAndWhatCannotBeUsed)
{
    GameHarness h;
    h.giveItem(ITEM_LARGE_POTION);
    h.giveItem(ITEM_SWORD);
    h.giveItem(ITEM_SPELLBOOK);
    h.player().hp = 3;
    EXPECT_EQ(
        h.play(
            {"use Small Potion", "use", "large potion", "use Sword", "use Spellbook", "use Tunic"}),
        said({"Drank the Small Potion. Restored 10 HP.\n", "Use which item?\n",
              "Drank the Large Potion. Restored 40 HP.\n", "You must equip the Sword first!\n",
              "Can't use that item!\n", "Invalid item name!\n"}));
    EXPECT_EQ(h.player().hp, 50); // 3 + 10 + 40, kept to the maximum
    EXPECT_EQ(h.takeSounds(), (Sounds{"sound/drink.ogg", "sound/drink.ogg"}));
    EXPECT_EQ(h.player().inventory[0].id, ITEM_EMPTY);
    EXPECT_EQ(h.player().inventory[1].id, ITEM_EMPTY);

    h.moveTo(LOC_HELL);
    EXPECT_EQ(h.play({"use Sword"}), said({"Can't use that here...!\n"}));
    h.emptyPack();
    EXPECT_EQ(h.play({"use"}), said({""}));
}

TEST(UseKey, OnlyTheFirstLockedDoorIsTried)
{
    GameHarness h;
    h.moveTo(LOC_OLD_CASTLE); // its only closed way is blocked, which no key opens
    h.giveItem(ITEM_TOWER_KEY);
    h.giveItem(ITEM_CELLAR_KEY);
    EXPECT_EQ(h.play({"use Tower Key"}), said({"No locked doors here!\n"}));

    h.moveTo(LOC_TWISTED_TOWER);
    h.here().exitLocks[DIR_NORTH] = WAY_LOCKED; // a cellar door before the east one
    h.here().exitKeys[DIR_NORTH] = 2;
    EXPECT_EQ(
        h.play({"use Tower Key", "use Cellar Key", "use Cellar Key", "use Tower Key"}),
        said({"The Tower Key doesn't fit in there!\n", "Unlocked the door with the Cellar Key.\n",
              "Invalid item name!\n", "Unlocked the door with the Tower Key.\n"}));
    EXPECT_EQ(h.takeSounds(), (Sounds{"sound/unlock.ogg", "sound/unlock.ogg"}));
    EXPECT_NE(h.play({"look"}).find("East: Mysterious Library\n"), std::string::npos);
    h.play({"e"});
    EXPECT_EQ(h.player().locationId, LOC_MYSTERIOUS_LIBRARY);
}

TEST(UseInstrument, TheFluteCallsTheFaeOnce)
{
    GameHarness h;
    h.giveItem(ITEM_FLUTE);
    EXPECT_EQ(h.play({"use Flute"}), said({"You play the Flute...\n...nothing happens.\n"}));
    EXPECT_EQ(h.takeSounds(), Sounds{"sound/flute.ogg"});
    EXPECT_EQ(h.game().faeState, FAE_UNMET);

    const std::string laughter =
        said({"You play the Flute...\n...the forest echoes with laughter.\n"});
    h.moveTo(LOC_MAGIC_FOREST);
    EXPECT_EQ(h.play({"use Flute"}), laughter);
    EXPECT_EQ(h.takeSounds(), (Sounds{"sound/flute.ogg", "sound/laughter.ogg"}));
    EXPECT_EQ(h.game().faeState, FAE_SUMMONED);
    EXPECT_EQ(h.entity(ENTITY_FAE).locationId, LOC_CAVERNOUS_DEPTHS);
    h.entity(ENTITY_FAE).locationId = LOC_NOWHERE; // gone again, after the meeting
    h.game().faeState = FAE_TOOK_NAME;
    EXPECT_EQ(h.play({"use flute"}), laughter);
    EXPECT_EQ(h.entity(ENTITY_FAE).locationId, LOC_NOWHERE);
    EXPECT_EQ(h.game().faeState, FAE_TOOK_NAME);
}

TEST(UseInstrument, TheLyreDropsTheMoonsTearOnceIntoAnEmptyPlace)
{
    GameHarness h;
    h.moveTo(LOC_STARFALL_HILL);
    h.giveItem(ITEM_LYRE);
    const std::string twinkle = "You play the Lyre...\n...the stars above twinkle beautifully.\n";
    EXPECT_EQ(
        h.play({"drop Small Potion", "use Lyre", "get item", "use Lyre", "get item", "use Lyre"}),
        said({"Dropped the Small Potion.\n", twinkle, "Got the Small Potion.\n",
              twinkle + "Something seems to fall from the sky...!\n", "Got the Moon's Tear.\n",
              twinkle}));
    EXPECT_EQ(h.player().inventory[2].id, ITEM_MOONS_TEAR);
    EXPECT_EQ(h.here().item.id, ITEM_EMPTY);
}

TEST(UseInstrument, TheLyreCalmsTheFirstLivingHostileMonster)
{
    GameHarness h;
    h.moveTo(LOC_ASHEN_DEPTHS); // dark, but playing needs no light
    h.giveItem(ITEM_LYRE);
    h.entity(ENTITY_GOLEM).locationId = LOC_ASHEN_DEPTHS;
    const std::string calm = "You play the Lyre...\nThe sound of the Lyre seems to calm ";
    EXPECT_EQ(h.play({"use Lyre"}), said({calm + "Bones the skeleton down...!\n"}));
    EXPECT_EQ(h.takeSounds(), Sounds{"sound/lyre.ogg"});
    EXPECT_FALSE(h.entity(ENTITY_SKELETON).hostile);
    EXPECT_EQ(h.entity(ENTITY_SKELETON).cooldown, 0);

    h.entity(ENTITY_SKELETON).hostile = true; // a corpse is past calming
    h.entity(ENTITY_SKELETON).cooldown = 999;
    h.entity(ENTITY_SKELETON).alive = false;
    EXPECT_EQ(h.play({"use Lyre", "use Lyre"}),
              said({calm + "Umbroth the obsidian golem down...!\n",
                    "You play the Lyre...\n...nothing happens.\n"}));
    EXPECT_TRUE(h.entity(ENTITY_SKELETON).hostile);
}

// ---- Light ----------------------------------------------------------------------------------

TEST(UseLight, RefusalsAndTheLanternsOil)
{
    GameHarness h;
    h.emptyPack();
    h.giveItem(ITEM_CANDLE);
    h.giveItem(ITEM_LANTERN);
    EXPECT_EQ(h.play({"use Candle"}), said({"This area is already lit!\n"}));
    h.moveTo(LOC_CASTLE_DUNGEON);
    EXPECT_EQ(h.play({"use Lantern"}), said({"Your Lantern is empty...!\n"}));
    h.giveItem(ITEM_LAMP_OIL);
    h.giveItem(ITEM_LAMP_OIL);
    EXPECT_EQ(h.play({"use Lamp Oil", "use Lantern"}),
              said({"You must pour this into a Lantern first!\n",
                    "You pour the Lamp Oil into the Lantern.\n"
                    "You light the Lantern, and the area comes into view...\n" +
                        DUNGEON_FULL}));
    EXPECT_EQ(h.takeSounds(), Sounds{"sound/light.ogg"});
    EXPECT_EQ(h.player().inventory[2].id, ITEM_EMPTY); // the lower flask was poured
    EXPECT_EQ(h.player().inventory[3].id, ITEM_LAMP_OIL);
    EXPECT_EQ(h.player().inventory[0].id, ITEM_CANDLE);
    EXPECT_EQ(h.game().lightTurns, 99);
}

TEST(UseLight, ACandleBurnsNineTurnsAfterTheOneThatLitIt)
{
    GameHarness h;
    h.giveItem(ITEM_CANDLE);
    h.moveTo(LOC_CASTLE_DUNGEON);
    EXPECT_EQ(h.play({"use Candle"}),
              said({"You light the Candle, and the area comes into view...\n" + DUNGEON_FULL}));
    EXPECT_EQ(h.player().inventory[1].id, ITEM_EMPTY); // a candle lights once
    const std::string waiting = said({"You wait patiently for a minute...\n"});
    for (int turn = 1; turn <= 7; ++turn)
        EXPECT_EQ(h.play({"wait"}), waiting) << turn;
    EXPECT_EQ(h.play({"wait"}), waiting + "The light flickers...!\n");
    EXPECT_EQ(h.play({"wait"}), waiting + "The light goes out...\n");
    EXPECT_EQ(h.play({"wait", "look"}),
              said({"It's too dark to do that!\n", "You are at the Castle Dungeon.\n" + DARK}));
}

TEST(UseLight, APlaceLeftLitIsSeenOnceMoreWhenThePlayerComesBackWithoutALight)
{
    GameHarness h;
    h.giveItem(ITEM_CANDLE);
    h.moveTo(LOC_CASTLE_DUNGEON);
    h.play({"use Candle", "get all", "u", "d", "wait", "wait", "wait", "wait", "wait"});
    EXPECT_EQ(h.game().lightTurns, 1);
    EXPECT_EQ(h.play({"u"}).find("The light"), std::string::npos); // out, in a bright place
    h.takeSounds();
    EXPECT_EQ(h.play({"d", "look"}), said({DUNGEON + "The light goes out...\n",
                                           "You are at the Castle Dungeon.\n" + DARK}));
    EXPECT_EQ(h.takeSounds(), Sounds{});
}

TEST(UseExamine, WhatLiesHereBeforeWhatIsCarried)
{
    GameHarness h;
    h.moveTo(LOC_OLD_CASTLE);
    h.giveItem(ITEM_GOBLET);
    std::snprintf(h.player().inventory[1].description, TEXT_LEN, "A dented goblet.");
    EXPECT_EQ(h.play({"look goblet", "get all", "look GOBLET"}),
              said({"You examine the Goblet...\nA rather ordinary-looking bronze goblet.\n",
                    "Got the Goblet.\nThere is no gold here!\n",
                    "You examine the Goblet...\nA dented goblet.\n"}));
}

} // namespace
