// The words the game reads, other than its verbs (the command table holds
// those): the nouns a command takes, the answers its questions take, and the
// words it will not hear. The rules compare typed words with these lists and
// completion offers from them, so a new word is one entry here.
#pragma once

#include "gameState.h"
#include "text.h"

namespace vocabulary {

// The ways out of a place, in the order of a place's exits.
inline constexpr const char* DIRECTIONS[NUM_DIRECTIONS] = {"north", "south", "east",
                                                           "west",  "up",    "down"};

// What "look" takes besides things and characters.
inline constexpr const char* AROUND[] = {"around"};

// What "get" takes besides the name of the thing lying here.
inline constexpr const char* LYING_ITEM[] = {"item"};
inline constexpr const char* GOLD[] = {"gold"};
inline constexpr const char* ITEM_AND_GOLD[] = {"all", "both"};

// Who "talk" cannot reach; and who the player means by these.
inline constexpr const char* GRUE[] = {"grue"};
inline constexpr const char* TALKING_TO_ONESELF[] = {"self"};
inline constexpr const char* ONESELF[] = {"self", "myself", "yourself"};
inline constexpr const char* NARRATOR[] = {"narrator"};

// What "sound" takes.
inline constexpr const char* ON[] = {"on"};
inline constexpr const char* OFF[] = {"off"};

// The answers to "are you a man or a woman?"; anything else walks between.
inline constexpr const char* MAN[] = {"man", "male", "m", "boy"};
inline constexpr const char* WOMAN[] = {"woman", "female", "w", "f", "girl"};

// Attacking someone who is not hostile anyway.
inline constexpr const char* YES[] = {"yes", "y"};

// A shop's menu, a ware refused, and the shop left.
inline constexpr const char* BUYING[] = {"buying", "buy"};
inline constexpr const char* SELLING[] = {"selling", "sell"};
inline constexpr const char* LOOKING[] = {"looking", "look", "examine"};
inline constexpr const char* LOTTERY[] = {"lottery", "lotto"};
inline constexpr const char* NOTHING_WANTED[] = {"nothing", "none", "nowt"};
inline constexpr const char* LEAVING_SHOP[] = {"no", "nope", "none", "nothing"};

// Words that stop a line whether they come first or as the rest of it.
inline constexpr const char* BAD_WORDS[] = {
    "damn",   "shit", "fuck", "bastard",  "ass",  "crap",  "hell",   "dick",   "piss",
    "bugger", "arse", "twat", "bollocks", "cunt", "bitch", "faggot", "retard",
};

} // namespace vocabulary
