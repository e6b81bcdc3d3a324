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

bool entityInRange(const Entity& entity)
{
    return std::all_of(std::begin(entity.inventory), std::end(entity.inventory), itemInRange) &&
           ANY_NUMBER.holdsAll({entity.sex, entity.maxHp, entity.hp, entity.atk, entity.def,
                                entity.kind, entity.favouriteItemId, entity.cooldown}) &&
           PART.holdsAll({entity.baseMaxHp, entity.baseAtk, entity.baseDef, entity.trust}) &&
           COUNT.holds(entity.gold);
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
           std::all_of(std::begin(state->entities), std::end(state->entities), entityInRange) &&
           entityInRange(state->player) && COUNT.holds(state->minutesPassed) &&
           ANY_NUMBER.holdsAll({state->lightTurns, state->faeState});
}

int32_t boundedSum(int32_t value, int32_t amount)
{
    return ANY_NUMBER.clamp(int64_t{value} + amount);
}

void addGold(int32_t& gold, int32_t amount) { gold = COUNT.clamp(int64_t{gold} + amount); }

void changeTrust(Entity* entity, int32_t amount)
{
    entity->trust = PART.clamp(int64_t{entity->trust} + amount);
}
