#include "commandTable.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "combatFunc.h"
#include "directions.h"
#include "entityFunc.h"
#include "giveFunc.h"
#include "handlers.h"
#include "itemFunc.h"
#include "moveFunc.h"
#include "portsInUse.h"
#include "runTime.h"
#include "text.h"
#include "useFunc.h"

namespace {

// The help screen lists the table it belongs to.
void showHelp(GameState*, const char*) { drawHelp(); }

// A rule that never ends the journey, as a handler.
template <void (*rule)(GameState*, const char*)> Ending goesOn(RunTime& run, const char* noun)
{
    rule(&run.record, noun);
    return Ending::None;
}

// A rule that may end the journey, as a handler.
template <Ending (*rule)(GameState*, const char*)> Ending mayEnd(RunTime& run, const char* noun)
{
    return rule(&run.record, noun);
}

// A command of the session's own, which never ends the journey.
template <void (*command)(RunTime&, const char*)> Ending ofSession(RunTime& run, const char* noun)
{
    command(run, noun);
    return Ending::None;
}

} // namespace

// clang-format off
const Command commands[NUM_COMMANDS] = {
    // verb, handler, needs light, takes a turn, what follows, help, place in help
    {"go", goesOn<goDirection>, false, true, NounKind::Direction,
     "go [direction]\tMove to a new location (.e.g. go north)\n", 1},
    {"get", goesOn<getHandler>, true, true, NounKind::ItemHere, "get [item]\tPick up an item\n", 4},
    {"take", goesOn<getHandler>, true, true, NounKind::ItemHere, nullptr, 0},
    {"look", goesOn<lookHandler>, false, true, NounKind::AnythingInView,
     "look\t\tExamine your surroundings\nlook [noun]\tExamine a specific thing\n", 2},
    {"use", goesOn<useItem>, false, true, NounKind::ItemCarried, "use [item]\tUse an item\n", 5},
    {"drop", goesOn<dropItem>, true, true, NounKind::ItemCarried, "drop [item]\tDrop an item\n", 6},
    {"talk", goesOn<talkHandler>, true, true, NounKind::CharacterHere, "talk [npc]\tSpeak to an NPC\n", 3},
    {"speak", goesOn<talkHandler>, true, true, NounKind::CharacterHere, nullptr, 0},
    {"give", mayEnd<giveItem>, true, true, NounKind::ItemCarried,
     "give [item]\tOffer an item to an NPC\n", 7},
    {"equip", goesOn<equipItem>, true, true, NounKind::ItemCarried,
     "equip [item]\tEquip a piece of equipment\n", 8},
    {"remove", goesOn<removeItem>, true, true, NounKind::ItemWorn,
     "remove [item]\tRemove a piece of equipment\n", 9},
    {"unequip", goesOn<removeItem>, true, true, NounKind::ItemWorn, nullptr, 0},
    {"attack", mayEnd<attackEntity>, true, true, NounKind::CharacterHere,
     "attack [target]\tEngage in combat\n", 10},
    {"harm", mayEnd<attackEntity>, true, true, NounKind::CharacterHere, nullptr, 0},
    {"kill", mayEnd<attackEntity>, true, true, NounKind::CharacterHere, nullptr, 0},
    {"wait", goesOn<waitHandler>, true, true, NounKind::None,
     "wait\t\tWait for one minute of game time\n", 14},
    {"sound", ofSession<soundHandler>, false, false, NounKind::OnOff,
     "sound [on/off]\tEnable/disable sound output\n", 18},
    {"clear", goesOn<clearHandler>, false, false, NounKind::None, "clear\t\tClear the screen\n", 15},
    {"help", goesOn<showHelp>, false, false, NounKind::None, "help\t\tPrint this help menu\n", 20},
    {"stats", goesOn<statsHandler>, false, false, NounKind::None,
     "stats\t\tView your status (HP, Gold, etc.)\n", 12},
    {"inventory", goesOn<inventoryHandler>, false, false, NounKind::None,
     "inventory\tView your inventory\n", 11},
    {"time", goesOn<timeHandler>, false, false, NounKind::None,
     "time\t\tView how much time has passed\n", 13},
    {"save", goesOn<saveHandler>, false, false, NounKind::None,
     "save\t\tSave the current game to a file\n", 16},
    {"load", ofSession<loadHandler>, false, false, NounKind::None,
     "load\t\tLoad an existing game from a file\n", 17},
    {"hug", goesOn<hugEntity>, true, true, NounKind::CharacterHere, nullptr, 0},
    {"listen", goesOn<listenHandler>, true, true, NounKind::None, nullptr, 0},
    {"undo", ofSession<undoHandler>, false, false, NounKind::None, nullptr, 0, RecordUse::TakesBack},
    // The command loop itself runs the last line again.
    {"again", nullptr, false, false, NounKind::None, nullptr, 0, RecordUse::Repeats},
    {"g", nullptr, false, false, NounKind::None, nullptr, 0, RecordUse::Repeats},
    {"saves", goesOn<savesHandler>, false, false, NounKind::None, nullptr, 0},
    // The words players of such games type without thinking. Rows, not
    // aliases, so that a player named "I" or "L" is still answered by name.
    {"x", goesOn<examineHandler>, false, true, NounKind::AnythingInView, nullptr, 0},
    {"examine", goesOn<examineHandler>, false, true, NounKind::AnythingInView, nullptr, 0},
    {"i", goesOn<inventoryHandler>, false, false, NounKind::None, nullptr, 0},
    {"l", goesOn<shortLookHandler>, false, true, NounKind::AnythingInView, nullptr, 0},
    // A transcript is no part of the game record: undo leaves it be.
    {"script", ofSession<scriptHandler>, false, false, NounKind::None, nullptr, 0},
    {"unscript", ofSession<unscriptHandler>, false, false, NounKind::None, nullptr, 0},
};

