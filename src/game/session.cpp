#include "session.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "commandTable.h"
#include "light.h"
#include "newGame.h"
#include "portsInUse.h"
#include "prompts.h"
#include "recordChecks.h"
#include "roomView.h"
#include "savedGames.h"
#include "text.h"
#include "transcript.h"
#include "turnClock.h"
#include "undo.h"
#include "version.h"
#include "vocabulary.h"

namespace {

constexpr int LINE_SIZE = 100;
constexpr int VERB_SIZE = 32;
constexpr int REST_SIZE = 64;

void askSex(LineSource& lines, Character* player)
{
    char answer[LINE_SIZE];
    readAnswer(lines, answer, sizeof answer);
    if (isOneOf(answer, vocabulary::MAN)) {
        out("Ah, a man...very well, then.\n");
        player->sex = SEX_MALE;
    } else if (isOneOf(answer, vocabulary::WOMAN)) {
        out("Ah, a woman...very well, then.\n");
        player->sex = SEX_FEMALE;
    } else {
        out("Very well. You walk between.\n");
        player->sex = SEX_OTHER;
    }
}

void beginJourney(LineSource& lines, GameState* state)
{
    Character* player = &state->player;
    out("What is your name, wanderer?\n");
    readAnswer(lines, player->name, sizeof player->name);
    // The name is shown again and again; it must not steer the terminal.
    keepPrintable(player->name);
    if (player->name[0] == '\0') copyText(player->name, sizeof player->name, "Arlen");
    out("So be it, %s. May your path be remembered.\n", player->name);
    out("Are you man or woman? Or...?\n");
    askSex(lines, player);
    out("\nIt is dangerous to go alone...take these supplies with you.\n");
    out("And with all that being said...\n\n");
    out("Welcome to %s, %s!\n", "Lanternmoor", player->name);
    out("Will you strike with steel...or speak with silver?\n");
    out("The Black Queen is watching...\n\n");
    out("Type \"help\" for a command list.\n\n");
    lookAround(state);
}

// Both words already in lower case.
bool isBadWord(const char* word, const char* rest)
{
    for (const char* bad : vocabulary::BAD_WORDS)
        if (std::strcmp(word, bad) == 0 || std::strcmp(rest, bad) == 0) return true;
    return false;
}

// Whether the player said their own name. A shorthand stands for its
// command: "n" moves a wanderer named "Go", but "go" itself is the name.
bool saysName(const GameState* state, const char* verb, const Alias* shorthand)
{
    const char* name = state->player.name;
    return strcmpi(verb, name) == 0 &&
           (shorthand == nullptr || strcmpi(shorthand->input.c_str(), name) == 0);
}

// The special word the verb is, or nullptr; `word` is the verb in lower case.
const SpecialWord* findSpecialWord(const GameState* state, const char* verb, const char* word,
                                   const Alias* shorthand)
{
    for (const SpecialWord& special : specialWords) {
        bool said =
            special.word ? std::strcmp(word, special.word) == 0 : saysName(state, verb, shorthand);
        if (said) return &special;
    }
    return nullptr;
}

// The line the shorthand typed stands for, or the line itself; returns the
// shorthand, or nullptr.
const Alias* normalizeInput(const char* raw, char* normalized, int size)
{
    char lower[LINE_SIZE];
    toLowerCase(raw, lower, sizeof lower);
    for (const Alias& alias : aliases) {
        if (alias.input == lower) {
            copyText(normalized, size, alias.expansion.c_str());
            return &alias;
        }
    }
    copyText(normalized, size, raw);
    return nullptr;
}

constexpr std::string_view BLANKS = " \t\n\v\f\r";

bool hasWord(const char* line) { return line[std::strspn(line, BLANKS.data())] != '\0'; }

// Copies the part of `text` that fits the field whole, letters uncut; the
// bytes copied.
template <std::size_t SIZE> std::size_t copyPart(std::string_view text, char (&field)[SIZE])
{
    std::size_t kept = wholeCharactersWithin(text, SIZE - 1);
    std::memcpy(field, text.data(), kept);
    field[kept] = '\0';
    return kept;
}

void skipBlanks(std::string_view& text)
{
    text.remove_prefix(std::min(text.find_first_not_of(BLANKS), text.size()));
}

// The verb is the first word, the rest what follows the blanks after it, each
// cut to its field. A verb cut short leaves the rest of its word to begin the
// rest.
void splitLine(const char* line, char (&verb)[VERB_SIZE], char (&rest)[REST_SIZE])
{
    std::string_view text(line);
    skipBlanks(text);
    text.remove_prefix(copyPart(text.substr(0, text.find_first_of(BLANKS)), verb));
    skipBlanks(text);
    copyPart(text.substr(0, text.find('\n')), rest);
}

} // namespace

Session::Session(const Ports& ports, SessionOptions options)
    : frontEnd(ports), state(std::make_unique<GameState>()),
      transcript(std::make_unique<TranscriptKeeper>(ports.output, ports.lines)),
      undo(std::make_unique<UndoLog>(state.get())),
      sound(*state, ports.sound), inPlay{transcript->lines(), transcript->output(),
                                         ports.random,        sound,
                                         ports.saves,         ports.clock},
      betweenLines{*state, *undo, *transcript, options, {}, -1}
{
    PortsInUse playing(inPlay);
    buildFreshGame(state.get());
    state->soundOn = !options.audioDisabled;
    undo->adopt(state.get());
}

Session::~Session() = default;

