#include "commandTable.h"

#include <cstring>
#include <string_view>

#include "carriedItems.h"
#include "fight.h"
#include "gifts.h"
#include "handlers.h"
#include "hugs.h"
#include "itemsInUse.h"
#include "portsInUse.h"
#include "sessionState.h"
#include "text.h"
#include "travel.h"
#include "vocabulary.h"

namespace {

constexpr bool sameWord(const char* a, const char* b)
{
    return std::string_view(a) == std::string_view(b);
}

// The help screen: the rows' help lines in order, then the shorthands.
void drawHelp()
{
    out("Commands are:\n");
    for (const Command& command : commands) {
        if (command.help == nullptr) continue;
        out("%s", command.help);
        for (const SpecialWord& special : specialWords)
            if (special.help != nullptr && sameWord(special.helpFollows, command.words[0]))
                out("%s", special.help);
    }
    out("(Shorthands are: ");
    const char* separator = "";
    for (const Alias& alias : aliases) {
        if (!alias.shorthand) continue;
        out("%s%s", separator, alias.input.c_str());
        separator = ", ";
    }
    out(")\n");
    out("(If you're feeling adventurous, try a few...magic words)\n");
}

// The help screen lists the table it belongs to.
void showHelp(GameState*, const char*) { drawHelp(); }

// A rule that never ends the journey, as a handler.
template <void (*rule)(GameState*, const char*)>
Ending goesOn(SessionState& session, const char* noun)
{
    rule(&session.record, noun);
    return Ending::None;
}

// A rule that may end the journey, as a handler.
template <Ending (*rule)(GameState*, const char*)>
Ending mayEnd(SessionState& session, const char* noun)
{
    return rule(&session.record, noun);
}

// A command of the session's own, which never ends the journey.
template <void (*command)(SessionState&, const char*)>
Ending ofSession(SessionState& session, const char* noun)
{
    command(session, noun);
    return Ending::None;
}

} // namespace

// The rows with help lines come in the order the help screen lists them.
constexpr Command COMMAND_ROWS[] = {
    {.words = {"go"},
     .handler = goesOn<goDirection>,
     .takesTurn = true,
     .noun = NounKind::Direction,
     .help = "go [direction]\tMove to a new location (.e.g. go north)\n"},
    {.words = {"look"},
     .handler = goesOn<lookHandler>,
     .takesTurn = true,
     .noun = NounKind::AnythingInView,
     .help = "look\t\tExamine your surroundings\nlook [noun]\tExamine a specific thing\n"},
    {.words = {"talk", "speak"},
     .handler = goesOn<talkHandler>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::CharacterHere,
     .help = "talk [npc]\tSpeak to an NPC\n"},
    {.words = {"get", "take"},
     .handler = goesOn<getHandler>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::ItemHere,
     .help = "get [item]\tPick up an item\n"},
    {.words = {"use"},
     .handler = goesOn<useItem>,
     .takesTurn = true,
     .noun = NounKind::ItemCarried,
     .help = "use [item]\tUse an item\n"},
    {.words = {"drop"},
     .handler = goesOn<dropItem>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::ItemCarried,
     .help = "drop [item]\tDrop an item\n"},
    {.words = {"give"},
     .handler = mayEnd<giveItem>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::ItemCarried,
     .help = "give [item]\tOffer an item to an NPC\n"},
    {.words = {"equip"},
     .handler = goesOn<equipItem>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::ItemCarried,
     .help = "equip [item]\tEquip a piece of equipment\n"},
    {.words = {"remove", "unequip"},
     .handler = goesOn<removeItem>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::ItemWorn,
     .help = "remove [item]\tRemove a piece of equipment\n"},
    {.words = {"attack", "harm", "kill"},
     .handler = mayEnd<attackCharacter>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::CharacterHere,
     .help = "attack [target]\tEngage in combat\n"},
    {.words = {"inventory", "i"},
     .handler = goesOn<inventoryHandler>,
     .help = "inventory\tView your inventory\n"},
    {.words = {"stats"},
     .handler = goesOn<statsHandler>,
     .help = "stats\t\tView your status (HP, Gold, etc.)\n"},
    {.words = {"time"},
     .handler = goesOn<timeHandler>,
     .help = "time\t\tView how much time has passed\n"},
    {.words = {"wait"},
     .handler = goesOn<waitHandler>,
     .needsLight = true,
     .takesTurn = true,
     .help = "wait\t\tWait for one minute of game time\n"},
    {.words = {"clear"}, .handler = goesOn<clearHandler>, .help = "clear\t\tClear the screen\n"},
    {.words = {"save"},
     .handler = goesOn<saveHandler>,
     .help = "save\t\tSave the current game to a file\n"},
    {.words = {"load"},
     .handler = goesOn<loadHandler>,
     .help = "load\t\tLoad an existing game from a file\n"},
    {.words = {"sound"},
     .handler = ofSession<soundHandler>,
     .noun = NounKind::OnOff,
     .help = "sound [on/off]\tEnable/disable sound output\n"},
    {.words = {"help"}, .handler = goesOn<showHelp>, .help = "help\t\tPrint this help menu\n"},
    {.words = {"hug"},
     .handler = goesOn<hugCharacter>,
     .needsLight = true,
     .takesTurn = true,
     .noun = NounKind::CharacterHere},
    {.words = {"listen"}, .handler = goesOn<listenHandler>, .needsLight = true, .takesTurn = true},
    {.words = {"undo"}, .handler = ofSession<undoHandler>, .undoRule = UndoRule::TakesBack},
    // The command loop itself runs the last line again.
    {.words = {"again", "g"}, .handler = nullptr, .undoRule = UndoRule::Repeats},
    {.words = {"saves"}, .handler = goesOn<savesHandler>},
    // The words players of such games type without thinking. Rows, not
    // aliases, so that a player named "I" or "L" is still answered by name.
    {.words = {"x", "examine"},
     .handler = goesOn<examineHandler>,
     .takesTurn = true,
     .noun = NounKind::AnythingInView},
    {.words = {"l"},
     .handler = goesOn<shortLookHandler>,
     .takesTurn = true,
     .noun = NounKind::AnythingInView},
    // A transcript is no part of the game record: undo leaves it be.
    {.words = {"script"}, .handler = ofSession<scriptHandler>},
    {.words = {"unscript"}, .handler = ofSession<unscriptHandler>},
};

