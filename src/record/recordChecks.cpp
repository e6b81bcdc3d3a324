#include "recordChecks.h"

#include <cstring>

#include "characterSheet.h"
#include "recordLimits.h"

namespace {

// A text must end inside its field and hold nothing a terminal would act on
// (control characters, the C1 ones written as UTF-8 included): none of the
// game's own texts has one before its end.
bool textIsValid(const char* field, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i) {
        auto byte = static_cast<unsigned char>(field[i]);
        if (byte == '\0') return true;
        if (byte < 0x20 || byte == 0x7f) return false;
        auto next = i + 1 < width ? static_cast<unsigned char>(field[i + 1]) : 0;
        if (byte == 0xc2 && next >= 0x80 && next < 0xa0) return false;
    }
    return false;
}

bool flagIsValid(const bool& flag)
{
    unsigned char byte;
    std::memcpy(&byte, &flag, 1);
    return byte <= 1;
}

bool itemIsValid(const Item& item)
{
    return textIsValid(item.name, sizeof item.name) &&
           textIsValid(item.description, sizeof item.description) &&
           flagIsValid(item.unbreakable) && item.id >= 0 && item.id < NUM_ITEMS;
}

bool locationIdIsValid(int id, bool mayBeNowhere)
{
    return (id >= 0 && id < NUM_LOCATIONS) || (mayBeNowhere && id == -1);
}

bool characterIsValid(const Character& character, bool isPlayer)
{
    for (const Item& item : character.inventory)
        if (!itemIsValid(item)) return false;
    return textIsValid(character.name, sizeof character.name) &&
           textIsValid(character.species, sizeof character.species) &&
           textIsValid(character.description, sizeof character.description) &&
           textIsValid(character.dialogueGood, sizeof character.dialogueGood) &&
           textIsValid(character.dialogueNeutral, sizeof character.dialogueNeutral) &&
           textIsValid(character.dialogueBad, sizeof character.dialogueBad) &&
           flagIsValid(character.hostile) && flagIsValid(character.alive) &&
           flagIsValid(character.huggable) && locationIdIsValid(character.locationId, !isPlayer);
}

bool locationIsValid(const Location& location, int index)
{
    if (location.id != index || !itemIsValid(location.item)) return false;
    for (int exit : location.exits)
        if (exit != -1 && !locationIdIsValid(exit, false)) return false;
    return textIsValid(location.name, sizeof location.name) &&
           textIsValid(location.description, sizeof location.description) &&
           flagIsValid(location.isDark) && flagIsValid(location.isLit);
}

} // namespace

bool isValidRecord(const GameState* state)
{
    for (int i = 0; i < NUM_LOCATIONS; ++i)
        if (!locationIsValid(state->locations[i], i)) return false;
    for (int i = 0; i < NUM_ITEMS; ++i)
        if (state->items[i].id != i || !itemIsValid(state->items[i])) return false;
    for (int i = 0; i < NUM_CHARACTERS; ++i)
        if (state->characters[i].id != i || !characterIsValid(state->characters[i], false))
            return false;
    if (state->player.id != 0 || !characterIsValid(state->player, true)) return false;
    if (!numbersInRange(state)) return false;
    // Flags are read only once they are known to hold a bool.
    if (!flagIsValid(state->turnTaken) || !flagIsValid(state->blackQueenSlain) ||
        !flagIsValid(state->soundOn) || !flagIsValid(state->starGiftFallen))
        return false;
    // Hit points are kept between 1 and the maximum, so the maximum must be
    // at least 1 once the worn accessory is counted.
    Character player = state->player;
    recalculateStats(&player);
    // Every turn ends with them there, so a record saved after one has them so.
    const Character& saved = state->player;
    bool keptAfterTurn = !state->turnTaken || (saved.hp >= 1 && saved.hp <= saved.maxHp);
    return player.maxHp >= 1 && keptAfterTurn;
}

bool recordFromBytes(std::string_view bytes, GameState* into)
{
    if (bytes.size() != sizeof *into) return false;
    std::memcpy(static_cast<void*>(into), bytes.data(), sizeof *into);
    return isValidRecord(into);
}

std::string_view bytesOf(const GameState& record)
{
    return {reinterpret_cast<const char*>(&record), sizeof record};
}
