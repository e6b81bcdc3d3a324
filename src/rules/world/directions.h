// The six ways out of a place, by the words the player uses for them.
#pragma once

#include "gameState.h"
#include "text.h"

// In the order of a place's exits.
constexpr const char* DIRECTION_WORDS[NUM_DIRECTIONS] = {"north", "south", "east",
                                                         "west",  "up",    "down"};

// The way a word names, or -1.
inline int directionIndex(const char* word)
{
    for (int dir = 0; dir < NUM_DIRECTIONS; ++dir)
        if (strcmpi(word, DIRECTION_WORDS[dir]) == 0) return dir;
    return -1;
}
