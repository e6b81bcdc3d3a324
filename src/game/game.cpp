#include "game.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "commandTable.h"
#include "completion.h"
#include "console.h"
#include "light.h"
#include "roomView.h"
#include "saveLoad.h"
#include "text.h"
#include "turnClock.h"
#include "version.h"

namespace {

constexpr int LINE_SIZE = 100;
constexpr int VERB_SIZE = 32;
constexpr int REST_SIZE = 64;

void askSex(Entity* player)
{
    char answer[LINE_SIZE];
    getInput(answer, sizeof answer);
    if (isOneOf(answer, {"man", "male", "m", "boy"})) {
        out("Ah, a man...very well, then.\n");
        player->sex = SEX_MALE;
    } else if (isOneOf(answer, {"woman", "female", "w", "f", "girl"})) {
        out("Ah, a woman...very well, then.\n");
        player->sex = SEX_FEMALE;
    } else {
        out("Very well. You walk between.\n");
        player->sex = SEX_OTHER;
    }
}

void beginJourney(GameState* state)
{
    Entity* player = &state->player;
    out("What is your name, wanderer?\n");
    getInput(player->name, sizeof player->name);
    // The name is shown again and again; it must not steer the terminal.
    keepPrintable(player->name);
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

bool isBadWord(const char* verb, const char* rest)
{
    for (int i = 0; badWords[i] != nullptr; ++i)
        if (strcmpi(verb, badWords[i]) == 0 || strcmpi(rest, badWords[i]) == 0) return true;
    return false;
}

// The special word the verb is, or nullptr.
const SpecialWord* findSpecialWord(const GameState* state, const char* verb)
{
    for (const SpecialWord& special : specialWords) {
        const char* word = special.word ? special.word : state->player.name;
        if (strcmpi(verb, word) == 0) return &special;
    }
    return nullptr;
}

Ending answerSpecialWord(GameState* state, const SpecialWord& special)
{
    if (special.reply) out("%s", special.reply);
    return special.action ? special.action(state) : Ending::None;
}

} // namespace

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

Ending gameLoop(GameState* state)
{
    // Nothing to complete at the title menu; the line editor would offer
    // file names.
    setCompleter(nullptr);
    if (startGame(state)) return Ending::Quit;
    setCompleter([state](const std::string& typed) {
        Completions found = completeInput(state, typed);
        return std::make_pair(found.start, std::move(found.words));
    });
    Ending ending = Ending::None;
    while (ending == Ending::None)
        ending = handleCommand(state);
    setCompleter(nullptr);
    return ending;
}

void normalizeInput(const char* raw, char* normalized, int size)
{
    const char* chosen = raw;
    for (const Alias& alias : aliases) {
        if (strcmpi(raw, alias.input.c_str()) == 0) {
            chosen = alias.expansion.c_str();
            break;
        }
    }
    copyText(normalized, size, chosen);
}

bool getNormalizedCommand(char* verb, char* rest, int size, bool* endOfInput)
{
    char raw[LINE_SIZE];
    char normalized[LINE_SIZE];
    *endOfInput = !getInput(raw, sizeof raw);
    normalizeInput(raw, normalized, size < LINE_SIZE ? size : LINE_SIZE);
    if (normalized[0] != '\0' && strcmpi(normalized, "history") != 0) rememberLine(normalized);
    verb[0] = '\0';
    rest[0] = '\0';
    std::sscanf(normalized, "%31s %63[^\n]", verb, rest);
    return verb[0] != '\0';
}

Ending handleCommand(GameState* state)
{
    char verb[VERB_SIZE];
    char rest[REST_SIZE];
    bool endOfInput = false;
    if (!getNormalizedCommand(verb, rest, LINE_SIZE, &endOfInput)) {
        // Running out of input ends the game as "quit" does.
        if (!endOfInput) return Ending::None;
        out("\nFarewell, %s!\n", state->player.name);
        return Ending::Quit;
    }
    if (isBadWord(verb, rest)) {
        out("Now, now. Watch your language.\n");
        return Ending::None;
    }
    if (const SpecialWord* special = findSpecialWord(state, verb))
        return answerSpecialWord(state, *special);

    int index = findCommandIndex(verb);
    if (index < 0) {
        out("Invalid command!\n");
        return Ending::None;
    }
    const Command& command = commands[index];
    if (command.needsLight && !checkAreaLit(state)) {
        out("It's too dark to do that!\n");
        return Ending::None;
    }
    Ending ending = command.handler(state, rest);
    if (ending != Ending::None) return ending;
    state->turnTaken = command.takesTurn;
    if (command.takesTurn) applyTurnEffects(state);
    return Ending::None;
}