// In the order they are tried: quitting comes before everything else.
const SpecialWord specialWords[NUM_SPECIAL_WORDS] = {
    {"quit", nullptr, quitGame, "quit\t\tQuit the game\n", 21},
    {"exit", nullptr, quitGame, nullptr, 0},
    {"history", nullptr, showCommandHistory, "history\t\tDisplay your recent command history\n", 19},
    {"xyzzy", "POOF! Nothing happens.\n", nullptr, nullptr, 0},
    {"plugh", "A hollow voice says, \"You can't do that here.\"\n", nullptr, nullptr, 0},
    {"think", "You think...therefore, you are.\n", nullptr, nullptr, 0},
    {"debug", "There are no bugs here, only features.\n", nullptr, nullptr, 0},
    {nullptr, "Yes, that is your name...\n", nullptr, nullptr, 0},
    {"pray", "You close your eyes and say a silent prayer to God.\n", answerPrayer, nullptr, 0},
    {"sleep", "You can't just go to sleep here!\n", nullptr, nullptr, 0},
    {"dance", "You bust out some questionable moves. Nobody is impressed.\n", nullptr, nullptr, 0},
};
// clang-format on

namespace {

std::vector<Alias> makeAliases()
{
    std::vector<Alias> list = {{"look", "look around", false}};
    for (const char* word : DIRECTION_WORDS)
        list.push_back({word, std::string("go ") + word, false});
    list.push_back({"inv", "inventory", true});
    list.push_back({"cls", "clear", true});
    // A direction's first letter is enough.
    for (const char* word : DIRECTION_WORDS)
        list.push_back({std::string(1, word[0]), std::string("go ") + word, true});
    list.push_back({"h", "help", true});
    return list;
}

} // namespace

const std::vector<Alias> aliases = makeAliases();

const char* const badWords[] = {
    "damn",   "shit", "fuck", "bastard",  "ass",  "crap",  "hell",   "dick",   "piss",
    "bugger", "arse", "twat", "bollocks", "cunt", "bitch", "faggot", "retard", nullptr,
};

int findCommandIndex(const char* verb)
{
    char lower[TEXT_LEN];
    toLowerCase(verb, lower, sizeof lower);
    return findLowerCaseCommand(lower);
}

int findLowerCaseCommand(const char* verb)
{
    for (int i = 0; i < NUM_COMMANDS; ++i)
        if (std::strcmp(commands[i].verb, verb) == 0) return i;
    return -1;
}

void drawHelp()
{
    // The lines of the commands and special words that have one, in their places.
    std::vector<std::pair<int, const char*>> lines;
    for (const Command& command : commands)
        if (command.help) lines.emplace_back(command.helpPlace, command.help);
    for (const SpecialWord& special : specialWords)
        if (special.help) lines.emplace_back(special.helpPlace, special.help);
    std::sort(lines.begin(), lines.end());

    out("Commands are:\n");
    for (const auto& line : lines)
        out("%s", line.second);
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
