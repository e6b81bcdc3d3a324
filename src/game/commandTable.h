// The words the game understands. The command table is the one list of what
// the player can type: the command loop, completion and the help screen all
// read it, so a new verb is one row.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "ending.h"
#include "gameState.h"

struct SessionState;
using CommandHandler = Ending (*)(SessionState& session, const char* noun);

// What may follow a verb, for completion.
enum class NounKind {
    None,
    Direction,      // a way out of here
    ItemHere,       // the item lying here, or item, gold, all, both
    ItemCarried,    // a carried item
    ItemWorn,       // a worn item
    CharacterHere,  // a character standing here
    AnythingInView, // around, the item here, carried items, characters here
    OnOff,
};

// What a row's line is to undo. Most lines are a step of their own: the
// command loop notes whether a turn was taken and lets the turn pass. "undo"
// takes the last step back and "again" repeats the last line, under which its
// changes are kept; both leave the record as the line they stand for left it.
enum class UndoRule : unsigned char { Step, TakesBack, Repeats };

// The most words one row answers to: its verb and its synonyms.
constexpr std::size_t MOST_WORDS = 3;

struct Command {
    std::array<const char*, MOST_WORDS> words; // the verb, then its synonyms, in lower case
    CommandHandler handler;
    bool needsLight = false;
    bool takesTurn = false;
    NounKind noun = NounKind::None;
    const char* help = nullptr; // its lines on the help screen, listed in the rows' order
    UndoRule undoRule = UndoRule::Step;
};

// Words answered before the command table. Each prints its reply, if any,
// then runs its action, if any.
struct SpecialWord {
    const char* word; // nullptr: the player's own name
    const char* reply = nullptr;
    Ending (*action)(SessionState& session) = nullptr;
    const char* help = nullptr;
    const char* helpFollows = nullptr; // the verb whose help line this one follows
};

// Not kept in the history it shows.
constexpr const char* HISTORY_WORD = "history";

// A whole line typed that stands for another.
struct Alias {
    std::string input;
    std::string expansion;
    bool shorthand; // listed among the shorthands on the help screen
};

extern const std::span<const Command> commands;
extern const std::span<const SpecialWord> specialWords;
extern const std::vector<Alias> aliases;

// Index of the row one of whose words matches, ignoring case, or -1.
int findCommandIndex(const char* verb);
// The same for a verb already in lower case.
int findLowerCaseCommand(const char* verb);
