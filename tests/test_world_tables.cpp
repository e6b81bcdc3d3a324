// The constant tables that a fresh journey is built from: the map, the catalogue, the cast
// and the ambient lines. A slip in any of them would strand the player or break a trade chain.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <memory>
#include <queue>
#include <set>
#include <string>
#include <utility>

#include "ambience.h"
#include "entities.h"
#include "gameState.h"
#include "items.h"
#include "locations.h"

namespace {

constexpr int N = DIR_NORTH, S = DIR_SOUTH, E = DIR_EAST, W = DIR_WEST, U = DIR_UP, D = DIR_DOWN;

int opposite(int dir) { return dir ^ 1; } // north/south, east/west, up/down pair up

bool allZero(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
        if (bytes[i] != 0) return false;
    }
    return true;
}

// A fresh world, built the way start-up does before the characters arrive.
std::unique_ptr<GameState> freshWorld()
{
    auto state = std::make_unique<GameState>();
    std::memcpy(state->locations, locations, sizeof(locations));
    std::memcpy(state->items, items, sizeof(items));
    std::memcpy(state->entities, entities, sizeof(entities));
    initLocations(state.get());
    return state;
}

bool isKeyItem(const Item& item) { return item.type == ITEM_KEY; }

// ---- The map ----------------------------------------------------------------------------------

TEST(WorldTables, IdsEqualIndexes)
{
    for (int i = 0; i < NUM_LOCATIONS; ++i)
        EXPECT_EQ(locations[i].id, i);
    for (int i = 0; i < NUM_ITEMS; ++i)
        EXPECT_EQ(items[i].id, i);
    for (int i = 1; i < NUM_ENTITIES; ++i)
        EXPECT_EQ(characterTemplates[i].id, i);
    EXPECT_TRUE(allZero(&characterTemplates[0], sizeof(Entity)));
    EXPECT_TRUE(allZero(entities, sizeof(entities)));
}

TEST(WorldTables, EveryExitLeadsSomewhereReal)
{
    for (const Location& place : locations) {
        for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
            const int to = place.exits[dir];
            EXPECT_TRUE(to == -1 || (to >= 0 && to < NUM_LOCATIONS))
                << place.name << " direction " << dir << " leads to " << to;
            EXPECT_NE(to, place.id) << place.name << " leads to itself";
        }
    }
}

TEST(WorldTables, EveryWayLeadsBackTheOppositeWay)
{
    for (const Location& place : locations) {
        for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
            const int to = place.exits[dir];
            if (to < 0) continue;
            // The hidden passage under the garden statue opens only at the journey's end.
            if (place.id == LOC_UNDERGROWTH && dir == U) {
                EXPECT_EQ(to, LOC_PALE_GARDEN);
                EXPECT_EQ(locations[LOC_PALE_GARDEN].exits[D], -1);
                continue;
            }
            EXPECT_EQ(locations[to].exits[opposite(dir)], place.id)
                << place.name << " direction " << dir << " to " << locations[to].name;
        }
    }
}

TEST(WorldTables, TheRealmsAreSealedOff)
{
    for (const int realm : {LOC_HEAVEN, LOC_HELL}) {
        for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
            EXPECT_EQ(locations[realm].exits[dir], -1) << locations[realm].name;
        }
    }
    for (const Location& place : locations) {
        for (const int to : place.exits) {
            EXPECT_NE(to, LOC_HEAVEN) << place.name;
            EXPECT_NE(to, LOC_HELL) << place.name;
        }
    }
}

TEST(WorldTables, EverythingButTheRealmsAndUndergrowthIsReachableFromTheVillage)
{
    bool seen[NUM_LOCATIONS] = {};
    std::queue<int> queue;
    seen[LOC_VILLAGE] = true;
    queue.push(LOC_VILLAGE);
    while (!queue.empty()) {
        const int at = queue.front();
        queue.pop();
        for (const int to : locations[at].exits) { // locked or blocked ways count
            if (to >= 0 && !seen[to]) {
                seen[to] = true;
                queue.push(to);
            }
        }
    }
    for (int id = 0; id < NUM_LOCATIONS; ++id) {
        const bool cutOff = id == LOC_HEAVEN || id == LOC_HELL || id == LOC_UNDERGROWTH;
        EXPECT_EQ(seen[id], !cutOff) << locations[id].name;
    }
}

