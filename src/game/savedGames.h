// Saving, loading and listing games as the player does it: asking for a
// name, answering, and reaching the session's save storage.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "gameState.h"
#include "ports.h"

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

// No save file is larger: the record stored uncompressed, with room to
// spare for any gzip framing. A larger one is not even read.
inline constexpr std::size_t LARGEST_SAVE_FILE = std::size_t{1} << 24;

// Takes a save file's bytes into `into` when they are a save the game
// loads: the record as it stands, or gzip data (members back to back,
// nothing after the last) holding exactly the record, which the loader
// accepts. `storage` unpacks; false (and `into` left unspecified) otherwise.
bool recordFromSaveFile(std::string_view stored, SaveStorage& storage, GameState* into);

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
