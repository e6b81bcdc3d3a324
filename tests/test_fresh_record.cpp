// The one record check: every defined field of a freshly built game, line by
// line, against tests/data/freshGame.txt (the map, the catalogue, the cast and
// the player as the tables give them). A wrong exit, lock, key, gold amount,
// text, item field or character field shows up as the first differing line.
// Set LANTERNMOOR_WRITE_GOLDEN=1 to rewrite the file after a deliberate change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "gameHarness.h"

namespace {

void dumpItem(std::ostream& out, const std::string& where, const Item& item)
{
    out << where << " = " << item.id << " \"" << item.name << "\" type " << item.type << " sub "
        << item.subtype << " power " << item.power << " price " << item.price << " unbreakable "
        << item.unbreakable << " durability " << item.durability << "/" << item.maxDurability
        << " \"" << item.description << "\"\n";
}

void dumpNumbers(std::ostream& out, const int32_t (&numbers)[NUM_DIRECTIONS])
{
    for (int32_t number : numbers)
        out << " " << number;
}

void dumpLocation(std::ostream& out, const Location& place)
{
    std::string where = "location " + std::to_string(place.id);
    out << where << " \"" << place.name << "\" exits";
    dumpNumbers(out, place.exits);
    out << " locks";
    dumpNumbers(out, place.exitLocks);
    out << " keys";
    dumpNumbers(out, place.exitKeys);
    out << " gold " << place.gold << " dark " << place.isDark << " lit " << place.isLit << " \""
        << place.description << "\"\n";
    if (place.item.id != 0) dumpItem(out, where + " item", place.item);
}

void dumpEntity(std::ostream& out, const std::string& where, const Entity& e)
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

std::string dumpFreshGame(GameState& state)
{
    std::ostringstream out;
    for (const Location& place : state.locations)
        dumpLocation(out, place);
    for (const Item& item : state.items)
        dumpItem(out, "item " + std::to_string(item.id), item);
    for (int i = 0; i < NUM_ENTITIES; ++i)
        dumpEntity(out, "character " + std::to_string(i), state.entities[i]);
    dumpEntity(out, "player", state.player);
    out << "clock " << state.minutesPassed << " light " << state.lightTurns << " queen slain "
        << state.blackQueenSlain << " sound " << state.soundOn << " fae " << state.faeState
        << " star gift " << state.starGiftFallen << "\n";
    return out.str();
}

TEST(FreshRecord, EveryFieldMatchesTheTables)
{
    GameHarness h;
    std::string dump = dumpFreshGame(h.game());
    const std::string path = std::string(SOURCE_DIR) + "/tests/data/freshGame.txt";
    if (std::getenv("LANTERNMOOR_WRITE_GOLDEN")) std::ofstream(path) << dump;
    std::ifstream file(path);
    std::istringstream actual(dump);
    std::string expectedLine;
    std::string actualLine;
    int line = 0;
    while (true) {
        bool more = static_cast<bool>(std::getline(file, expectedLine));
        bool moreActual = static_cast<bool>(std::getline(actual, actualLine));
        ++line;
        if (!more && !moreActual) break;
        ASSERT_EQ(more ? expectedLine : "(end)", moreActual ? actualLine : "(end)")
            << "first difference at line " << line << " of " << path;
    }
}

} // namespace
