#include "characterSheet.h"

#include "items.h"

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
        case ACCESSORY_ATTACK: entity->atk += accessory.power; break;
        case ACCESSORY_DEFENCE: entity->def += accessory.power; break;
        case ACCESSORY_HEALTH: entity->maxHp += accessory.power; break;
        default: break;
        }
    }
}

void hpBounds(Entity* entity)
{
    if (entity->hp <= 0) entity->hp = 1;
    if (entity->hp > entity->maxHp) entity->hp = entity->maxHp;
}

void clearInventory(Entity* entity)
{
    for (int slot = 0; slot < NUM_CARRIED; ++slot)
        entity->inventory[slot] = items[ITEM_EMPTY];
}
