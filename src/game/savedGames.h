// Saving, loading and listing games as the player does it: asking for a
// name, answering, and reaching the session's save storage.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "gameState.h"

// Asks for a name and saves the record under it (asking before it replaces
// an existing save).
void saveState(const GameState* state);
// Asks for a name and loads that save into the record; true when loaded. A
// refused save leaves the record untouched.
bool loadState(GameState* state);
// Lists the saves, newest first: the name to type at the load prompt, where
// that game stands and when it was written. One the loader would refuse is
// listed as damaged.
void listSaves();

// The saves whose names could be typed at the load prompt and begin with
// `typed` as the prompt cleans it, in order (Tab at the save prompts).
std::vector<std::string> saveNamesStartingWith(const std::string& typed);

// Makes a typed name safe as a file name: anything but ASCII letters,
// digits, '-', '_' and '.' becomes '_'.
void sanitizeFilename(char* name);

// A save's name is at most this long; a longer one typed is cut to it.
constexpr std::size_t LONGEST_SAVE_NAME = 240;

// The name the save and load prompts make of a typed line: cut to fit and
// cleaned.
std::string saveNameFor(const std::string& typed);

// Who the journey's wanderer is, where they stand and how long they have
// played, in the words of the list of saves.
std::string describeJourney(const GameState& record);