const std::span<const Command> commands(COMMAND_ROWS);

// clang-format off

// In the order they are tried: quitting comes before everything else. A
// help line is listed after the line of the verb named with it.
constexpr SpecialWord SPECIAL_WORD_ROWS[] = {
    {"quit", nullptr, quitGame, "quit\t\tQuit the game\n", "help"},
    {"exit", nullptr, quitGame},
    {HISTORY_WORD, nullptr, showCommandHistory, "history\t\tDisplay your recent command history\n", "sound"},
    {"xyzzy", "POOF! Nothing happens.\n"},
    {"plugh", "A hollow voice says, \"You can't do that here.\"\n"},
    {"think", "You think...therefore, you are.\n"},
    {"debug", "There are no bugs here, only features.\n"},
    {nullptr, "Yes, that is your name...\n"},
    {"pray", "You close your eyes and say a silent prayer to God.\n", answerPrayer},
    {"sleep", "You can't just go to sleep here!\n"},
    {"dance", "You bust out some questionable moves. Nobody is impressed.\n"},
};

const std::span<const SpecialWord> specialWords(SPECIAL_WORD_ROWS);
// clang-format on

namespace {

std::vector<Alias> makeAliases()
{
    std::vector<Alias> list = {{"look", std::string("look ") + vocabulary::AROUND[0], false}};
    for (const char* word : vocabulary::DIRECTIONS)
        list.push_back({word, std::string("go ") + word, false});
    list.push_back({"inv", "inventory", true});
    list.push_back({"cls", "clear", true});
    // A direction's first letter is enough.
    for (const char* word : vocabulary::DIRECTIONS)
        list.push_back({std::string(1, word[0]), std::string("go ") + word, true});
    list.push_back({"h", "help", true});
    return list;
}

} // namespace

const std::vector<Alias> aliases = makeAliases();

int findCommandIndex(const char* verb)
{
    char lower[TEXT_LEN];
    toLowerCase(verb, lower, sizeof lower);
    return findLowerCaseCommand(lower);
}

int findLowerCaseCommand(const char* verb)
{
    for (std::size_t i = 0; i < commands.size(); ++i)
        for (const char* word : commands[i].words)
            if (word != nullptr && std::strcmp(word, verb) == 0) return static_cast<int>(i);
    return -1;
}

namespace {

// Every help line of a special word follows a verb that has a line of its own.
consteval bool helpLinesFollowVerbs()
{
    for (const SpecialWord& special : SPECIAL_WORD_ROWS) {
        if (special.help == nullptr) continue;
        bool found = false;
        for (const Command& command : COMMAND_ROWS)
            found = found || (command.help != nullptr && special.helpFollows != nullptr &&
                              sameWord(command.words[0], special.helpFollows));
        if (!found) return false;
    }
    return true;
}
static_assert(helpLinesFollowVerbs());

} // namespace
