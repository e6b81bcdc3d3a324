// Shopping as a player does it: greeting, looking, buying until the purse is
// empty, selling, the lottery, and goodbye.
#include <gtest/gtest.h>

#include "entities.h"
#include "gameHarness.h"
#include "items.h"

namespace {

const std::string PROMPT = "--> ";
const std::string POTION = itemMark("\033[32m", 'i');
const std::string WEAPON = itemMark("\033[31m", '!');
const std::string ARMOUR = itemMark("\033[34m", 'M');
const std::string LIGHT = itemMark("\033[1;33m", '^');

const std::string GREEDO_STOCK = POTION + "Small Potion (25G)\n" + POTION +
                                 "Large Potion (100G)\n" + WEAPON + "Battleaxe (80G)\n" + ARMOUR +
                                 "Cuirass (100G)\n" + LIGHT + "Candle (15G)\n" + LIGHT +
                                 "Lamp Oil (25G)\n" + LIGHT + "Lantern (150G)\n";

std::string quoted(const char* line) { return "\"" + std::string(line) + "\"\n"; }

TEST(MerchantVisit, ShoppingUntilThePurseIsEmpty)
{
    GameHarness h;
    h.moveTo(LOC_TOWN_MARKET);
    h.player().sex = 2;
    const Entity& greedo = h.entity(ENTITY_GREEDO);
    h.queueRandom({7, 8});
    std::string text = h.play({"talk greedo", "look", "Lantern", "buy", "Small Potion", "BUY",
                               "small potion", "buy", "Small Potion", "sell", "Small Potion",
                               "lottery", "lotto", "lottery", "buy Lantern", "no"});

    const std::string pitch = quoted(greedo.dialogueGood) + GREEDO_STOCK + PROMPT;
    const std::string more = "\"Anything else?\"\n" + PROMPT;
    std::string expected =
        PROMPT +
        "Greedo the merchant greets you!\n"
        "\"Hello, lass! Buying, selling, or looking?\"\n"
        "\"Or...play the lottery for only 5G! Get a seven, win a prize!\"\n"
        "(Enter 'no/nope/none/nothing' to quit)\n" +
        PROMPT + "\"What are you interested in?\"\n" + GREEDO_STOCK + PROMPT +
        "You examine the Lantern...\n" + greedo.inventory[6].description + "\n" + more + pitch +
        "\"One Small Potion! That'll be 25 gold!\"\nGot the Small Potion.\n" + more + pitch +
        "\"One Small Potion! That'll be 25 gold!\"\nGot the Small Potion.\n" + more + pitch +
        quoted(greedo.dialogueNeutral) + more + "\"What are you selling?\"\n" + POTION +
        "Small Potion (12G)\n" + POTION + "Small Potion (12G)\n" + POTION + "Small Potion (12G)\n" +
        PROMPT + "\"One Small Potion! That'll be 12 gold!\"\nSold the Small Potion.\n" + more +
        "\"Alright, let's spin the wheel and see what luck brings...!\"\n"
        "\"And your number is...7!\"\n"
        "\"Congratulations! You've won the grand prize...a Large Potion!\"\n"
        "Got the Large Potion.\n" +
        more +
        "\"Alright, let's spin the wheel and see what luck brings...!\"\n"
        "\"And your number is...8!\"\n"
        "\"Oh, so close! Well, here's a consolation prize...a Small Potion!\"\n"
        "Got the Small Potion.\n" +
        more + "\"Hey, you can't afford to play...!\"\n" + more +
        "\"What do you mean, 'buy Lantern'?!\"\n" + more + "\"See you later, then!\"\n";
    EXPECT_EQ(text, expected);

    EXPECT_EQ(h.player().gold, 2);
    EXPECT_EQ(greedo.trust, 5); // two purchases, one sale, two prizes
    EXPECT_EQ(h.player().inventory[0].id, ITEM_LARGE_POTION);
    EXPECT_EQ(h.player().inventory[3].id, ITEM_SMALL_POTION);
    EXPECT_EQ(greedo.inventory[0].id, ITEM_SMALL_POTION); // stock never runs out
    EXPECT_EQ(h.game().minutesPassed, 1);                 // the whole visit is one turn
    EXPECT_EQ(h.takeSounds(), std::vector<std::string>(3, "sound/purchase.ogg"));
}

TEST(MerchantVisit, FirstPurchaseAtTrust25TurnsTheFarewellPersonal)
{
    GameHarness h;
    h.moveTo(LOC_TOWER_ROOF);
    h.player().sex = 1;
    h.entity(ENTITY_HANBO).trust = 25;
    std::string text =
        h.play({"talk hanbo", "buy", "nothing", "buy", "sword", "buy", "nowt", "nope"});
    EXPECT_NE(text.find("\"Hello, lad! Buying"), std::string::npos);
    EXPECT_NE(text.find("\"Hey, don't mess me about! Get lost!\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"Not interested today, Arlen? Fair enough...\"\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\"Take care, Arlen!\"\n"));
    EXPECT_EQ(h.player().gold, 10);
    EXPECT_EQ(h.entity(ENTITY_HANBO).trust, 26);
}

TEST(MerchantVisit, AnswersThatBuyNothing)
{
    GameHarness h;
    h.moveTo(LOC_TOWN_MARKET);
    h.player().gold = 24;
    h.giveItem(ITEM_MANSION_KEY);
    std::string text = h.play({"talk greedo", "buy", "no", "buy", "", "buy", "Small Potion", "sell",
                               "Mansion Key", "sell", "empty", "sell", "no", "none"});
    EXPECT_NE(text.find("\"I don't have any of that!\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"The silent type, eh...?\"\n"), std::string::npos);
    EXPECT_NE(text.find(quoted(h.entity(ENTITY_GREEDO).dialogueNeutral)), std::string::npos);
    // Keys are worth nothing to a merchant and are not even offered.
    EXPECT_EQ(text.find("Mansion Key ("), std::string::npos);
    size_t first = text.find("\"Ah, I don't really want that...\"\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find("\"Ah, I don't really want that...\"\n", first + 1), std::string::npos);
    EXPECT_NE(text.find("\"You don't have any of that!\"\n"), std::string::npos);
    EXPECT_EQ(h.player().gold, 24);
    EXPECT_EQ(h.entity(ENTITY_GREEDO).trust, 0);
}

