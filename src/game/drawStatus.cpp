#include "drawStatus.h"

#include "console.h"
#include "entityFunc.h"
#include "itemFunc.h"
#include "text.h"

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
    case 1: out(" (+%d ATK)", item->power); break;
    case 2: out(" (+%d DEF)", item->power); break;
    case 3: out(" (+%d HP)", item->power); break;
    default: break;
    }
    out("\n");
}

} // namespace

void drawStats(const GameState* state)
{
    const Entity& player = state->player;
    out("Name: %s\n", player.name);
    out("Sex: %s\n", player.sex == 1 ? "Male" : player.sex == 2 ? "Female" : "Unknown");
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

void drawHelp()
{
    static const char* const lines[] = {
        "Commands are:\n",
        "go [direction]\tMove to a new location (.e.g. go north)\n",
        "look\t\tExamine your surroundings\n",
        "look [noun]\tExamine a specific thing\n",
        "talk [npc]\tSpeak to an NPC\n",
        "get [item]\tPick up an item\n",
        "use [item]\tUse an item\n",
        "drop [item]\tDrop an item\n",
        "give [item]\tOffer an item to an NPC\n",
        "equip [item]\tEquip a piece of equipment\n",
        "remove [item]\tRemove a piece of equipment\n",
        "attack [target]\tEngage in combat\n",
        "inventory\tView your inventory\n",
        "stats\t\tView your status (HP, Gold, etc.)\n",
        "time\t\tView how much time has passed\n",
        "wait\t\tWait for one minute of game time\n",
        "clear\t\tClear the screen\n",
        "save\t\tSave the current game to a file\n",
        "load\t\tLoad an existing game from a file\n",
        "sound [on/off]\tEnable/disable sound output\n",
        "history\t\tDisplay your recent command history\n",
        "help\t\tPrint this help menu\n",
        "quit\t\tQuit the game\n",
        "(Shorthands are: inv, cls, n, s, e, w, u, d, h)\n",
        "(If you're feeling adventurous, try a few...magic words)\n",
    };
    for (const char* line : lines)
        out("%s", line);
}
