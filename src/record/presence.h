// Who is where. Character slot 0 is a blank record standing in the village:
// it is never a character, so every walk over the cast starts at slot 1.
#pragma once

#include <span>

#include "gameState.h"

constexpr int FIRST_CHARACTER = 1;

inline std::span<Character> cast(GameState* state)
{
    return std::span(state->characters).subspan(FIRST_CHARACTER);
}

inline std::span<const Character> cast(const GameState* state)
{
    return std::span(state->characters).subspan(FIRST_CHARACTER);
}

// The first character standing where the player is that passes the test
// (the living and the dead alike), or nullptr.
template <typename State, typename Test>
auto findCharacterHere(State* state, Test test) -> decltype(cast(state).data())
{
    for (auto& character : cast(state))
        if (character.locationId == state->player.locationId && test(character)) return &character;
    return nullptr;
}

// Every character standing where the player is, in slot order.
template <typename State, typename Visit> void forEachCharacterHere(State* state, Visit visit)
{
    for (auto& character : cast(state))
        if (character.locationId == state->player.locationId) visit(character);
}

// The slot of a character of the record.
inline int slotOf(const GameState* state, const Character& character)
{
    return static_cast<int>(&character - state->characters);
}