TEST(MerchantVisit, FullAndEmptyPacks)
{
    GameHarness h;
    h.moveTo(LOC_TOWN_MARKET);
    for (int i = 0; i < 9; ++i)
        h.giveItem(ITEM_SMALL_POTION);
    h.player().gold = 20;
    h.queueRandom({17});
    std::string text = h.play({"talk greedo", "buy", "Candle", "lottery", "no"});
    EXPECT_NE(text.find("\"One Candle! That'll be 15 gold!\"\n\"You can't carry any more!\"\n"),
              std::string::npos);
    EXPECT_NE(text.find("\"You can't carry any more! Here's your money back...\"\n"),
              std::string::npos);
    EXPECT_EQ(h.player().gold, 20);

    h.emptyPack();
    h.player().gold = 5;
    text = h.play({"talk greedo", "sell", "lottery", "no"});
    EXPECT_NE(text.find("\"You don't have anything to sell!\"\n"), std::string::npos);
    EXPECT_NE(
        text.find("\"And your number is...1!\"\n\"Sorry...no prize this time, I'm afraid.\"\n"),
        std::string::npos);
    EXPECT_EQ(h.player().gold, 0);
    EXPECT_TRUE(h.takeSounds().empty());
}

TEST(MerchantVisit, RunningOutOfInputEndsTheVisit)
{
    GameHarness h;
    h.moveTo(LOC_TOWN_MARKET);
    std::string text = h.play({"talk greedo", "buy"});
    EXPECT_TRUE(text.ends_with("\"The silent type, eh...?\"\n\"Anything else?\"\n" + PROMPT +
                               "\"See you later, then!\"\n"));
    EXPECT_EQ(h.game().minutesPassed, 1);
}

} // namespace
