#include "drawStatus.h"

#include "carriedItems.h"
#include "portsInUse.h"
#include "standing.h"

namespace {

constexpr const char* EMPTY_SLOT = "\033[90m[Empty]\033[0m\n";

// A worn weapon or armour: its bonus, then its wear unless it never wears.
void drawWornItem(const Item* item, const char* stat)
{
    if (item->id < 1) {
        out("%s", EMPTY_SLOT);
        return;
    }
    printItem(item);
    out(" (+%d %s)", item->power, stat);
    if (item->unbreakable)
        out("\n");
    else
        out(" (%d/%d)\n", item->durability, item->maxDurability);
}

void drawAccessory(const Item* item)
{
    if (item->id < 1) {
        out("%s", EMPTY_SLOT);
        return;
    }
    printItem(item);
    switch (item->subtype) {
    case ACCESSORY_ATTACK: out(" (+%d ATK)", item->power); break;
    case ACCESSORY_DEFENCE: out(" (+%d DEF)", item->power); break;
    case ACCESSORY_HEALTH: out(" (+%d HP)", item->power); break;
    default: break;
    }
    out("\n");
}

const char* sexName(int sex)
{
    switch (sex) {
    case SEX_MALE: return "Male";
    case SEX_FEMALE: return "Female";
    default: return "Unknown";
    }
}

} // namespace

void drawStats(const GameState* state)
{
    const Character& player = state->player;
    out("Name: %s\n", player.name);
    out("Sex: %s\n", sexName(player.sex));
    out("HP: %d/%d\n", player.hp, player.maxHp);
    out("ATK: %d\n", player.atk);
    out("DEF: %d\n", player.def);
    out("Gold: %d\n", player.gold);
    out("Weapon: ");
    drawWornItem(&player.inventory[SLOT_WEAPON], "ATK");
    out("Armour: ");
    drawWornItem(&player.inventory[SLOT_ARMOUR], "DEF");
    out("Accessory: ");
    drawAccessory(&player.inventory[SLOT_ACCESSORY]);
    int standing = calculateTrustScore(state);
    out("Reputation: %s%s\033[0m\n", getAlignmentColor(standing), getAlignment(standing));
}