bool Session::title()
{
    PortsInUse playing(inPlay);
    out("%s, v%s\n", "Lanternmoor", GAME_VERSION);
    out("====================================\n");
    out("1. Begin a new journey\n");
    out("2. Continue where you left off\n");
    out("3. Quit\n");
    char answer[LINE_SIZE];
    readAnswer(inPlay.lines, answer, sizeof answer);
    bool quits = true;
    if (answer[0] == '1') {
        beginJourney(inPlay.lines, state.get());
        quits = false;
    } else if (answer[0] == '2') {
        quits = !loadState(state.get());
    }
    // Nothing before the first command can be taken back.
    undo->adopt(state.get());
    return quits;
}

Ending Session::play()
{
    // Nothing to complete at the title menu; the line editor would offer
    // file names.
    frontEnd.lines.offerCompletions(nullptr);
    if (title()) return Ending::Quit;
    keepJourney();
    return playCommands();
}

Ending Session::resume(const GameState& kept)
{
    std::memcpy(static_cast<void*>(state.get()), &kept, sizeof kept);
    undo->adopt(state.get());
    return playCommands();
}

void Session::keepJourney() { frontEnd.saves.keepJourney(bytesOf(*state)); }

Ending Session::playCommands()
{
    frontEnd.lines.offerCompletions([this](const std::string& typed) {
        Completions found = complete(typed);
        return std::make_pair(found.start, std::move(found.words));
    });
    Ending ending = Ending::None;
    while (ending == Ending::None)
        ending = step();
    frontEnd.lines.offerCompletions(nullptr);
    return ending;
}

Completions Session::complete(const std::string& typed) const
{
    return completeInput(state.get(), typed);
}

void Session::remember(const char* line)
{
    // As many as the line editor's own history keeps.
    betweenLines.history.emplace_back(line);
    if (betweenLines.history.size() > HISTORY_KEPT) betweenLines.history.pop_front();
    frontEnd.lines.remember(line);
}

bool Session::readCommandLine(char* line, int size, const Alias*& shorthand)
{
    char raw[LINE_SIZE];
    bool gotLine = readAnswer(inPlay.lines, raw, sizeof raw);
    shorthand = normalizeInput(raw, line, size < LINE_SIZE ? size : LINE_SIZE);
    if (line[0] != '\0' && strcmpi(line, HISTORY_WORD) != 0) remember(line);
    return gotLine;
}

Ending Session::step()
{
    PortsInUse playing(inPlay);
    char line[LINE_SIZE];
    const Alias* shorthand = nullptr;
    if (!readCommandLine(line, sizeof line, shorthand)) {
        // Running out of input ends the game as "quit" does.
        out("\nFarewell, %s!\n", state->player.name);
        betweenLines.transcript.stop();
        return Ending::Quit;
    }
    lineRepeated = false;
    std::size_t revision = undo->revision();
    Ending ending = playLine(line, shorthand);
    // What the line changed can be taken back, under the line that ran.
    if (ending == Ending::None)
        undo->noteLine(state.get(), lineRepeated ? lastCommandLine.c_str() : line);
    if (ending == Ending::None && undo->revision() != revision) keepJourney();
    if (!lineRepeated && hasWord(line)) {
        lastCommandLine = line;
        lastShorthand = shorthand;
    }
    // The transcript ends with the journey, its last words included.
    if (ending != Ending::None) betweenLines.transcript.stop();
    return ending;
}

Ending Session::repeatLastLine()
{
    lineRepeated = true;
    // A copy: the line may be replaced while it runs.
    std::string line = lastCommandLine;
    if (line.empty()) {
        out("There is nothing to repeat.\n");
        return Ending::None;
    }
    return playLine(line.c_str(), lastShorthand);
}

// Runs a row, then lets the turn pass if it takes one.
Ending Session::runCommand(const Command& command, const char* rest)
{
    GameState* record = state.get();
    // "again" and "undo" leave the record as the line they stand for left it.
    if (command.undoRule == UndoRule::Repeats) return repeatLastLine();
    if (command.undoRule == UndoRule::TakesBack) return command.handler(betweenLines, rest);
    Ending ending = command.handler(betweenLines, rest);
    if (ending != Ending::None) return ending;
    record->turnTaken = command.takesTurn;
    if (command.takesTurn) applyTurnEffects(record, betweenLines.lastNoticeTurn);
    return Ending::None;
}

Ending Session::playLine(const char* line, const Alias* shorthand)
{
    char verb[VERB_SIZE] = "";
    char rest[REST_SIZE] = "";
    splitLine(line, verb, rest);
    if (verb[0] == '\0') return Ending::None;
    char word[VERB_SIZE];
    char lowerRest[REST_SIZE];
    toLowerCase(verb, word, sizeof word);
    toLowerCase(rest, lowerRest, sizeof lowerRest);
    if (isBadWord(word, lowerRest)) {
        out("Now, now. Watch your language.\n");
        return Ending::None;
    }
    if (const SpecialWord* special = findSpecialWord(state.get(), verb, word, shorthand)) {
        if (special->reply) out("%s", special->reply);
        return special->action ? special->action(betweenLines) : Ending::None;
    }

    int index = findLowerCaseCommand(word);
    if (index < 0) {
        out("Invalid command!\n");
        return Ending::None;
    }
    const Command& command = commands[static_cast<std::size_t>(index)];
    if (command.needsLight && !checkAreaLit(state.get())) {
        out("It's too dark to do that!\n");
        return Ending::None;
    }
    return runCommand(command, rest);
}
