#include "handlers.h"

#include <string>
#include <vector>

#include "console.h"
#include "drawStatus.h"
#include "entityFunc.h"
#include "itemFunc.h"
#include "light.h"
#include "roomView.h"
#include "runState.h"
#include "saveList.h"
#include "saveLoad.h"
#include "soundEffect.h"
#include "text.h"
#include "turnClock.h"
#include "undo.h"
#include "useFunc.h"

namespace {

// 0 the surroundings, 1 a character (or anything unknown), 2 an item.
int getLookAction(const GameState* state, const char* noun)
{
    // A bare "look" arrives as "look around"; "look" followed only by blanks
    // names nothing and is answered like any unknown thing.
    if (noun == nullptr || strcmpi(noun, "around") == 0) return 0;
    if (itemIsHere(state, noun) || itemInInventory(&state->player, noun)) return 2;
    return 1;
}

} // namespace

// ---- Special words ----

Ending quitGame(GameState* state)
{
    out("Farewell, %s!\n", state->player.name);
    return Ending::Quit;
}

Ending showCommandHistory(GameState*)
{
    std::vector<std::string> lines = rememberedLines();
    if (lines.empty()) {
        out("No command history.\n");
        return Ending::None;
    }
    out("Recent command history:\n");
    for (const std::string& line : lines)
        out("- %s\n", line.c_str());
    return Ending::None;
}

Ending answerPrayer(GameState* state)
{
    playEffect(state, "sound/pray.ogg");
    if (gameRandom() % 10 == 0) out("You hear a faint voice respond warmly: \"I hear you.\"\n");
    return Ending::None;
}

// ---- Commands ----

void getHandler(GameState* state, const char* noun)
{
    Location* here = &state->locations[state->player.locationId];
    if (noun[0] == '\0') {
        out("You must specify something to get!\n");
    } else if (strcmpi(noun, "item") == 0 || strcmpi(noun, here->item.name) == 0) {
        getItem(state, &here->item);
    } else if (strcmpi(noun, "gold") == 0) {
        getGold(state);
    } else if (strcmpi(noun, "both") == 0 || strcmpi(noun, "all") == 0) {
        getItem(state, &here->item);
        getGold(state);
    } else {
        out("You can't get that!\n");
    }
}

void lookHandler(GameState* state, const char* noun)
{
    int action = getLookAction(state, noun);
    if (action == 0) {
        lookAround(state);
    } else if (!checkAreaLit(state)) {
        out("It's too dark!\n");
    } else if (action == 2) {
        lookAtItem(state, noun);
    } else {
        lookAtEntity(state, noun);
    }
}

void talkHandler(GameState* state, const char* noun)
{
    if (strcmpi(noun, "grue") == 0) {
        out("You can't talk to the lurking grue!\n");
    } else if (strcmpi(noun, "self") == 0) {
        out("Talking to yourself again, I see...\n");
    } else {
        talkToEntity(state, noun);
    }
}

void waitHandler(GameState*, const char*) { out("You wait patiently for a minute...\n"); }

void soundHandler(GameState* state, const char* noun)
{
    if (noun[0] == '\0') {
        out("Sound is currently %s", state->soundOn ? "Enabled.\n" : "Disabled.\n");
    } else if (strcmpi(noun, "on") == 0) {
        if (runState().soundOffAtStart) {
            out("Sound cannot be enabled: audio was disabled at launch.\n");
        } else {
            state->soundOn = true;
            out("Sound enabled.\n");
        }
    } else if (strcmpi(noun, "off") == 0) {
        state->soundOn = false;
        out("Sound disabled.\n");
    } else {
        out("Incorrect usage of 'sound' command.\n");
    }
}

void clearHandler(GameState*, const char*) { clearScreen(); }

void statsHandler(GameState* state, const char*) { drawStats(state); }

void inventoryHandler(GameState* state, const char*) { drawInventory(state); }

void timeHandler(GameState* state, const char*) { calculateTimePassed(state); }

void saveHandler(GameState* state, const char*) { saveState(state); }

void loadHandler(GameState* state, const char*)
{
    if (UndoLog* undo = UndoLog::active()) undo->compareAllAfterThisLine();
    loadState(state);
}

void listenHandler(GameState* state, const char*) { listenToAmbience(state->player.locationId); }

void undoHandler(GameState* state, const char*)
{
    std::string line;
    UndoLog* undo = UndoLog::active();
    if (undo == nullptr || !undo->takeBack(state, line)) {
        out("There is nothing left to take back.\n");
        return;
    }
    out("You take back \"%s\".\n", line.c_str());
    lookAround(state);
}

void savesHandler(GameState*, const char*) { listSaves(); }
