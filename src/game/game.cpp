#include "game.h"

#include <readline/history.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "audio.h"
#include "combatFunc.h"
#include "commandTable.h"
#include "completion.h"
#include "console.h"
#include "drawStatus.h"
#include "entityFunc.h"
#include "giveFunc.h"
#include "itemFunc.h"
#include "moveFunc.h"
#include "roomView.h"
#include "saveList.h"
#include "saveLoad.h"
#include "text.h"
#include "turnClock.h"
#include "undo.h"
#include "useFunc.h"
#include "version.h"

namespace {

constexpr int LINE_SIZE = 100;
constexpr int VERB_SIZE = 32;
constexpr int REST_SIZE = 64;

bool endRequested = false;

void askSex(Entity* player)
{
    char answer[LINE_SIZE];
    getInput(answer, sizeof answer);
    for (const char* word : {"man", "male", "m", "boy"}) {
        if (strcmpi(answer, word) == 0) {
            out("Ah, a man...very well, then.\n");
            player->sex = 1;
            return;
        }
    }
    for (const char* word : {"woman", "female", "w", "f", "girl"}) {
        if (strcmpi(answer, word) == 0) {
            out("Ah, a woman...very well, then.\n");
            player->sex = 2;
            return;
        }
    }
    out("Very well. You walk between.\n");
    player->sex = 3;
}

void beginJourney(GameState* state)
{
    Entity* player = &state->player;
    out("What is your name, wanderer?\n");
    getInput(player->name, sizeof player->name);
    if (player->name[0] == '\0') copyText(player->name, sizeof player->name, "Arlen");
    out("So be it, %s. May your path be remembered.\n", player->name);
    out("Are you man or woman? Or...?\n");
    askSex(player);
    out("\nIt is dangerous to go alone...take these supplies with you.\n");
    out("And with all that being said...\n\n");
    out("Welcome to %s, %s!\n", "Lanternmoor", player->name);
    out("Will you strike with steel...or speak with silver?\n");
    out("The Black Queen is watching...\n\n");
    out("Type \"help\" for a command list.\n\n");
    lookAround(state);
}

// Both words already in lower case.
bool isBadWord(const char* verb, const char* rest)
{
    for (int i = 0; badWords[i] != nullptr; ++i)
        if (std::strcmp(verb, badWords[i]) == 0 || std::strcmp(rest, badWords[i]) == 0) return true;
    return false;
}

// The special words answered before the command table; true when handled.
// `word` is the typed verb in lower case.
bool answerSpecialWord(GameState* state, const char* verb, const char* word)
{
    if (std::strcmp(word, "history") == 0) {
        showCommandHistory();
    } else if (std::strcmp(word, "xyzzy") == 0) {
        out("POOF! Nothing happens.\n");
    } else if (std::strcmp(word, "plugh") == 0) {
        out("A hollow voice says, \"You can't do that here.\"\n");
    } else if (std::strcmp(word, "think") == 0) {
        out("You think...therefore, you are.\n");
    } else if (std::strcmp(word, "debug") == 0) {
        out("There are no bugs here, only features.\n");
    } else if (strcmpi(verb, state->player.name) == 0) {
        out("Yes, that is your name...\n");
    } else if (std::strcmp(word, "pray") == 0) {
        out("You close your eyes and say a silent prayer to God.\n");
        playEffect(state, "sound/pray.ogg");
        if (gameRandom() % 10 == 0) out("You hear a faint voice respond warmly: \"I hear you.\"\n");
    } else if (std::strcmp(word, "sleep") == 0) {
        out("You can't just go to sleep here!\n");
    } else if (std::strcmp(word, "dance") == 0) {
        out("You bust out some questionable moves. Nobody is impressed.\n");
    } else {
        return false;
    }
    return true;
}

// Runs a row's handler; a command that changes the record is noted so that
// it can be taken back.
bool runCommand(GameState* state, const Command& command, const char* rest)
{
    // "again" and "undo" leave the record as the command they stand for left it.
    if (command.record == RecordUse::Steers) {
        command.handler(state, rest);
        return programEndRequested();
    }
    UndoLog* undo = UndoLog::active();
    bool mayChange = undo && !command.takesTurn && command.record != RecordUse::Reads;
    if (undo && command.takesTurn) undo->noteTurn(state);
    if (mayChange) undo->watch(state);
    command.handler(state, rest);
    if (programEndRequested()) return true;
    if (mayChange) undo->noteIfChanged(state, command.record == RecordUse::Changes);
    state->turnTaken = command.takesTurn;
    if (command.takesTurn) applyTurnEffects(state);
    return false;
}

// The last command line, for "again", and whether the line running now
// asked for it (then it is not itself remembered).
std::string lastCommandLine;
bool lineRepeated = false;

bool hasWord(const char* line) { return line[std::strspn(line, " \t\n\v\f\r")] != '\0'; }

} // namespace

void requestProgramEnd() { endRequested = true; }
bool programEndRequested() { return endRequested; }
void resetProgramEnd() { endRequested = false; }

bool startGame(GameState* state)
{
    out("%s, v%s\n", "Lanternmoor", GAME_VERSION);
    out("====================================\n");
    out("1. Begin a new journey\n");
    out("2. Continue where you left off\n");
    out("3. Quit\n");
    char answer[LINE_SIZE];
    getInput(answer, sizeof answer);
    if (answer[0] == '1') {
        beginJourney(state);
        return false;
    }
    if (answer[0] == '2') return !loadState(state);
    return true;
}

