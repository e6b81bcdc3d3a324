#include "travel.h"

#include "directions.h"
#include "portsInUse.h"
#include "roomView.h"
#include "worldIds.h"

namespace {

// Through a way that is open; a locked or blocked one says so.
void goToLocation(GameState* state, int destination, int lockState)
{
    if (lockState == WAY_LOCKED) {
        out("That way is locked!\n");
        return;
    }
    if (lockState == WAY_BLOCKED) {
        out("That way is blocked!\n");
        return;
    }
    if (lockState != WAY_OPEN) return;

    state->player.locationId = destination;
    Location& arrival = state->locations[destination];
    // A burning light comes along and lights the new place.
    if (state->lightTurns > 0) arrival.isLit = true;
    lookAround(state);
    if (!arrival.isLit) playSound("dark");
}

} // namespace

void goDirection(GameState* state, const char* word)
{
    int dir = directionIndex(word);
    if (dir < 0) {
        if (word[0] == '\0')
            out("Please specify somewhere to go to.\n");
        else
            out("You can't go to \"%s\"!\n", word);
        return;
    }
    const Location& here = state->locations[state->player.locationId];
    int destination = here.exits[dir];
    // A way to nowhere on the map (only a damaged save could hold one) is no way at all.
    if (destination < 0 || destination >= NUM_LOCATIONS) {
        out("You can't go that way!\n");
        return;
    }
    goToLocation(state, destination, here.exitLocks[dir]);
}

bool isAfterlife(int locationId) { return locationId == LOC_HEAVEN || locationId == LOC_HELL; }
