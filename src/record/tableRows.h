// Helpers for the constant world tables, all run at compile time: filling the record's
// fixed-size text fields, checking that rows stand in the order of their ids, and comparing
// names the way the player's typed words are compared.
#pragma once

#include <array>
#include <cstddef>

// Copies `text` and its terminator into `field`. Used only in constant tables, where a text
// too long for its field stops the build.
template <std::size_t N> constexpr void setText(char (&field)[N], const char* text)
{
    std::size_t i = 0;
    for (; text[i] != '\0'; ++i)
        field[i] = text[i]; // past the field's end: no constant expression, no build
    field[i] = '\0';
}

// Whether row i carries the id first + i. A row left out leaves a blank row at the end,
// whose id breaks the count.
template <typename Row, std::size_t N> constexpr bool idsCountFrom(int first, const Row (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        if (rows[i].id != first + static_cast<int>(i)) return false;
    return true;
}

// Record i made from row i.
template <typename Record, typename Row, std::size_t N>
constexpr std::array<Record, N> recordsFrom(const Row (&rows)[N], Record (*make)(const Row&))
{
    std::array<Record, N> records{};
    for (std::size_t i = 0; i < N; ++i)
        records[i] = make(rows[i]);
    return records;
}

constexpr char lowerLetter(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether a typed word naming one would name the other too.
constexpr bool sameWord(const char* a, const char* b)
{
    for (; *a != '\0' && lowerLetter(*a) == lowerLetter(*b); ++a, ++b) {
    }
    return lowerLetter(*a) == lowerLetter(*b);
}
