#include "roomView.h"

#include <cctype>

#include "ambience.h"
#include "directions.h"
#include "locations.h"
#include "portsInUse.h"
#include "presence.h"
#include "text.h"
#include "worldIds.h"

namespace {

// The place's row of ambient lines, or nullptr when it has none.
const AmbienceRow* findAmbience(int locationId)
{
    for (const AmbienceRow* row = ambienceTable; row->locationId != LOC_NOWHERE; ++row)
        if (row->locationId == locationId) return row;
    return nullptr;
}

int countLines(const AmbienceRow* row)
{
    int count = 0;
    while (count < AMBIENCE_LINES && row->lines[count] != nullptr && row->lines[count][0] != '\0')
        ++count;
    return count;
}

// Prints one of the row's lines at random; false when the row has none.
bool printAmbientLine(const AmbienceRow* row)
{
    int count = row ? countLines(row) : 0;
    if (count == 0) return false;
    out("* %s\n", row->lines[gameRandom() % count]);
    return true;
}

void maybePrintAmbience(int locationId)
{
    // Places only murmur now and then: one look in six.
    if (gameRandom() % 6 != 0) return;
    printAmbientLine(findAmbience(locationId));
}

// The name of a location by id, or "Unknown".
const char* getLocationNameByID(int id)
{
    for (const Location& location : locations)
        if (location.id == id) return location.name;
    return "Unknown";
}

void printWays(const Location& here)
{
    for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
        if (here.exits[dir] < 0) continue;
        const char* word = vocabulary::DIRECTIONS[dir];
        out("%c%s: ", std::toupper(static_cast<unsigned char>(word[0])), word + 1);
        // A closed way keeps its secret: never say where it leads.
        if (here.exitLocks[dir] == WAY_LOCKED)
            out("(Locked)\n");
        else if (here.exitLocks[dir] == WAY_BLOCKED)
            out("(Blocked)\n");
        else
            out("%s\n", getLocationNameByID(here.exits[dir]));
    }
}

void printCharacter(const Character& character)
{
    switch (character.kind) {
    case KIND_GOD: out("You see God here.\n"); break;
    case KIND_DEVIL: out("You see the Devil here...\n"); break;
    case KIND_BLACK_QUEEN: out("You see the Black Queen here.\n"); break;
    case KIND_WHITE_QUEEN: out("You see the White Queen here.\n"); break;
    default:
        if (character.alive) {
            out("You see ");
            printWithArticle(character.species);
            out(" here.\n");
        } else {
            out("You see the corpse of %s the %s here.\n", character.name, character.species);
        }
        break;
    }
}

void printCharacters(const GameState* state) { forEachCharacterHere(state, printCharacter); }

} // namespace

void lookAround(const GameState* state)
{
    int locationId = state->player.locationId;
    const Location& here = state->locations[locationId];
    out("You are at the %s.\n", getLocationNameByID(locationId));
    if (!here.isLit) {
        out("It is pitch black. You are likely to be eaten by a grue.\n");
        return;
    }
    if (here.description[0] != '\0') out("%s\n", here.description);
    maybePrintAmbience(locationId);
    printWays(here);
    if (here.item.id > 0) {
        out("There is ");
        printWithArticle(here.item.name);
        out(" here.\n");
    }
    if (here.gold > 0) out("There is %d gold here.\n", here.gold);
    printCharacters(state);
}

void listenToAmbience(int locationId)
{
    out("You listen closely to the area around you...\n");
    if (!printAmbientLine(findAmbience(locationId)))
        out("...and yet, you hear nothing of interest.\n");
}
