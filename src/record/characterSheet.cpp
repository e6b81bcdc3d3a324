#include "characterSheet.h"

#include "items.h"

void recalculateStats(Character* character)
{
    character->atk = character->baseAtk;
    character->def = character->baseDef;
    character->maxHp = character->baseMaxHp;
    const Item& weapon = character->inventory[SLOT_WEAPON];
    const Item& armour = character->inventory[SLOT_ARMOUR];
    const Item& accessory = character->inventory[SLOT_ACCESSORY];
    if (weapon.id > 0) character->atk += weapon.power;
    if (armour.id > 0) character->def += armour.power;
    if (accessory.id > 0) {
        switch (accessory.subtype) {
        case ACCESSORY_ATTACK: character->atk += accessory.power; break;
        case ACCESSORY_DEFENCE: character->def += accessory.power; break;
        case ACCESSORY_HEALTH: character->maxHp += accessory.power; break;
        default: break;
        }
    }
}

void hpBounds(Character* character)
{
    if (character->hp <= 0) character->hp = 1;
    if (character->hp > character->maxHp) character->hp = character->maxHp;
}

void clearInventory(Character* character)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        character->inventory[slot] = items[ITEM_EMPTY];
}
