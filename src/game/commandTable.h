// The words the game understands: aliases, commands and words it won't have.
#pragma once

#include "gameState.h"

struct Alias {
    const char* input;
    const char* expansion;
};

using CommandHandler = void (*)(GameState* state, const char* noun);

// What a command that takes no turn does to the record, so that it can be
// taken back: most only read it; a few may change it (a load cannot be
// played again, as its file may change); "again" and "undo" steer the loop.
enum class RecordUse : unsigned char { Reads, Changes, Replaces, Steers };

struct Command {
    const char* verb; // in lower case
    CommandHandler handler;
    bool needsLight;
    bool takesTurn;
    RecordUse record = RecordUse::Reads;
};

constexpr int NUM_ALIASES = 16;
constexpr int NUM_COMMANDS = 30;

extern const Alias aliases[NUM_ALIASES];
extern const Command commands[NUM_COMMANDS];
extern const char* const badWords[]; // ends with nullptr

// Index of the first command whose verb matches, ignoring case, or -1.
int findCommandIndex(const char* verb);
// The same for a verb already in lower case.
int findLowerCaseCommand(const char* verb);
