#include "handlers.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <string>

#include "carriedItems.h"
#include "conversation.h"
#include "drawStatus.h"
#include "itemsInUse.h"
#include "light.h"
#include "portsInUse.h"
#include "roomView.h"
#include "savedGames.h"
#include "sessionState.h"
#include "text.h"
#include "transcript.h"
#include "turnClock.h"
#include "undo.h"
#include "vocabulary.h"

namespace {

// As with a save, so that the folder, the name and ".txt" fit a path.
constexpr std::size_t LONGEST_TRANSCRIPT_NAME = 240;

// 0 the surroundings, 1 a character (or anything unknown), 2 an item.
int getLookAction(const GameState* state, const char* noun)
{
    // A bare "look" arrives as "look around"; "look" followed only by blanks
    // names nothing and is answered like any unknown thing.
    if (noun == nullptr || isOneOf(noun, vocabulary::AROUND)) return 0;
    if (itemIsHere(state, noun) || itemInInventory(&state->player, noun)) return 2;
    return 1;
}

} // namespace

// ---- Special words ----

Ending quitGame(SessionState& session)
{
    out("Farewell, %s!\n", session.record.player.name);
    return Ending::Quit;
}

Ending showCommandHistory(SessionState& session)
{
    const std::deque<std::string>& lines = session.history;
    if (lines.empty()) {
        out("No command history.\n");
        return Ending::None;
    }
    out("Recent command history:\n");
    for (const std::string& line : lines)
        out("- %s\n", line.c_str());
    return Ending::None;
}

Ending answerPrayer(SessionState&)
{
    playSound("pray");
    if (gameRandom() % 10 == 0) out("You hear a faint voice respond warmly: \"I hear you.\"\n");
    return Ending::None;
}

// ---- Commands ----

void getHandler(GameState* state, const char* noun)
{
    Location* here = &state->locations[state->player.locationId];
    if (noun[0] == '\0') {
        out("You must specify something to get!\n");
    } else if (isOneOf(noun, vocabulary::LYING_ITEM) || strcmpi(noun, here->item.name) == 0) {
        getItem(state, &here->item);
    } else if (isOneOf(noun, vocabulary::GOLD)) {
        getGold(state);
    } else if (isOneOf(noun, vocabulary::ITEM_AND_GOLD)) {
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
        lookAtCharacter(state, noun);
    }
}

// "x" and "examine" look at what they name; alone they name nothing.
void examineHandler(GameState* state, const char* noun)
{
    if (noun[0] == '\0') {
        out("Examine what?\n");
        return;
    }
    lookHandler(state, noun);
}

// "l" alone looks around, as "look" alone does.
void shortLookHandler(GameState* state, const char* noun)
{
    lookHandler(state, noun[0] == '\0' ? vocabulary::AROUND[0] : noun);
}

void talkHandler(GameState* state, const char* noun)
{
    if (isOneOf(noun, vocabulary::GRUE)) {
        out("You can't talk to the lurking grue!\n");
    } else if (isOneOf(noun, vocabulary::TALKING_TO_ONESELF)) {
        out("Talking to yourself again, I see...\n");
    } else {
        talkToCharacter(state, noun);
    }
}

void waitHandler(GameState*, const char*) { out("You wait patiently for a minute...\n"); }

void soundHandler(SessionState& session, const char* noun)
{
    GameState* state = &session.record;
    if (noun[0] == '\0') {
        out("Sound is currently %s", state->soundOn ? "Enabled.\n" : "Disabled.\n");
    } else if (isOneOf(noun, vocabulary::ON)) {
        if (session.options.audioDisabled) {
            out("Sound cannot be enabled: audio was disabled at launch.\n");
        } else {
            state->soundOn = true;
            out("Sound enabled.\n");
        }
    } else if (isOneOf(noun, vocabulary::OFF)) {
        state->soundOn = false;
        out("Sound disabled.\n");
    } else {
        out("Incorrect usage of 'sound' command.\n");
    }
}

void clearHandler(GameState*, const char*) { clearScreen(); }

void statsHandler(GameState* state, const char*) { drawStats(state); }

void inventoryHandler(GameState* state, const char*) { drawInventory(state); }

void timeHandler(GameState* state, const char*) { showTimePassed(state); }

void saveHandler(GameState* state, const char*) { saveState(state); }

void loadHandler(GameState* state, const char*) { loadState(state); }

void listenHandler(GameState* state, const char*) { listenToAmbience(state->player.locationId); }

void undoHandler(SessionState& session, const char*)
{
    GameState* state = &session.record;
    std::string line;
    if (!session.undo.takeBack(state, line)) {
        out("There is nothing left to take back.\n");
        return;
    }
    out("You take back \"%s\".\n", line.c_str());
    lookAround(state);
}

void savesHandler(GameState*, const char*) { listSaves(); }

void scriptHandler(SessionState& session, const char* noun)
{
    TranscriptKeeper& transcript = session.transcript;
    if (transcript.copying()) {
        out("A transcript is already being kept in transcripts/%s.txt.\n",
            transcript.name().c_str());
        return;
    }
    transcript.stop(); // one whose writing failed
    std::string name = noun;
    if (name.empty()) {
        out("Enter a name for your transcript: ");
        if (!ports().lines.readPlainLine(name) || name.empty()) {
            out("Transcript cancelled.\n");
            return;
        }
    }
    name.resize(std::min(name.size(), LONGEST_TRANSCRIPT_NAME));
    sanitizeFilename(name.data());
    std::string reason;
    std::unique_ptr<SaveStorage::Transcript> file = ports().saves.openTranscript(name, reason);
    if (file == nullptr) {
        outError("Could not open transcript file: %s\n", reason.c_str());
        return;
    }
    out("Keeping a transcript in transcripts/%s.txt; type \"unscript\" to stop.\n", name.c_str());
    transcript.start(std::move(file), name, ports().clock.now());
}

void unscriptHandler(SessionState& session, const char*)
{
    TranscriptKeeper& transcript = session.transcript;
    if (!transcript.copying()) {
        out("No transcript is being kept.\n");
        transcript.stop();
        return;
    }
    // Only a transcript written whole, these words included, is said saved.
    std::string saved = "Transcript saved to transcripts/" + transcript.name() + ".txt.\n";
    if (transcript.finish(saved)) out("%s", saved.c_str());
}
