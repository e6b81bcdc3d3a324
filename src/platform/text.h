// Small text helpers: comparing words, filling fixed fields, articles.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// A list of words the game reads, in lower case.
using WordList = std::span<const char* const>;

// Case-insensitive comparison; 0 when equal.
int strcmpi(const char* a, const char* b);

// How many of the text's first bytes fit in `budget` bytes without cutting a
// letter written in UTF-8 in two: every text the game shortens is cut so.
// Plain ASCII is cut at the budget itself.
std::size_t wholeCharactersWithin(std::string_view text, std::size_t budget);

// Copies text in lower case into a buffer of `size` bytes, cut to fit. Typed
// words are lowered once and then compared with the game's lower-case words.
void toLowerCase(const char* text, char* into, std::size_t size);

// True when the word equals one of the words, ignoring case.
bool isOneOf(const char* word, WordList words);

// Prints text preceded by "a " or "an " (no newline).
void printWithArticle(const char* text);

// Drops, in place, what a terminal would obey rather than show: control
// characters, the C1 ones written as UTF-8 included.
void keepPrintable(char* text);

// Copies text into a fixed field, cutting it to fit and always terminating.
void copyText(char* field, int width, const char* text);
