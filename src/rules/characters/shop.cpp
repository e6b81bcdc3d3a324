// A visit to a shop is one conversation: the customer buys, sells, looks
// over the wares or tries the lottery as often as they like, then says no.
// Stock never runs out and the till is never touched; every completed trade
// makes the merchant like the customer a little more.
#include "shop.h"

#include "carriedItems.h"
#include "items.h"
#include "portsInUse.h"
#include "prompts.h"
#include "recordLimits.h"
#include "text.h"
#include "vocabulary.h"

namespace {

constexpr int FIRST_NAME_TRUST = 26;
constexpr int LOTTERY_PRICE = 5;
constexpr int LOTTERY_GRAND_NUMBER = 7;

void printPricedItem(const Item& item, int price)
{
    printItem(&item);
    out(" (%dG)\n", price);
}

void listStock(const Character* merchant)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (merchant->inventory[slot].id > 0)
            printPricedItem(merchant->inventory[slot], merchant->inventory[slot].price);
}

// Only real wares answer to a name: a slot left empty is not for sale,
// even if it holds the "Empty" record.
int findStockSlot(const Character* merchant, const char* name)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        const Item& item = merchant->inventory[slot];
        if (item.id > 0 && strcmpi(item.name, name) == 0) return slot;
    }
    return -1;
}

// Any carried slot by name, emptied ones too: offering "Empty" for sale is
// allowed, the merchant just doesn't want it.
int findSaleSlot(const Character* player, const char* name)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (strcmpi(player->inventory[slot].name, name) == 0) return slot;
    return -1;
}

int sellingPrice(const Item& item) { return item.price / 2; }

void refuseToTrade(const Character* player, const Character* merchant)
{
    if (traderKnowsPlayer(merchant))
        out("\"Not interested today, %s? Fair enough...\"\n", player->name);
    else
        out("\"Hey, don't mess me about! Get lost!\"\n");
}

// Reads the customer's choice of ware. False when the talk of it ends here:
// the customer refused or said nothing.
bool readChoice(const Character* player, const Character* merchant, char* answer)
{
    getInput(answer, ANSWER_SIZE);
    if (isOneOf(answer, vocabulary::NOTHING_WANTED)) {
        refuseToTrade(player, merchant);
        return false;
    }
    if (answer[0] == '\0') {
        out("\"The silent type, eh...?\"\n");
        return false;
    }
    return true;
}

// Shows the wares and reads which one the customer means; nullptr when the
// talk of it ends here.
const Item* chooseWare(const Character* player, const Character* merchant)
{
    listStock(merchant);
    char answer[ANSWER_SIZE];
    if (!readChoice(player, merchant, answer)) return nullptr;
    int slot = findStockSlot(merchant, answer);
    if (slot < 0) {
        out("\"I don't have any of that!\"\n");
        return nullptr;
    }
    return &merchant->inventory[slot];
}

void buyFromMerchant(Character* player, Character* merchant)
{
    out("\"%s\"\n", merchant->dialogueGood);
    const Item* chosen = chooseWare(player, merchant);
    if (chosen == nullptr) return;
    const Item& ware = *chosen;
    if (player->gold < ware.price) {
        out("\"%s\"\n", merchant->dialogueNeutral);
        return;
    }

    out("\"One %s! That'll be %d gold!\"\n", ware.name, ware.price);
    int freeSlot = findFreeSlot(player);
    if (freeSlot < 0) {
        out("\"You can't carry any more!\"\n");
        return;
    }
    player->inventory[freeSlot] = ware;
    out("Got the %s.\n", ware.name);
    player->gold -= ware.price;
    changeTrust(merchant, 1);
    playSound("purchase");
}

void sellToMerchant(GameState* state, Character* player, Character* merchant)
{
    if (carriesNothing(player)) {
        out("\"You don't have anything to sell!\"\n");
        return;
    }
    out("\"What are you selling?\"\n");
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        const Item& item = player->inventory[slot];
        if (item.id > 0 && item.price > 0) printPricedItem(item, sellingPrice(item));
    }

    char answer[ANSWER_SIZE];
    if (!readChoice(player, merchant, answer)) return;
    int slot = findSaleSlot(player, answer);
    if (slot < 0) {
        out("\"You don't have any of that!\"\n");
        return;
    }
    Item& item = player->inventory[slot];
    if (item.price <= 0) {
        out("\"Ah, I don't really want that...\"\n");
        return;
    }

    int price = sellingPrice(item);
    out("\"One %s! That'll be %d gold!\"\n", item.name, price);
    out("Sold the %s.\n", item.name);
    emptySlot(state, &item);
    addGold(player->gold, price);
    playSound("purchase");
    changeTrust(merchant, 1);
}

