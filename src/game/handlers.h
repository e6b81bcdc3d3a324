// What the commands and special words do, where it is not a rule's own
// function.
#pragma once

#include "ending.h"
#include "gameState.h"

struct SessionState;

// ---- Special words ----
Ending quitGame(SessionState& session);
Ending showCommandHistory(SessionState& session);
Ending answerPrayer(SessionState& session);

// ---- Commands: the game state and the rest of the typed line ----
void getHandler(GameState* state, const char* noun);
void lookHandler(GameState* state, const char* noun);
void examineHandler(GameState* state, const char* noun);
void shortLookHandler(GameState* state, const char* noun);
void talkHandler(GameState* state, const char* noun);
void waitHandler(GameState* state, const char* noun);
void soundHandler(SessionState& session, const char* noun);
void clearHandler(GameState* state, const char* noun);
void statsHandler(GameState* state, const char* noun);
void inventoryHandler(GameState* state, const char* noun);
void timeHandler(GameState* state, const char* noun);
void saveHandler(GameState* state, const char* noun);
void loadHandler(GameState* state, const char* noun);
void listenHandler(GameState* state, const char* noun);
void undoHandler(SessionState& session, const char* noun);
void savesHandler(GameState* state, const char* noun);
void scriptHandler(SessionState& session, const char* noun);
void unscriptHandler(SessionState& session, const char* noun);
