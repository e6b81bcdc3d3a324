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

template <std::size_t Width> bool terminated(const char (&text)[Width])
{
    return std::memchr(text, '\0', Width) != nullptr;
}

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

// ---- The map, restated ------------------------------------------------------------------------

struct ExpectedPlace {
    int exits[NUM_DIRECTIONS]; // N, S, E, W, U, D
    bool dark;
    int gold;
    int itemId; // what lies here once the items are laid; 0 = nothing
};

const ExpectedPlace expectedMap[NUM_LOCATIONS] = {
    /*  0 Peaceful Village   */ {{1, 38, 11, 8, -1, -1}, false, 0, 0},
    /*  1 Magic Forest       */ {{5, 0, 2, 4, -1, -1}, false, 0, 24},
    /*  2 Old Castle         */ {{-1, -1, 28, 1, -1, 9}, false, 0, 5},
    /*  3 Quiet Beach        */ {{38, -1, 29, 31, -1, -1}, false, 0, 7},
    /*  4 Rocky Cliff        */ {{-1, -1, 1, -1, -1, 13}, false, 0, 0},
    /*  5 Deep Valley        */ {{6, 1, 41, 7, -1, -1}, false, 0, 13},
    /*  6 Twisted Tower      */ {{17, 5, 10, -1, 12, 32}, false, 0, 3},
    /*  7 Small Cave         */ {{-1, -1, 5, -1, -1, 30}, false, 0, 0},
    /*  8 Little House       */ {{-1, -1, 0, 16, -1, 15}, false, 0, 0},
    /*  9 Castle Dungeon     */ {{-1, -1, -1, -1, 2, -1}, true, 50, 9},
    /* 10 Mysterious Library */ {{-1, -1, -1, 6, -1, -1}, false, 0, 8},
    /* 11 Town Market        */ {{-1, -1, 34, 0, -1, -1}, false, 0, 0},
    /* 12 Tower Roof         */ {{-1, -1, -1, -1, -1, 6}, false, 0, 0},
    /* 13 Staircase          */ {{-1, -1, -1, 14, 4, -1}, false, 0, 0},
    /* 14 Dusty Desert       */ {{24, -1, 13, -1, -1, -1}, false, 0, 0},
    /* 15 Old Cellar         */ {{-1, -1, -1, -1, 8, -1}, true, 250, 0},
    /* 16 Small Garden       */ {{-1, -1, 8, -1, -1, -1}, false, 0, 46},
    /* 17 Mirror Mountain    */ {{-1, 6, 21, 26, 19, 18}, false, 0, 0},
    /* 18 Crystal Mines      */ {{-1, -1, -1, -1, 17, -1}, true, 0, 16},
    /* 19 Mountain Summit    */ {{-1, -1, -1, -1, -1, 17}, false, 0, 20},
    /* 20 Heavenly Realm     */ {{-1, -1, -1, -1, -1, -1}, false, 0, 0},
    /* 21 Misty Lake         */ {{22, -1, 23, 17, -1, -1}, false, 0, 0},
    /* 22 Scarlet Mansion    */ {{-1, 21, -1, -1, -1, -1}, false, 0, 0},
    /* 23 Ice Cavern         */ {{-1, -1, -1, 21, -1, 37}, false, 0, 0},
    /* 24 Ancient Pyramid    */ {{-1, 14, -1, -1, -1, -1}, true, 500, 10},
    /* 25 Infernal Realm     */ {{-1, -1, -1, -1, -1, -1}, false, 0, 0},
    /* 26 Lake of Blood      */ {{27, -1, 17, 33, -1, -1}, false, 0, 29},
    /* 27 Prismatic Palace   */ {{-1, 26, -1, -1, -1, -1}, false, 0, 0},
    /* 28 Pale Garden        */ {{-1, -1, -1, 2, -1, -1}, false, 0, 0},
    /* 29 Seafoam Cave       */ {{-1, -1, -1, 3, -1, -1}, true, 50, 0},
    /* 30 Cavernous Depths   */ {{-1, -1, -1, -1, 7, -1}, true, 50, 30},
    /* 31 Sea Turtle Rocks   */ {{39, -1, 3, -1, -1, -1}, false, 0, 31},
    /* 32 Tower Basement     */ {{-1, -1, -1, -1, 6, -1}, true, 0, 0},
    /* 33 Ashen Cave         */ {{-1, -1, 26, -1, -1, 35}, true, 0, 0},
    /* 34 Blacksmith's Forge */ {{-1, -1, -1, 11, -1, -1}, false, 0, 0},
    /* 35 Ashen Depths       */ {{-1, -1, -1, -1, 33, 36}, true, 0, 0},
    /* 36 Forgotten Ruins    */ {{-1, -1, -1, -1, 35, -1}, true, 0, 0},
    /* 37 Frozen Depths      */ {{-1, -1, 43, -1, 23, -1}, true, 0, 42},
    /* 38 Old Trail          */ {{0, 3, 40, 39, -1, -1}, false, 0, 0},
    /* 39 Rushing Riverbank  */ {{-1, 31, 38, -1, -1, -1}, false, 0, 0},
    /* 40 Sunset Ridge       */ {{-1, -1, -1, 38, -1, -1}, false, 0, 0},
    /* 41 Collapsed Tunnel   */ {{-1, -1, -1, 5, -1, -1}, true, 50, 12},
    /* 42 Starfall Hill      */ {{-1, -1, -1, -1, -1, 43}, false, 0, 0},
    /* 43 Starry Cave        */ {{-1, -1, -1, 37, 42, -1}, true, 50, 0},
    /* 44 Undergrowth        */ {{-1, -1, -1, -1, 28, -1}, true, 0, 28},
};