void examineMerchant(const Character* player, const Character* merchant)
{
    out("\"What are you interested in?\"\n");
    const Item* ware = chooseWare(player, merchant);
    if (ware == nullptr) return;
    out("You examine the %s...\n", ware->name);
    out("%s\n", ware->description);
}

void handOverPrize(GameState* state, Character* player, Character* merchant, int prizeId)
{
    int slot = findFreeSlot(player);
    if (slot < 0) {
        out("\"You can't carry any more! Here's your money back...\"\n");
        player->gold += LOTTERY_PRICE;
        return;
    }
    player->inventory[slot] = state->items[prizeId];
    out("Got the %s.\n", state->items[prizeId].name);
    changeTrust(merchant, 1);
}

void playLottery(GameState* state, Character* player, Character* merchant)
{
    if (player->gold < LOTTERY_PRICE) {
        out("\"Hey, you can't afford to play...!\"\n");
        return;
    }
    out("\"Alright, let's spin the wheel and see what luck brings...!\"\n");
    player->gold -= LOTTERY_PRICE;

    int number = gameRandom() % 10;
    out("\"And your number is...%d!\"\n", number);
    if (number == LOTTERY_GRAND_NUMBER) {
        out("\"Congratulations! You've won the grand prize...a %s!\"\n",
            state->items[ITEM_LARGE_POTION].name);
        handOverPrize(state, player, merchant, ITEM_LARGE_POTION);
    } else if (number == LOTTERY_GRAND_NUMBER - 1 || number == LOTTERY_GRAND_NUMBER + 1) {
        out("\"Oh, so close! Well, here's a consolation prize...a %s!\"\n",
            state->items[ITEM_SMALL_POTION].name);
        handOverPrize(state, player, merchant, ITEM_SMALL_POTION);
    } else {
        out("\"Sorry...no prize this time, I'm afraid.\"\n");
    }
}

void answerCustomer(GameState* state, Character* player, Character* merchant, const char* answer)
{
    if (isOneOf(answer, vocabulary::BUYING))
        buyFromMerchant(player, merchant);
    else if (isOneOf(answer, vocabulary::SELLING))
        sellToMerchant(state, player, merchant);
    else if (isOneOf(answer, vocabulary::LOOKING))
        examineMerchant(player, merchant);
    else if (isOneOf(answer, vocabulary::LOTTERY))
        playLottery(state, player, merchant);
    else
        out("\"What do you mean, '%s'?!\"\n", answer);
}

} // namespace

bool traderKnowsPlayer(const Character* trader) { return trader->trust >= FIRST_NAME_TRUST; }

const char* traderAddress(const Character* player, const Character* trader)
{
    if (traderKnowsPlayer(trader)) return player->name;
    if (player->sex == SEX_MALE) return "lad";
    if (player->sex == SEX_FEMALE) return "lass";
    return "stranger";
}

void talkToMerchant(GameState* state, Character* player, Character* merchant)
{
    out("%s the %s greets you!\n", merchant->name, merchant->species);
    out("\"Hello, %s! Buying, selling, or looking?\"\n", traderAddress(player, merchant));
    out("\"Or...play the lottery for only 5G! Get a seven, win a prize!\"\n");
    out("(Enter 'no/nope/none/nothing' to quit)\n");

    // Running out of input ends the visit as a "no" would.
    char answer[ANSWER_SIZE];
    bool answered = getInput(answer, sizeof answer);
    while (answered && !isOneOf(answer, vocabulary::LEAVING_SHOP)) {
        answerCustomer(state, player, merchant, answer);
        out("\"Anything else?\"\n");
        answered = getInput(answer, sizeof answer);
    }

    if (traderKnowsPlayer(merchant))
        out("\"Take care, %s!\"\n", player->name);
    else
        out("\"See you later, then!\"\n");
}
