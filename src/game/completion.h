// Tab completion at the command prompt: what makes sense where the player stands.
#pragma once

#include <string>
#include <vector>

#include "gameState.h"

// The words that could finish the command typed so far: verbs for the first
// word, then nouns that fit the verb (directions, items, characters).
struct Completions {
    std::size_t start = 0;          // where the word being completed begins
    std::vector<std::string> words; // each a whole verb or a whole noun
};
Completions completeInput(const GameState* state, const std::string& typed);