void gameLoop(GameState* state)
{
    // Nothing to complete at the title menu; the line editor would offer
    // file names.
    setCompleter(nullptr);
    if (startGame(state)) return;
    setCompleter([state](const std::string& typed) {
        Completions found = completeInput(state, typed);
        return std::make_pair(found.start, std::move(found.words));
    });
    UndoLog undo([](GameState* played, const char* line) { runCommandLine(played, line); });
    while (!handleCommand(state)) {
    }
    setCompleter(nullptr);
}

void normalizeInput(const char* raw, char* normalized, int size)
{
    const char* chosen = raw;
    char lower[LINE_SIZE];
    toLowerCase(raw, lower, sizeof lower);
    for (const Alias& alias : aliases) {
        if (std::strcmp(lower, alias.input) == 0) {
            chosen = alias.expansion;
            break;
        }
    }
    copyText(normalized, size, chosen);
}

bool readCommandLine(char* line, int size)
{
    char raw[LINE_SIZE];
    bool gotLine = getInput(raw, sizeof raw);
    normalizeInput(raw, line, size < LINE_SIZE ? size : LINE_SIZE);
    if (line[0] != '\0' && strcmpi(line, "history") != 0) rememberLine(line);
    return gotLine;
}

bool getNormalizedCommand(char* verb, char* rest, int size, bool* endOfInput)
{
    char normalized[LINE_SIZE];
    *endOfInput = !readCommandLine(normalized, size);
    verb[0] = '\0';
    rest[0] = '\0';
    std::sscanf(normalized, "%31s %63[^\n]", verb, rest);
    return verb[0] != '\0';
}

void showCommandHistory()
{
    HIST_ENTRY** list = history_list();
    if (list == nullptr || list[0] == nullptr) {
        out("No command history.\n");
        return;
    }
    out("Recent command history:\n");
    for (int i = 0; list[i] != nullptr; ++i)
        out("- %s\n", list[i]->line);
}

bool handleCommand(GameState* state)
{
    char line[LINE_SIZE];
    if (!readCommandLine(line, sizeof line)) {
        // Running out of input ends the game as "quit" does.
        out("\nFarewell, %s!\n", state->player.name);
        return true;
    }
    lineRepeated = false;
    bool ended = runCommandLine(state, line);
    if (!lineRepeated && hasWord(line)) lastCommandLine = line;
    return ended;
}

bool runCommandLine(GameState* state, const char* line)
{
    char verb[VERB_SIZE] = "";
    char rest[REST_SIZE] = "";
    std::sscanf(line, "%31s %63[^\n]", verb, rest);
    if (verb[0] == '\0') return false;
    if (UndoLog* undo = UndoLog::active()) undo->beginCommand(line);
    char word[VERB_SIZE];
    char lowerRest[REST_SIZE];
    toLowerCase(verb, word, sizeof word);
    toLowerCase(rest, lowerRest, sizeof lowerRest);
    if (isBadWord(word, lowerRest)) {
        out("Now, now. Watch your language.\n");
        return false;
    }
    if (std::strcmp(word, "quit") == 0 || std::strcmp(word, "exit") == 0) {
        out("Farewell, %s!\n", state->player.name);
        return true;
    }
    if (answerSpecialWord(state, verb, word)) return false;

    int index = findLowerCaseCommand(word);
    if (index < 0) {
        out("Invalid command!\n");
        return false;
    }
    const Command& command = commands[index];
    if (command.needsLight && !checkAreaLit(state)) {
        out("It's too dark to do that!\n");
        return false;
    }
    return runCommand(state, command, rest);
}

void forgetLastCommandLine() { lastCommandLine.clear(); }

// ---- Handlers ----

void goHandler(GameState* state, const char* noun) { goDirection(state, noun); }

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

void useHandler(GameState* state, const char* noun) { useItem(state, noun); }
void dropHandler(GameState* state, const char* noun) { dropItem(state, noun); }

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

void giveHandler(GameState* state, const char* noun) { giveItem(state, noun); }
void equipHandler(GameState* state, const char* noun) { equipItem(state, noun); }
void removeHandler(GameState* state, const char* noun) { removeItem(state, noun); }
void attackHandler(GameState* state, const char* noun) { attackEntity(state, noun); }
void waitHandler(GameState*, const char*) { out("You wait patiently for a minute...\n"); }
void clearHandler(GameState*, const char*) { clearScreen(); }
void helpHandler(GameState*, const char*) { drawHelp(); }
void statsHandler(GameState* state, const char*) { drawStats(state); }
void inventoryHandler(GameState* state, const char*) { drawInventory(state); }
void timeHandler(GameState* state, const char*) { calculateTimePassed(state); }
void saveHandler(GameState* state, const char*) { saveState(state); }
void loadHandler(GameState* state, const char*) { loadState(state); }
void hugHandler(GameState* state, const char* noun) { hugEntity(state, noun); }
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

void againHandler(GameState* state, const char*)
{
    lineRepeated = true;
    if (lastCommandLine.empty()) {
        out("There is nothing to repeat.\n");
        return;
    }
    std::string line = lastCommandLine;
    runCommandLine(state, line.c_str());
}

void savesHandler(GameState*, const char*) { listSaves(); }