// Every way that is not open; all others are open with key number 0.
struct ExpectedLock {
    int locationId;
    int dir;
    int lock;
    int key;
};

const ExpectedLock expectedLocks[] = {
    {2, E, WAY_BLOCKED, 0}, // Old Castle to Pale Garden, until the Black Queen falls
    {6, E, WAY_LOCKED, 1},  // Twisted Tower to Mysterious Library
    {8, D, WAY_LOCKED, 2},  // Little House to Old Cellar
    {14, N, WAY_LOCKED, 4}, // Dusty Desert to Ancient Pyramid
    {21, N, WAY_LOCKED, 3}, // Misty Lake to Scarlet Mansion
    {35, D, WAY_LOCKED, 5}, // Ashen Depths to Forgotten Ruins
};

TEST(WorldTables, FreshMapMatchesTheRecord)
{
    const auto state = freshWorld();
    for (int id = 0; id < NUM_LOCATIONS; ++id) {
        SCOPED_TRACE("location " + std::to_string(id));
        const Location& place = state->locations[id];
        const ExpectedPlace& expected = expectedMap[id];
        for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
            int lock = WAY_OPEN;
            int key = 0;
            for (const ExpectedLock& l : expectedLocks) {
                if (l.locationId == id && l.dir == dir) {
                    lock = l.lock;
                    key = l.key;
                }
            }
            EXPECT_EQ(place.exits[dir], expected.exits[dir]) << "direction " << dir;
            EXPECT_EQ(place.exitLocks[dir], lock) << "direction " << dir;
            EXPECT_EQ(place.exitKeys[dir], key) << "direction " << dir;
        }
        EXPECT_EQ(place.isDark, expected.dark);
        EXPECT_EQ(place.isLit, !expected.dark);
        EXPECT_EQ(place.gold, expected.gold);
        EXPECT_EQ(place.item.id, expected.itemId);
        // The item laid here is a whole fresh catalogue record, wear included.
        if (expected.itemId > 0) {
            EXPECT_EQ(std::memcmp(&place.item, &items[expected.itemId], sizeof(Item)), 0);
            EXPECT_EQ(place.item.durability, place.item.maxDurability);
        }
        // Nothing but items changes: the rest of the place is the table's row as it stands.
        EXPECT_EQ(std::memcmp(&place, &locations[id], offsetof(Location, item)), 0);
        EXPECT_EQ(std::memcmp(&place.gold, &locations[id].gold,
                              sizeof(Location) - offsetof(Location, gold)),
                  0);
    }
}

TEST(WorldTables, TheTableItselfHoldsNoItems)
{
    for (const Location& place : locations) {
        EXPECT_TRUE(allZero(&place.item, sizeof(Item))) << place.name;
    }
}

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

