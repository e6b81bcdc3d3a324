// Saved games: the whole record, gzip-compressed, one file per name.
#pragma once

#include <string>
#include <vector>

#include "gameState.h"

void saveState(const GameState* state);
bool loadState(GameState* state);

void sanitizeFilename(char* name);
bool fileExists(const char* path);

// True when the name prompt turns this very name into the file's.
bool saveNameCanBeTyped(const std::string& name);
// The names of the saves whose name starts with what was typed at a name
// prompt (cleaned as the prompt cleans it), in alphabetical order.
std::vector<std::string> saveNamesStartingWith(const std::string& typed);

// Writes the record to path through a temporary file renamed into place, so
// an interrupted save never destroys the previous one. On failure errno
// tells why.
enum class SaveResult { Saved, OpenFailed, WriteFailed };
SaveResult writeSaveFile(const char* path, const GameState* state);

enum class LoadResult { Loaded, NotFound, Corrupted };
// Reads and checks a save without touching any running game.
LoadResult readSaveFile(const char* path, GameState* into);

// True when every index, text, flag and number of the record is safe to use:
// what a save must hold to be loaded, and what play keeps true.
bool isSoundGameState(const GameState* state);
