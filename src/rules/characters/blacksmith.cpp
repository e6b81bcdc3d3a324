// The blacksmith, who mends worn weapons, armour and accessories for gold.
#include "blacksmith.h"

#include "carriedItems.h"
#include "portsInUse.h"
#include "prompts.h"
#include "recordLimits.h"
#include "shop.h"
#include "text.h"
#include "vocabulary.h"

namespace {

bool isRepairable(const Item& item)
{
    bool wearable =
        item.type == ITEM_WEAPON || item.type == ITEM_ARMOUR || item.type == ITEM_ACCESSORY;
    return item.id > 0 && item.durability < item.maxDurability && wearable;
}

int repairPrice(const Item& item) { return item.maxDurability - item.durability; }

bool carriesRepairable(const Character* player)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (isRepairable(player->inventory[slot])) return true;
    return false;
}

int findRepairable(const Character* player, const char* name)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        const Item& item = player->inventory[slot];
        if (isRepairable(item) && strcmpi(item.name, name) == 0) return slot;
    }
    return -1;
}

// One repair per visit; the caller says goodbye whatever happens here.
void offerRepairs(Character* player, Character* smith)
{
    if (carriesNothing(player)) {
        out("\"Hang on a minute! You aren't carrying anything...!\"\n");
        return;
    }
    if (!carriesRepairable(player)) {
        out("\"Hey, wait! Looks like you don't need anything fixing!\"\n");
        return;
    }
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        const Item& item = player->inventory[slot];
        if (!isRepairable(item)) continue;
        printItem(&item);
        out(" (%dG)\n", repairPrice(item));
    }

    char answer[ANSWER_SIZE];
    getInput(answer, sizeof answer);
    if (isOneOf(answer, vocabulary::NOTHING_WANTED)) {
        if (traderKnowsPlayer(smith))
            out("\"Don't want anything fixing, %s? Fair enough...\"\n", player->name);
        else
            out("\"Oi, what are you playing at?! Don't muck me about...!\"\n");
        return;
    }
    int slot = findRepairable(player, answer);
    if (slot < 0) {
        out("\"You don't have any of that!\"\n");
        return;
    }
    Item& item = player->inventory[slot];
    int price = repairPrice(item);
    if (price > player->gold) {
        out("\"You can't afford to repair that!\"\n");
        return;
    }
    item.durability = item.maxDurability;
    player->gold -= price;
    out("%s repaired your %s for %d gold.\n", smith->name, item.name, price);
    changeTrust(smith, 1);
    playSound("anvil");
}

} // namespace

void talkToBlacksmith(Character* player, Character* smith)
{
    out("%s the %s greets you!\n", smith->name, smith->species);
    out("\"Alright, %s! What do you need fixing?\"\n", traderAddress(player, smith));
    offerRepairs(player, smith);
    out("\"Come again!\"\n");
}
