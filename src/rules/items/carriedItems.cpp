#include "carriedItems.h"

#include "items.h"
#include "portsInUse.h"
#include "prompts.h"
#include "recordLimits.h"
#include "text.h"
#include "travel.h"

namespace {

struct ItemMark {
    const char* colour;
    char symbol;
};

// Listing mark and colour by item type; unknown types list as misc.
constexpr ItemMark ITEM_MARKS[] = {
    {"\033[90m", '*'}, {"\033[31m", '!'}, {"\033[34m", 'M'}, {"\033[35m", 'o'}, {"\033[32m", 'i'},
    {"\033[33m", 'q'}, {"\033[93m", '@'}, {"\033[36m", 'B'}, {"\033[37m", '&'}, {"\033[1;33m", '^'},
};

// No carried slot left empty.
bool checkFullInventory(const Character* character)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (character->inventory[slot].id == 0) return false;
    return true;
}

} // namespace

// ---- Inventories ----

bool carriesNothing(const Character* character)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (character->inventory[slot].id != 0) return false;
    return true;
}

bool itemIsHere(const GameState* state, const char* noun)
{
    const Item& lying = state->locations[state->player.locationId].item;
    return lying.id >= 1 && strcmpi(lying.name, noun) == 0;
}

bool itemInInventory(const Character* character, const char* noun)
{
    return !carriesNothing(character) && findCarriedItem(character, noun) >= 0;
}

int findCarriedItem(const Character* character, const char* noun)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        const Item& item = character->inventory[slot];
        if (item.id > 0 && strcmpi(item.name, noun) == 0) return slot;
    }
    return -1;
}

Item* askForCarriedItem(Character* player, const char* noun, const char* question)
{
    char answer[ANSWER_SIZE];
    int slot = findCarriedItem(player, nounOrAnswer(noun, question, answer));
    if (slot < 0) {
        out("Invalid item name!\n");
        return nullptr;
    }
    return &player->inventory[slot];
}

Item* askForItemToPartWith(GameState* state, const char* noun, const char* refusal,
                           const char* question)
{
    Character& player = state->player;
    if (carriesNothing(&player)) return nullptr;
    if (isAfterlife(player.locationId)) {
        out("%s", refusal);
        return nullptr;
    }
    return askForCarriedItem(&player, noun, question);
}

int findFreeSlot(const Character* character)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (character->inventory[slot].id == 0) return slot;
    return -1;
}

void emptySlot(const GameState* state, Item* slot) { *slot = state->items[ITEM_EMPTY]; }

bool wearDownItem(GameState* state, Item* item, Breaking told)
{
    if (item->id < 1 || item->unbreakable) return false;
    if (--item->durability > 0) return false;
    if (told == Breaking::Announced) {
        out("Your %s breaks...!\n", item->name);
        playSound("break");
    }
    emptySlot(state, item);
    return true;
}

void printItem(const Item* item)
{
    bool known = item->type >= 0 && item->type <= ITEM_LIGHT;
    const ItemMark& mark = ITEM_MARKS[known ? item->type : ITEM_MISC];
    out("%s%c\033[0m ", mark.colour, mark.symbol);
    out("%s", item->name);
}

void drawInventory(const GameState* state)
{
    const Character& player = state->player;
    if (carriesNothing(&player)) {
        out("Inventory is empty!\n");
        return;
    }
    out("Inventory:\n");
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        if (player.inventory[slot].id <= 0) continue;
        printItem(&player.inventory[slot]);
        out("\n");
    }
    playSound("inventory");
}

// ---- Taking and dropping ----

void getItem(GameState* state, Item* locationItem)
{
    if (locationItem->id < 1) {
        out("There is no item here!\n");
        return;
    }
    int slot = findFreeSlot(&state->player);
    if (slot < 0) {
        out("Inventory is full!\n");
        return;
    }
    Item& taken = state->player.inventory[slot];
    taken = *locationItem;
    emptySlot(state, locationItem);
    out("Got the %s.\n", taken.name);
    playSound("jingle");
}

void getGold(GameState* state)
{
    Location& here = state->locations[state->player.locationId];
    if (here.gold < 1) {
        out("There is no gold here!\n");
        return;
    }
    out("Picked up %d gold.\n", here.gold);
    addGold(state->player.gold, here.gold);
    here.gold = 0;
    playSound("gold");
}

void dropItem(GameState* state, const char* noun)
{
    Item* dropped =
        askForItemToPartWith(state, noun, "Can't drop that here...!\n", "Drop which item?\n");
    if (dropped == nullptr) return;
    Item& lying = state->locations[state->player.locationId].item;
    if (lying.id != 0) {
        out("There's already something here!\n");
        return;
    }
    lying = *dropped;
    out("Dropped the %s.\n", lying.name);
    emptySlot(state, dropped);
}

// ---- Equipment ----

namespace {

struct EquipSlot {
    int type;
    int slot;
    const char* occupied;
};

constexpr EquipSlot EQUIP_SLOTS[] = {
    {ITEM_WEAPON, SLOT_WEAPON, "You already have a weapon equipped!\n"},
    {ITEM_ARMOUR, SLOT_ARMOUR, "You already have armour equipped!\n"},
    {ITEM_ACCESSORY, SLOT_ACCESSORY, "You already have an accessory equipped!\n"},
};

const EquipSlot* equipSlotFor(int type)
{
    for (const EquipSlot& equip : EQUIP_SLOTS)
        if (equip.type == type) return &equip;
    return nullptr;
}

bool wearsAnything(const Character& character)
{
    return character.inventory[SLOT_WEAPON].id > 0 || character.inventory[SLOT_ARMOUR].id > 0 ||
           character.inventory[SLOT_ACCESSORY].id > 0;
}

// The worn slot holding an item of that name, weapon first, or -1.
int findWornItem(const Character& character, const char* noun)
{
    for (int slot = SLOT_WEAPON; slot <= SLOT_ACCESSORY; ++slot) {
        const Item& item = character.inventory[slot];
        if (item.id > 0 && strcmpi(item.name, noun) == 0) return slot;
    }
    return -1;
}

} // namespace

void equipItem(GameState* state, const char* noun)
{
    Character& player = state->player;
    if (carriesNothing(&player)) return;
    Item* found = askForCarriedItem(&player, noun, "Equip which item?\n");
    if (found == nullptr) return;
    Item& carried = *found;
    const EquipSlot* equip = equipSlotFor(carried.type);
    if (equip == nullptr) {
        out("You can't equip that!\n");
        return;
    }
    Item& worn = player.inventory[equip->slot];
    if (worn.id > 0) {
        out("%s", equip->occupied);
        return;
    }
    worn = carried;
    out("Equipped the %s.\n", worn.name);
    emptySlot(state, &carried);
}

void removeItem(GameState* state, const char* noun)
{
    Character& player = state->player;
    if (!wearsAnything(player)) {
        out("You have nothing equipped!\n");
        return;
    }
    if (checkFullInventory(&player)) {
        out("Inventory is full!\n");
        return;
    }
    char answer[ANSWER_SIZE];
    int slot = findWornItem(player, nounOrAnswer(noun, "Remove which item?\n", answer));
    if (slot < 0) {
        // Same answer as the other item commands give for a name they can't place.
        out("Invalid item name!\n");
        return;
    }
    Item& worn = player.inventory[slot];
    out("Removed the %s.\n", worn.name);
    player.inventory[findFreeSlot(&player)] = worn;
    emptySlot(state, &worn);
}
