// Prints every field of a freshly built game record, one line per place, item
// and character, with every random draw at 1 (as the test suite builds it).
// The suite pins the record by its checksum; when that check fails, compare
// this dump before and after the change to see which field moved.
#include <iostream>
#include <memory>
#include <string>

#include "gameState.h"
#include "newGame.h"
#include "savesFolder.h"
#include "session.h"
#include "terminalPorts.h"

namespace {

void dumpItem(std::ostream& out, const std::string& where, const Item& item)
{
    out << where << " = " << item.id << " \"" << item.name << "\" type " << item.type << " sub "
        << item.subtype << " power " << item.power << " price " << item.price << " unbreakable "
        << item.unbreakable << " durability " << item.durability << "/" << item.maxDurability
        << " \"" << item.description << "\"\n";
}

void dumpNumbers(std::ostream& out, const char* label, const int32_t (&numbers)[NUM_DIRECTIONS])
{
    out << " " << label;
    for (int32_t number : numbers)
        out << " " << number;
}

void dumpLocation(std::ostream& out, const Location& place)
{
    std::string where = "location " + std::to_string(place.id);
    out << where << " \"" << place.name << "\"";
    dumpNumbers(out, "exits", place.exits);
    dumpNumbers(out, "locks", place.exitLocks);
    dumpNumbers(out, "keys", place.exitKeys);
    out << " gold " << place.gold << " dark " << place.isDark << " lit " << place.isLit << " \""
        << place.description << "\"\n";
    if (place.item.id != 0) dumpItem(out, where + " item", place.item);
}

void dumpCharacter(std::ostream& out, const std::string& where, const Character& e)
{
    out << where << " id " << e.id << " \"" << e.name << "\" the \"" << e.species << "\" kind "
        << e.kind << " sex " << e.sex << " hp " << e.hp << "/" << e.maxHp << "/" << e.baseMaxHp
        << " atk " << e.atk << "/" << e.baseAtk << " def " << e.def << "/" << e.baseDef << " gold "
        << e.gold << " at " << e.locationId << " favourite " << e.favouriteItemId << " hostile "
        << e.hostile << " trust " << e.trust << " alive " << e.alive << " cooldown " << e.cooldown
        << " huggable " << e.huggable << "\n";
    out << where << " says \"" << e.description << "\" | \"" << e.dialogueGood << "\" | \""
        << e.dialogueNeutral << "\" | \"" << e.dialogueBad << "\"\n";
    for (int slot = 0; slot < NUM_SLOTS; ++slot)
        if (e.inventory[slot].id != 0 || e.inventory[slot].name[0] != '\0')
            dumpItem(out, where + " slot " + std::to_string(slot), e.inventory[slot]);
}

} // namespace

int main()
{
    // Every draw 1, as the tests' fresh game has it.
    struct Ones : RandomSource {
        int draw() override { return 1; }
    } ones;
    DiscardedOutput output;
    NoSound sound;
    SavesFolder saves;
    SystemClock clock;
    Session session({terminalLines(), output, ones, sound, saves, clock});
    const GameState* state = &session.record();
    for (const Location& place : state->locations)
        dumpLocation(std::cout, place);
    for (const Item& item : state->items)
        dumpItem(std::cout, "item " + std::to_string(item.id), item);
    for (int i = 0; i < NUM_CHARACTERS; ++i)
        dumpCharacter(std::cout, "character " + std::to_string(i), state->characters[i]);
    dumpCharacter(std::cout, "player", state->player);
    std::cout << "clock " << state->minutesPassed << " light " << state->lightTurns
              << " queen slain " << state->blackQueenSlain << " sound " << state->soundOn << " fae "
              << state->faeState << " star gift " << state->starGiftFallen << "\n";
}