TEST(WorldTables, StartingGoldLiesOnlyInTheDark)
{
    int placesWithGold = 0;
    for (const Location& place : locations) {
        EXPECT_GE(place.gold, 0) << place.name;
        if (place.gold > 0) {
            ++placesWithGold;
            EXPECT_TRUE(place.isDark) << place.name;
        }
    }
    EXPECT_EQ(placesWithGold, 7);
}

TEST(WorldTables, LockedWaysNameAKeyThatExists)
{
    std::set<int> keysNeeded;
    for (const Location& place : locations) {
        for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
            const int lock = place.exitLocks[dir];
            const int key = place.exitKeys[dir];
            EXPECT_TRUE(lock == WAY_OPEN || lock == WAY_LOCKED || lock == WAY_BLOCKED)
                << place.name;
            if (lock != WAY_OPEN) {
                EXPECT_GE(place.exits[dir], 0) << place.name << " locks a way that is not there";
            }
            if (lock != WAY_LOCKED) {
                EXPECT_EQ(key, 0) << place.name << " direction " << dir;
                continue;
            }
            EXPECT_GE(key, 1) << place.name;
            EXPECT_LE(key, 5) << place.name;
            keysNeeded.insert(key);
            int matchingKeys = 0;
            for (const Item& item : items) {
                if (isKeyItem(item) && item.power == key) ++matchingKeys;
            }
            EXPECT_EQ(matchingKeys, 1) << place.name << " needs key " << key;
        }
    }
    // And no key in the catalogue is useless.
    for (const Item& item : items) {
        if (isKeyItem(item)) {
            EXPECT_TRUE(keysNeeded.count(item.power)) << item.name << " opens nothing";
        }
    }
}

// ---- The catalogue -----------------------------------------------------------------------------

TEST(Catalogue, RowZeroIsTheEmptyRecord)
{
    const Item& empty = items[ITEM_EMPTY];
    EXPECT_STREQ(empty.name, "Empty");
    EXPECT_STREQ(empty.description, "Nothing.");
    EXPECT_EQ(empty.type, 0);
    EXPECT_EQ(empty.subtype, 0);
    EXPECT_EQ(empty.power, 0);
    EXPECT_EQ(empty.price, 0);
    EXPECT_FALSE(empty.unbreakable);
    EXPECT_EQ(empty.durability, 0);
    EXPECT_EQ(empty.maxDurability, 0);
}

TEST(Catalogue, NewItemsAreUnwornAndNothingIsBornBroken)
{
    for (int i = 1; i < NUM_ITEMS; ++i) {
        const Item& item = items[i];
        EXPECT_EQ(item.durability, item.maxDurability) << item.name;
        EXPECT_GE(item.type, ITEM_MISC) << item.name;
        EXPECT_LE(item.type, ITEM_LIGHT) << item.name;
        EXPECT_GE(item.price, 0) << item.name;
        if (!item.unbreakable) {
            EXPECT_GT(item.durability, 0) << item.name << " would break before first use";
        }
    }
}

TEST(Catalogue, NamesAreUniqueSoTypedNounsAreUnambiguous)
{
    std::set<std::string> seen;
    for (const Item& item : items) {
        std::string lowered = item.name;
        for (char& c : lowered)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(lowered).second) << item.name;
    }
}

