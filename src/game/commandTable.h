// The words the game understands: aliases, commands and words it won't have.
#pragma once

#include "gameState.h"

struct Alias {
    const char* input;
    const char* expansion;
};

using CommandHandler = void (*)(GameState* state, const char* noun);

struct Command {
    const char* verb;
    CommandHandler handler;
    bool needsLight;
    bool takesTurn;
};

constexpr int NUM_ALIASES = 16;
constexpr int NUM_COMMANDS = 26;

extern const Alias aliases[NUM_ALIASES];
extern const Command commands[NUM_COMMANDS];
extern const char* const badWords[]; // ends with nullptr

// Index of the first command whose verb matches, ignoring case, or -1.
int findCommandIndex(const char* verb);
