#include "recordLimits.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

struct Range {
    int32_t lowest;
    int32_t highest;

    bool holds(int32_t number) const { return number >= lowest && number <= highest; }
    bool holdsAll(std::initializer_list<int32_t> numbers) const
    {
        return std::all_of(std::begin(numbers), std::end(numbers),
                           [this](int32_t n) { return holds(n); });
    }
    int32_t clamp(int64_t number) const
    {
        return static_cast<int32_t>(std::clamp<int64_t>(number, lowest, highest));
    }
};

constexpr Range ANY_NUMBER{-LARGEST_NUMBER, LARGEST_NUMBER};
constexpr Range PART{-LARGEST_PART, LARGEST_PART};
// Money and the clock never run below zero.
constexpr Range COUNT{0, LARGEST_NUMBER};

bool itemInRange(const Item& item)
{
    return ANY_NUMBER.holdsAll({item.type, item.subtype, item.durability, item.maxDurability}) &&
           PART.holds(item.power) && COUNT.holds(item.price);
}

bool characterInRange(const Character& character)
{
    return std::all_of(std::begin(character.inventory), std::end(character.inventory),
                       itemInRange) &&
           ANY_NUMBER.holdsAll({character.sex, character.maxHp, character.hp, character.atk,
                                character.def, character.kind, character.favouriteItemId,
                                character.cooldown}) &&
           PART.holdsAll(
               {character.baseMaxHp, character.baseAtk, character.baseDef, character.trust}) &&
           COUNT.holds(character.gold);
}

// Locks and key numbers are only ever compared, so any value is harmless.
bool locationInRange(const Location& location)
{
    return itemInRange(location.item) && COUNT.holds(location.gold);
}

} // namespace

bool numbersInRange(const GameState* state)
{
    return std::all_of(std::begin(state->locations), std::end(state->locations), locationInRange) &&
           std::all_of(std::begin(state->items), std::end(state->items), itemInRange) &&
           std::all_of(std::begin(state->characters), std::end(state->characters),
                       characterInRange) &&
           characterInRange(state->player) && COUNT.holds(state->minutesPassed) &&
           ANY_NUMBER.holdsAll({state->lightTurns, state->faeState});
}

int32_t boundedSum(int32_t value, int32_t amount)
{
    return ANY_NUMBER.clamp(int64_t{value} + amount);
}

void addGold(int32_t& gold, int32_t amount) { gold = COUNT.clamp(int64_t{gold} + amount); }

void changeTrust(Character* character, int32_t amount)
{
    character->trust = PART.clamp(int64_t{character->trust} + amount);
}
