#include "commandTable.h"

#include <cstring>

#include "audio.h"
#include "game.h"
#include "text.h"

const Alias aliases[NUM_ALIASES] = {
    {"look", "look around"}, {"north", "go north"}, {"south", "go south"}, {"east", "go east"},
    {"west", "go west"},     {"up", "go up"},       {"down", "go down"},   {"n", "go north"},
    {"s", "go south"},       {"e", "go east"},      {"w", "go west"},      {"u", "go up"},
    {"d", "go down"},        {"inv", "inventory"},  {"cls", "clear"},      {"h", "help"},
};

// verb, handler, needs light, takes a turn, what it does to the record
const Command commands[NUM_COMMANDS] = {
    {"go", goHandler, false, true},
    {"get", getHandler, true, true},
    {"take", getHandler, true, true},
    {"look", lookHandler, false, true},
    {"use", useHandler, false, true},
    {"drop", dropHandler, true, true},
    {"talk", talkHandler, true, true},
    {"speak", talkHandler, true, true},
    {"give", giveHandler, true, true},
    {"equip", equipHandler, true, true},
    {"remove", removeHandler, true, true},
    {"unequip", removeHandler, true, true},
    {"attack", attackHandler, true, true},
    {"harm", attackHandler, true, true},
    {"kill", attackHandler, true, true},
    {"wait", waitHandler, true, true},
    {"sound", soundHandler, false, false, RecordUse::Changes},
    {"clear", clearHandler, false, false},
    {"help", helpHandler, false, false},
    {"stats", statsHandler, false, false},
    {"inventory", inventoryHandler, false, false},
    {"time", timeHandler, false, false},
    {"save", saveHandler, false, false},
    {"load", loadHandler, false, false, RecordUse::Replaces},
    {"hug", hugHandler, true, true},
    {"listen", listenHandler, true, true},
    {"undo", undoHandler, false, false, RecordUse::Steers},
    {"again", againHandler, false, false, RecordUse::Steers},
    {"g", againHandler, false, false, RecordUse::Steers},
    {"saves", savesHandler, false, false},
};

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