TEST(Catalogue, EquipmentSubtypesAreOnesTheRulesKnow)
{
    for (const Item& item : items) {
        switch (item.type) {
        case ITEM_WEAPON:
            EXPECT_GE(item.subtype, 1) << item.name;
            EXPECT_LE(item.subtype, 3) << item.name;
            EXPECT_GT(item.power, 0) << item.name;
            break;
        case ITEM_ARMOUR:
            EXPECT_EQ(item.subtype, 1) << item.name;
            EXPECT_GT(item.power, 0) << item.name;
            break;
        case ITEM_ACCESSORY:
            EXPECT_GE(item.subtype, 1) << item.name;
            EXPECT_LE(item.subtype, 3) << item.name;
            EXPECT_GT(item.power, 0) << item.name;
            break;
        case ITEM_POTION: EXPECT_GT(item.power, 0) << item.name; break;
        default: break;
        }
    }
}

TEST(Catalogue, NamedIdsPointAtTheRightRows)
{
    EXPECT_STREQ(items[ITEM_SWORD].name, "Sword");
    EXPECT_STREQ(items[ITEM_TUNIC].name, "Tunic");
    EXPECT_STREQ(items[ITEM_SMALL_POTION].name, "Small Potion");
    EXPECT_STREQ(items[ITEM_MANSION_KEY].name, "Mansion Key");
    EXPECT_STREQ(items[ITEM_BLACK_ROSE].name, "Black Rose");
    EXPECT_STREQ(items[ITEM_LARGE_POTION].name, "Large Potion");
    EXPECT_STREQ(items[ITEM_MOONS_TEAR].name, "Moon's Tear");
}

// ---- The cast ----------------------------------------------------------------------------------

// Every field's value is checked against the tables by the fresh-record test;
// these are the rules the templates must keep whatever their values.
TEST(Characters, TemplatesAreWholeLivingCharacters)
{
    for (int i = 1; i < NUM_ENTITIES; ++i) {
        const Entity& who = characterTemplates[i];
        SCOPED_TRACE(std::string("slot ") + std::to_string(i) + " " + who.name);
        EXPECT_EQ(who.id, i);
        EXPECT_TRUE(who.alive);
        // Start-up does not recalculate, so derived numbers must already equal the base ones.
        EXPECT_GT(who.baseMaxHp, 0);
        EXPECT_EQ(who.maxHp, who.baseMaxHp);
        EXPECT_EQ(who.hp, who.maxHp);
        EXPECT_EQ(who.atk, who.baseAtk);
        EXPECT_EQ(who.def, who.baseDef);
        EXPECT_GE(who.gold, 0);
        EXPECT_TRUE(allZero(who.inventory, sizeof(who.inventory)));
        if (who.kind == KIND_STATUE) {
            EXPECT_EQ(who.sex, 0);
        } else {
            EXPECT_TRUE(who.sex == 1 || who.sex == 2);
        }
    }
}

TEST(Characters, NamedIdsPointAtTheRightSlots)
{
    EXPECT_STREQ(characterTemplates[ENTITY_GREEDO].name, "Greedo");
    EXPECT_STREQ(characterTemplates[ENTITY_GOBLIN].species, "goblin");
    EXPECT_STREQ(characterTemplates[ENTITY_FREDDIE].species, "ogre");
    EXPECT_STREQ(characterTemplates[ENTITY_BLACK_QUEEN].species, "Black Queen");
    EXPECT_STREQ(characterTemplates[ENTITY_WHITE_QUEEN].species, "White Queen");
    EXPECT_STREQ(characterTemplates[ENTITY_FAE].species, "fae");
    EXPECT_STREQ(characterTemplates[ENTITY_GOLEM].species, "obsidian golem");
    EXPECT_STREQ(characterTemplates[ENTITY_KAPPA].name, "Mizu");
}

TEST(Characters, EveryoneStandsSomewhereReal)
{
    for (int i = 1; i < NUM_ENTITIES; ++i) {
        const int at = characterTemplates[i].locationId;
        EXPECT_TRUE(at == -1 || (at >= 0 && at < NUM_LOCATIONS)) << characterTemplates[i].name;
        const int favourite = characterTemplates[i].favouriteItemId;
        EXPECT_TRUE(favourite == -1 || (favourite > 0 && favourite < NUM_ITEMS))
            << characterTemplates[i].name;
    }
}

