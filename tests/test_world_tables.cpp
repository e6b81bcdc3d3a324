// The rules the world's tables must keep whatever their values (the values
// themselves are pinned by the fresh record's checksum, and what names a row
// that does not exist fails to compile): a slip in any of these would strand
// the player or break a trade chain.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <queue>
#include <set>
#include <string>
#include <utility>

#include "ambience.h"
#include "characterTable.h"
#include "gameHarness.h"
#include "gameState.h"
#include "items.h"
#include "locations.h"
#include "newGame.h"

namespace {

int opposite(int dir) { return dir ^ 1; } // north/south, east/west, up/down pair up

const Location& locationAt(int id) { return locations[static_cast<std::size_t>(id)]; }

// ---- The map ----------------------------------------------------------------------------------

TEST(WorldTables, EveryWayLeadsBackTheOppositeWay)
{
    for (const Location& place : locations) {
        for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
            const int to = place.exits[dir];
            if (to < 0) continue;
            // The hidden passage under the garden statue opens only at the journey's end.
            if (place.id == LOC_UNDERGROWTH && dir == DIR_UP) {
                EXPECT_EQ(to, LOC_PALE_GARDEN);
                EXPECT_EQ(locations[LOC_PALE_GARDEN].exits[DIR_DOWN], LOC_NOWHERE);
                continue;
            }
            EXPECT_EQ(locationAt(to).exits[opposite(dir)], place.id)
                << place.name << " direction " << dir << " to " << locationAt(to).name;
        }
    }
}

// With every way leading back, this also keeps the realms of the dead sealed off.
TEST(WorldTables, EverythingButTheRealmsAndUndergrowthIsReachableFromTheVillage)
{
    bool seen[NUM_LOCATIONS] = {};
    std::queue<int> queue;
    seen[LOC_VILLAGE] = true;
    queue.push(LOC_VILLAGE);
    while (!queue.empty()) {
        const int at = queue.front();
        queue.pop();
        for (const int to : locationAt(at).exits) { // locked or blocked ways count
            if (to >= 0 && !seen[to]) {
                seen[to] = true;
                queue.push(to);
            }
        }
    }
    for (int id = 0; id < NUM_LOCATIONS; ++id) {
        const bool cutOff = id == LOC_HEAVEN || id == LOC_HELL || id == LOC_UNDERGROWTH;
        EXPECT_EQ(seen[id], !cutOff) << locationAt(id).name;
    }
}

// ---- The catalogue -----------------------------------------------------------------------------

TEST(Catalogue, EquipmentSubtypesAreOnesTheRulesKnow)
{
    // The subtypes each kind of equipment may have; each of these kinds has some power.
    const std::map<int, std::pair<int, int>> subtypes = {{ITEM_WEAPON, {1, 3}},
                                                         {ITEM_ARMOUR, {1, 1}},
                                                         {ITEM_ACCESSORY, {1, 3}},
                                                         {ITEM_POTION, {INT_MIN, INT_MAX}}};
    for (const Item& item : items) {
        if (!subtypes.contains(item.type)) continue;
        const auto [lowest, highest] = subtypes.at(item.type);
        EXPECT_GE(item.subtype, lowest) << item.name;
        EXPECT_LE(item.subtype, highest) << item.name;
        EXPECT_GT(item.power, 0) << item.name;
    }
}

// ---- The cast (as start-up places it) ----------------------------------------------------------

TEST(Characters, WornSlotsHoldWhatFitsThem)
{
    GameHarness h;
    for (const Character& who : h.game().characters)
        for (auto [slot, type] : {std::pair{SLOT_WEAPON, ITEM_WEAPON},
                                  {SLOT_ARMOUR, ITEM_ARMOUR},
                                  {SLOT_ACCESSORY, ITEM_ACCESSORY}})
            EXPECT_TRUE(who.inventory[slot].id == 0 || who.inventory[slot].type == type)
                << who.name;
}

TEST(Characters, EveryKeyAndInstrumentCanBeHad)
{
    // Without them locked ways stay shut and the fae and the fallen star never come.
    // Hanbo makes the Mansion Key fresh when he trades; everything else must exist at the start.
    GameHarness h;
    for (const Item& item : items) {
        const bool needed = item.type == ITEM_KEY || item.type == ITEM_INSTRUMENT;
        if (!needed || item.id == ITEM_MANSION_KEY) continue;
        int copies = 0;
        for (const Location& place : h.game().locations)
            copies += place.item.id == item.id;
        for (const Character& who : h.game().characters)
            for (const Item& held : who.inventory)
                copies += held.id == item.id;
        EXPECT_GE(copies, 1) << item.name << " is nowhere";
    }
}

// ---- Ambient lines ------------------------------------------------------------------------------

TEST(Ambience, RowsAreWellFormedAndEndTheTable)
{
    std::set<int> places = {LOC_VILLAGE}; // the village is quiet
    int row = 0;
    for (; ambienceTable[row].locationId != LOC_NOWHERE; ++row) {
        ASSERT_LT(row, NUM_LOCATIONS) << "the table never ends";
        const AmbienceRow& r = ambienceTable[row];
        EXPECT_TRUE(r.locationId >= 0 && r.locationId < NUM_LOCATIONS) << r.locationId;
        EXPECT_TRUE(places.insert(r.locationId).second) << "another row for " << r.locationId;
        // A free slot always follows the last line, so counting stops inside the row.
        const char* const* end = std::find(r.lines, r.lines + AMBIENCE_LINES, nullptr);
        EXPECT_TRUE(end != r.lines && end != r.lines + AMBIENCE_LINES)
            << "row for " << r.locationId;
        EXPECT_TRUE(std::all_of(r.lines, end, [](const char* line) { return line[0] != '\0'; }));
        EXPECT_TRUE(std::all_of(end, r.lines + AMBIENCE_LINES, [](const char* l) { return !l; }));
    }
    EXPECT_EQ(ambienceTable[row].lines[0], nullptr);
}

} // namespace
