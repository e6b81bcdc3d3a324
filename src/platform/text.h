// Small console and text helpers shared by every area of the game.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "gameState.h"

// Reads one line with the "--> " prompt into buf (at most size-1 characters,
// always terminated). False at end of input, when buf is left empty.
bool getInput(char* buf, int size);

// Case-insensitive comparison; 0 when equal.
int strcmpi(const char* a, const char* b);

// Copies text in lower case into a buffer of `size` bytes, cut to fit. Typed
// words are lowered once and then compared with the game's lower-case words.
void toLowerCase(const char* text, char* into, std::size_t size);

// True when the word equals one of the words, ignoring case.
bool isOneOf(const char* word, std::initializer_list<const char*> words);

// "self", "myself" or "yourself": the player means themselves.
bool meansSelf(const char* noun);

// The size of every answer typed in a conversation or menu.
constexpr int ANSWER_SIZE = 100;

// The typed noun; or, when none was typed, asks the question and returns
// the answer read into `answer`.
const char* nounOrAnswer(const char* noun, const char* question, char (&answer)[ANSWER_SIZE]);

// Prints text preceded by "a " or "an " (no newline).
void caseComparison(const char* text);

void clearScreen();

// Copies text into a fixed field, cutting it to fit and always terminating.
void copyText(char* field, int width, const char* text);

// The name of a location by id, or "Unknown".
const char* getLocationNameByID(int id);

// 0 the surroundings, 1 a character (or anything unknown), 2 an item.
int getLookAction(const GameState* state, const char* noun);

// Standing titles and colours.
const char* getAlignment(int standing);
const char* getAlignmentColor(int standing);

// Keeps hp within 1..maxHp.
void hpBounds(Entity* entity);

// Prints "his", "her" or "their".
void getPronouns(int sex);

// True for the two afterlife places, where nothing may be used or dropped.
bool isAfterlife(int locationId);

// Standing bands of conversation.
enum StandingBand { BAND_BAD, BAND_NEUTRAL, BAND_GOOD };
StandingBand standingBand(int standing);
