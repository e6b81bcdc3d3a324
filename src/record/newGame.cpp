#include "newGame.h"

#include <cstring>

#include "characterSheet.h"
#include "characterTable.h"
#include "items.h"
#include "locations.h"
#include "portsInUse.h"
#include "text.h"

namespace {

void initGameState(GameState* state)
{
    std::memcpy(state->locations, locations.data(), sizeof state->locations);
    std::memcpy(state->items, items.data(), sizeof state->items);
    // Blank until the templates are copied in.
    std::memset(state->characters, 0, sizeof state->characters);
    state->minutesPassed = 0;
    state->lightTurns = 0;
    state->blackQueenSlain = false;
    state->soundOn = true;
    state->faeState = FAE_UNMET;
    state->starGiftFallen = false;
}

void initPlayer(GameState* state, Character* player)
{
    player->id = 0;
    player->kind = KIND_PLAYER;
    player->sex = SEX_UNSET;
    if (player->name[0] == '\0') copyText(player->name, sizeof player->name, "Arlen");
    player->baseMaxHp = 50;
    player->maxHp = player->baseMaxHp;
    player->hp = player->maxHp;
    player->baseAtk = 6 + gameRandom() % 4;
    player->baseDef = 4 + gameRandom() % 4;
    player->gold = 50;
    clearInventory(player);
    player->inventory[SLOT_WEAPON] = state->items[ITEM_SWORD];
    player->inventory[SLOT_ARMOUR] = state->items[ITEM_TUNIC];
    player->inventory[0] = state->items[ITEM_SMALL_POTION];
    recalculateStats(player);
    player->locationId = LOC_VILLAGE;
    copyText(player->species, sizeof player->species, "yourself");
    copyText(player->description, sizeof player->description, "yourself");
    player->dialogueGood[0] = '\0';
    player->dialogueNeutral[0] = '\0';
    player->dialogueBad[0] = '\0';
    player->favouriteItemId = ITEM_NONE;
    player->trust = 0;
    player->alive = true;
    player->cooldown = 0;
}

void initCharacters(GameState* state, Character* player)
{
    initPlayer(state, player);
    for (std::size_t slot = 1; slot < NUM_CHARACTERS; ++slot)
        state->characters[slot] = characterTemplates[slot];
    handOutStartingItems(state);
}

} // namespace

void buildFreshGame(GameState* state)
{
    std::memset(static_cast<void*>(state), 0, sizeof *state);
    initGameState(state);
    initLocations(state);
    state->player = state->characters[0];
    initCharacters(state, &state->player);
}