TEST(WorldTables, EveryTextFitsItsField)
{
    for (const Location& place : locations) {
        EXPECT_TRUE(terminated(place.name)) << place.id;
        EXPECT_TRUE(terminated(place.description)) << place.id;
        EXPECT_NE(place.name[0], '\0') << place.id;
        EXPECT_NE(place.description[0], '\0') << place.id;
    }
    for (const Item& item : items) {
        EXPECT_TRUE(terminated(item.name)) << item.id;
        EXPECT_TRUE(terminated(item.description)) << item.id;
        EXPECT_NE(item.name[0], '\0') << item.id;
    }
    for (int i = 1; i < NUM_ENTITIES; ++i) {
        const Entity& who = characterTemplates[i];
        EXPECT_TRUE(terminated(who.name)) << i;
        EXPECT_TRUE(terminated(who.species)) << i;
        EXPECT_TRUE(terminated(who.description)) << i;
        EXPECT_TRUE(terminated(who.dialogueGood)) << i;
        EXPECT_TRUE(terminated(who.dialogueNeutral)) << i;
        EXPECT_TRUE(terminated(who.dialogueBad)) << i;
        EXPECT_NE(who.name[0], '\0') << i;
        EXPECT_NE(who.species[0], '\0') << i;
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

TEST(Catalogue, KeysCarryTheirLockNumbers)
{
    struct {
        int id;
        const char* name;
        int number;
    } const keys[] = {
        {9, "Tower Key", 1},    {18, "Cellar Key", 2}, {ITEM_MANSION_KEY, "Mansion Key", 3},
        {22, "Pyramid Key", 4}, {28, "Ruins Key", 5},
    };
    int keyRows = 0;
    for (const Item& item : items)
        keyRows += isKeyItem(item) ? 1 : 0;
    EXPECT_EQ(keyRows, 5);
    for (const auto& key : keys) {
        const Item& item = items[key.id];
        EXPECT_STREQ(item.name, key.name);
        EXPECT_EQ(item.type, ITEM_KEY) << key.name;
        EXPECT_EQ(item.subtype, 0) << key.name;
        EXPECT_EQ(item.power, key.number) << key.name;
    }
    // Hanbo's Mansion Key must open the way into the Scarlet Mansion.
    EXPECT_EQ(locations[21].exits[N], LOC_SCARLET_MANSION);
    EXPECT_EQ(locations[21].exitKeys[N], items[ITEM_MANSION_KEY].power);
}

TEST(Catalogue, LightsAndInstruments)
{
    const Item& candle = items[25];
    EXPECT_STREQ(candle.name, "Candle");
    EXPECT_EQ(candle.type, ITEM_LIGHT);
    EXPECT_EQ(candle.subtype, 0);
    EXPECT_EQ(candle.power, 10);
    EXPECT_FALSE(candle.unbreakable);
    EXPECT_EQ(candle.durability, 1);

    const Item& lantern = items[26];
    EXPECT_STREQ(lantern.name, "Lantern");
    EXPECT_EQ(lantern.type, ITEM_LIGHT);
    EXPECT_EQ(lantern.subtype, 1);
    EXPECT_EQ(lantern.power, 100);
    EXPECT_TRUE(lantern.unbreakable);

    const Item& oil = items[34];
    EXPECT_STREQ(oil.name, "Lamp Oil");
    EXPECT_EQ(oil.type, ITEM_LIGHT);
    EXPECT_EQ(oil.subtype, 2);
    EXPECT_FALSE(oil.unbreakable);
    EXPECT_EQ(oil.durability, 1);

    int lights = 0;
    for (const Item& item : items)
        lights += item.type == ITEM_LIGHT ? 1 : 0;
    EXPECT_EQ(lights, 3);

    // An instrument's power is the one place where playing it does something.
    EXPECT_STREQ(items[19].name, "Flute");
    EXPECT_EQ(items[19].type, ITEM_INSTRUMENT);
    EXPECT_EQ(items[19].subtype, 0);
    EXPECT_EQ(items[19].power, LOC_MAGIC_FOREST);
    EXPECT_STREQ(items[41].name, "Lyre");
    EXPECT_EQ(items[41].type, ITEM_INSTRUMENT);
    EXPECT_EQ(items[41].subtype, 1);
    EXPECT_EQ(items[41].power, LOC_STARFALL_HILL);
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

struct ExpectedCharacter {
    int kind;
    int locationId;
    int favouriteItemId;
    int trust;
    bool hostile;
    int cooldown;
    bool huggable;
};

const ExpectedCharacter expectedCast[NUM_ENTITIES] = {
    {}, // slot 0 is blank
    /*  1 Greedo    */ {KIND_MERCHANT, 11, 15, 0, false, 0, false},
    /*  2 Hanbo     */ {KIND_MERCHANT, 12, 17, 0, false, 0, false},
    /*  3 Harfam    */ {KIND_MONSTER, 7, 11, 0, false, 0, false},
    /*  4 Clara     */ {KIND_FRIENDLY, 10, 13, 0, false, 0, true},
    /*  5 Evelyn    */ {KIND_FRIENDLY, 8, 14, 10, false, 0, true},
    /*  6 Freddie   */ {KIND_MONSTER, 17, 7, 0, false, 0, false},
    /*  7 Weruh     */ {KIND_FRIENDLY, 2, 16, 0, false, 0, false},
    /*  8 Aurora    */ {KIND_GOD, 20, 20, 10, false, 0, true},
    /*  9 Nurnic    */ {KIND_FRIENDLY, 21, 24, 0, false, 0, false},
    /* 10 Mercuria  */ {KIND_BLACK_QUEEN, 22, 29, 0, false, 0, false},
    /* 11 Tux       */ {KIND_FRIENDLY, 23, 23, 0, false, 0, true},
    /* 12 Seraphina */ {KIND_DEVIL, 25, -1, 0, false, 0, false},
    /* 13 Mukiri    */ {KIND_MONSTER, 26, 31, 0, false, 0, false},
    /* 14 Mayterna  */ {KIND_WHITE_QUEEN, 27, 29, 0, false, 0, false},
    /* 15 Statue    */ {KIND_STATUE, 28, -1, 0, false, 0, false},
    /* 16 Statue    */ {KIND_STATUE, 0, -1, 0, false, 0, false},
    /* 17 Koridai   */ {KIND_ANIMAL, 1, 30, 0, false, 0, false},
    /* 18 Doug      */ {KIND_ANIMAL, 14, -1, 0, false, 0, false},
    /* 19 Ashyrn    */ {KIND_MONSTER, 19, 5, 0, false, 0, false},
    /* 20 Gerard    */ {KIND_FRIENDLY, 32, 8, 0, false, 0, false},
    /* 21 Sithrel   */ {KIND_FAE, -1, -1, 0, false, 0, false},
    /* 22 Dwargo    */ {KIND_MERCHANT, 33, -1, 0, false, 0, false},
    /* 23 Durrek    */ {KIND_BLACKSMITH, 34, -1, 0, false, 0, false},
    /* 24 Bones     */ {KIND_MONSTER, 35, 43, 0, true, 999, false},
    /* 25 Umbroth   */ {KIND_MONSTER, 36, 44, 0, true, 999, false},
    /* 26 Statue    */ {KIND_STATUE, 37, -1, 0, false, 0, false},
    /* 27 Mary-Lou  */ {KIND_FRIENDLY, 40, 42, 0, false, 0, true},
    /* 28 Mizu      */ {KIND_MONSTER, 39, 46, 0, false, 0, false},
};

TEST(Characters, TemplatesMatchTheCast)
{
    for (int i = 1; i < NUM_ENTITIES; ++i) {
        const Entity& who = characterTemplates[i];
        const ExpectedCharacter& expected = expectedCast[i];
        SCOPED_TRACE(std::string("slot ") + std::to_string(i) + " " + who.name);
        EXPECT_EQ(who.id, i);
        EXPECT_EQ(who.kind, expected.kind);
        EXPECT_EQ(who.locationId, expected.locationId);
        EXPECT_EQ(who.favouriteItemId, expected.favouriteItemId);
        EXPECT_EQ(who.trust, expected.trust);
        EXPECT_EQ(who.hostile, expected.hostile);
        EXPECT_EQ(who.cooldown, expected.cooldown);
        EXPECT_EQ(who.huggable, expected.huggable);
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