TEST(Characters, StartingItemsGoIntoRealSlots)
{
    ASSERT_GT(NUM_STARTING_ITEMS, 0);
    std::set<std::pair<int, int>> taken;
    for (int i = 0; i < NUM_STARTING_ITEMS; ++i) {
        const StartingItem& start = startingItems[i];
        SCOPED_TRACE("starting item " + std::to_string(i));
        ASSERT_GE(start.entityId, 1);
        ASSERT_LT(start.entityId, NUM_ENTITIES);
        ASSERT_GE(start.slot, 0);
        ASSERT_LT(start.slot, NUM_SLOTS);
        ASSERT_GE(start.itemId, 1);
        ASSERT_LT(start.itemId, NUM_ITEMS);
        EXPECT_TRUE(taken.insert({start.entityId, start.slot}).second) << "slot handed out twice";
        // Worn slots only take what fits them.
        const int type = items[start.itemId].type;
        if (start.slot == SLOT_WEAPON) {
            EXPECT_EQ(type, ITEM_WEAPON);
        } else if (start.slot == SLOT_ARMOUR) {
            EXPECT_EQ(type, ITEM_ARMOUR);
        } else if (start.slot == SLOT_ACCESSORY) {
            EXPECT_EQ(type, ITEM_ACCESSORY);
        }
        // Carried stock fills from slot 0 without gaps.
        if (start.slot > 0 && start.slot < NUM_CARRIED) {
            EXPECT_TRUE(taken.count({start.entityId, start.slot - 1})) << "gap before this slot";
        }
    }
    EXPECT_TRUE(taken.count({ENTITY_GOBLIN, SLOT_WEAPON})) << "the goblin has no dagger";
}

TEST(Characters, EveryKeyAndInstrumentCanBeHad)
{
    // Without them locked ways stay shut and the fae and the fallen star never come.
    // Hanbo makes the Mansion Key fresh when he trades; everything else must exist at the start.
    const auto state = freshWorld();
    for (const Item& item : items) {
        if (item.type != ITEM_KEY && item.type != ITEM_INSTRUMENT) continue;
        if (item.id == ITEM_MANSION_KEY) continue;
        int copies = 0;
        for (const Location& place : state->locations)
            copies += place.item.id == item.id;
        for (int i = 0; i < NUM_STARTING_ITEMS; ++i)
            copies += startingItems[i].itemId == item.id;
        EXPECT_GE(copies, 1) << item.name << " is nowhere";
    }
}

TEST(Characters, StandingAtTheStartIsTwenty)
{
    int standing = 0;
    for (const Entity& who : characterTemplates) {
        if (who.id != 0) standing += who.trust;
    }
    EXPECT_EQ(standing, 20);
}

// ---- Ambient lines ------------------------------------------------------------------------------

TEST(Ambience, RowsAreWellFormedAndEndTheTable)
{
    std::set<int> places;
    int row = 0;
    for (; ambienceTable[row].locationId != -1; ++row) {
        ASSERT_LT(row, NUM_LOCATIONS) << "the table never ends";
        const AmbienceRow& r = ambienceTable[row];
        EXPECT_GE(r.locationId, 0);
        EXPECT_LT(r.locationId, NUM_LOCATIONS);
        EXPECT_TRUE(places.insert(r.locationId).second) << "two rows for " << r.locationId;
        int lines = 0;
        while (lines < AMBIENCE_LINES && r.lines[lines] != nullptr) {
            EXPECT_NE(r.lines[lines][0], '\0');
            ++lines;
        }
        // A free slot always follows the last line, so counting stops inside the row.
        EXPECT_GE(lines, 1) << "row for " << r.locationId;
        EXPECT_LT(lines, AMBIENCE_LINES) << "row for " << r.locationId;
        for (int i = lines; i < AMBIENCE_LINES; ++i)
            EXPECT_EQ(r.lines[i], nullptr);
    }
    EXPECT_EQ(row, 9);
    EXPECT_FALSE(places.count(LOC_VILLAGE)) << "the village is quiet";
    EXPECT_EQ(ambienceTable[row].lines[0], nullptr);
}

} // namespace
