// The title menu, the command loop and the command handlers.
#pragma once

#include "gameState.h"

// The title menu; true when the program is to end without playing.
bool startGame(GameState* state);
// The title menu, then one command per line until the player quits.
void gameLoop(GameState* state);
// Reads and runs one command; true when the game is to end.
bool handleCommand(GameState* state);

// Reads one line, expanded and remembered in the history; false at end of input.
bool readCommandLine(char* line, int size);
// Runs one command line as typed (no history); true when the game is to end.
bool runCommandLine(GameState* state, const char* line);
// Forgets the line "again" would repeat.
void forgetLastCommandLine();

// Reads one line and splits it into verb and rest; true when there is a verb.
// Sets *endOfInput when no line could be read.
bool getNormalizedCommand(char* verb, char* rest, int size, bool* endOfInput);
void normalizeInput(const char* raw, char* normalized, int size);
void showCommandHistory();

// Some endings close the game at once, in the middle of a command (the soul
// shattering, the farewell at the garden statue). They ask for it here and
// the command loop stops before anything else happens.
void requestProgramEnd();
bool programEndRequested();
void resetProgramEnd();

// ---- Handlers: the game state and the rest of the typed line ----
void goHandler(GameState* state, const char* noun);
void getHandler(GameState* state, const char* noun);
void lookHandler(GameState* state, const char* noun);
void useHandler(GameState* state, const char* noun);
void dropHandler(GameState* state, const char* noun);
void talkHandler(GameState* state, const char* noun);
void giveHandler(GameState* state, const char* noun);
void equipHandler(GameState* state, const char* noun);
void removeHandler(GameState* state, const char* noun);
void attackHandler(GameState* state, const char* noun);
void waitHandler(GameState* state, const char* noun);
void clearHandler(GameState* state, const char* noun);
void helpHandler(GameState* state, const char* noun);
void statsHandler(GameState* state, const char* noun);
void inventoryHandler(GameState* state, const char* noun);
void timeHandler(GameState* state, const char* noun);
void saveHandler(GameState* state, const char* noun);
void loadHandler(GameState* state, const char* noun);
void hugHandler(GameState* state, const char* noun);
void listenHandler(GameState* state, const char* noun);
void undoHandler(GameState* state, const char* noun);
void againHandler(GameState* state, const char* noun);
void savesHandler(GameState* state, const char* noun);
