#include "itemFunc.h"

#include "audio.h"
#include "console.h"
#include "items.h"
#include "utils.h"

namespace {

struct ItemMark {
    const char* colour;
    const char* format;
};

// Listing mark and colour by item type; unknown types list as misc.
constexpr ItemMark ITEM_MARKS[] = {
    {"\033[90m", "%s*\033[0m "},   {"\033[31m", "%s!\033[0m "}, {"\033[34m", "%sM\033[0m "},
    {"\033[35m", "%so\033[0m "},   {"\033[32m", "%si\033[0m "}, {"\033[33m", "%sq\033[0m "},
    {"\033[93m", "%s@\033[0m "},   {"\033[36m", "%sB\033[0m "}, {"\033[37m", "%s&\033[0m "},
    {"\033[1;33m", "%s^\033[0m "},
};

}  // namespace

// ---- Inventories ----

bool checkFullInventory(const Entity* entity)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (entity->inventory[slot].id == 0) return false;
    return true;
}

bool checkEmptyInventory(const Entity* entity)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (entity->inventory[slot].id != 0) return false;
    return true;
}

void clearInventory(Entity* entity)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot) entity->inventory[slot] = items[ITEM_EMPTY];
}

Item getItemByID(int id)
{
    for (const Item& item : items)
        if (item.id == id) return item;
    return items[ITEM_EMPTY];
}

bool itemIsHere(const GameState* state, const char* noun)
{
    const Item& lying = state->locations[state->player.locationId].item;
    return lying.id >= 1 && strcmpi(lying.name, noun) == 0;
}

bool itemInInventory(const Entity* entity, const char* noun)
{
    return !checkEmptyInventory(entity) && findCarriedItem(entity, noun) >= 0;
}

int findCarriedItem(const Entity* entity, const char* noun)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        const Item& item = entity->inventory[slot];
        if (item.id > 0 && strcmpi(item.name, noun) == 0) return slot;
    }
    return -1;
}

int findFreeSlot(const Entity* entity)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        if (entity->inventory[slot].id == 0) return slot;
    return -1;
}

void emptySlot(const GameState* state, Item* slot) { *slot = state->items[ITEM_EMPTY]; }

void printItem(const Item* item)
{
    bool known = item->type >= 0 && item->type <= ITEM_LIGHT;
    const ItemMark& mark = ITEM_MARKS[known ? item->type : ITEM_MISC];
    out(mark.format, mark.colour);
    out("%s", item->name);
}

void drawInventory(const GameState* state)
{
    const Entity& player = state->player;
    if (checkEmptyInventory(&player)) {
        out("Inventory is empty!\n");
        return;
    }
    out("Inventory:\n");
    for (int slot = 0; slot < NUM_CARRIED; ++slot) {
        if (player.inventory[slot].id <= 0) continue;
        printItem(&player.inventory[slot]);
        out("\n");
    }
    playEffect(state, "sound/inventory.ogg");
}

// ---- Taking and dropping ----

void getItem(GameState*, Item*) {}
void getGold(GameState*) {}
void dropItem(GameState*, const char*) {}

// ---- Equipment ----

void equipItem(GameState*, const char*) {}
void removeItem(GameState*, const char*) {}

void recalculateStats(Entity* entity)
{
    entity->atk = entity->baseAtk;
    entity->def = entity->baseDef;
    entity->maxHp = entity->baseMaxHp;
    const Item& weapon = entity->inventory[SLOT_WEAPON];
    const Item& armour = entity->inventory[SLOT_ARMOUR];
    const Item& accessory = entity->inventory[SLOT_ACCESSORY];
    if (weapon.id > 0) entity->atk += weapon.power;
    if (armour.id > 0) entity->def += armour.power;
    if (accessory.id > 0) {
        switch (accessory.subtype) {
        case 1: entity->atk += accessory.power; break;
        case 2: entity->def += accessory.power; break;
        case 3: entity->maxHp += accessory.power; break;
        default: break;
        }
    }
}
