#include "light.h"

#include "portsInUse.h"

int checkAreaLit(const GameState* state)
{
    return state->locations[state->player.locationId].isLit ? 1 : 0;
}

void burnLight(GameState* state)
{
    if (state->lightTurns > 0) state->lightTurns--;
    Location& here = state->locations[state->player.locationId];
    bool litDarkPlace = here.isDark && here.isLit;
    if (state->lightTurns == 1 && litDarkPlace) out("The light flickers...!\n");
    if (state->lightTurns == 0 && litDarkPlace) {
        here.isLit = false;
        out("The light goes out...\n");
    }
    if (state->lightTurns < 0) state->lightTurns = 0;
}
