// The six ways out of a place, by the words the player uses for them.
#pragma once

#include "text.h"
#include "vocabulary.h"

// The way a word names, or -1.
inline int directionIndex(const char* word)
{
    for (int dir = 0; dir < NUM_DIRECTIONS; ++dir)
        if (strcmpi(word, vocabulary::DIRECTIONS[dir]) == 0) return dir;
    return -1;
}
