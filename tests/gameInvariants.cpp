#include "gameInvariants.h"

#include <cstring>

#include "recordChecks.h"

std::string findBrokenInvariant(const GameState& state)
{
    // The loader's own check covers ids, exits, places and text fields.
    if (!isValidRecord(&state)) return "the record fails the loader's check";
    for (int i = 1; i < NUM_CHARACTERS; ++i)
        if (state.characters[i].id != i) return "character " + std::to_string(i) + " lost its id";
    const Character& player = state.player;
    if (state.turnTaken && (player.hp < 1 || player.hp > player.maxHp))
        return "player hit points " + std::to_string(player.hp) + " outside 1.." +
               std::to_string(player.maxHp) + " after a turn";
    return "";
}
