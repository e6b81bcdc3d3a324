// The title menu and the command loop.
#pragma once

#include "ending.h"
#include "gameState.h"

// The title menu; true when the program is to end without playing.
bool startGame(GameState* state);
// The title menu, then one command per line until the journey ends.
Ending gameLoop(GameState* state);
// Reads and runs one command; anything but Ending::None ends the game.
Ending handleCommand(GameState* state);

// Reads one line and splits it into verb and rest; true when there is a verb.
// Sets *endOfInput when no line could be read.
bool getNormalizedCommand(char* verb, char* rest, int size, bool* endOfInput);
void normalizeInput(const char* raw, char* normalized, int size);

// Reads one line, expanded and remembered in the history; false at end of input.
bool readCommandLine(char* line, int size);
// Runs one command line as typed (no history).
Ending runCommandLine(GameState* state, const char* line);
