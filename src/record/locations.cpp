// The map as it stands when a journey begins. The game state keeps its own copy, which
// play changes (locks opened, items moved, places lit); this table only supplies that copy
// and the place names, which never change.
//
// A locked way opens to the key of its number; a blocked way (the castle's way to the garden)
// yields to no key and opens only when the Black Queen falls.
#include "locations.h"

#include "tableRows.h"

namespace {

// One way out of a place: where it leads and what bars it.
struct Way {
    int32_t to = LOC_NOWHERE;
    int32_t lock = WAY_OPEN;
    int32_t key = KEY_NONE;
    constexpr Way() = default;
    // An open way, as most are.
    constexpr Way(LocationId open) : to(open) {}
    constexpr Way(LocationId barred, LockState state, KeyNumber number)
        : to(barred), lock(state), key(number)
    {
    }
};

constexpr Way locked(LocationId to, KeyNumber key) { return Way(to, WAY_LOCKED, key); }
constexpr Way blocked(LocationId to) { return Way(to, WAY_BLOCKED, KEY_NONE); }

// A place as written below: what it leaves out is a daylit place with no way that direction
// and no gold.
struct PlaceRow {
    LocationId id;
    const char* name;
    Way north{}, south{}, east{}, west{}, up{}, down{};
    int32_t gold = 0;
    bool dark = false; // a cave, cellar or underground room: unlit until a light comes
    const char* description;
};

// clang-format off
constexpr PlaceRow MAP[NUM_LOCATIONS] = {
    {.id = LOC_VILLAGE, .name = "Peaceful Village", .north = LOC_MAGIC_FOREST,
     .south = LOC_OLD_TRAIL, .east = LOC_TOWN_MARKET, .west = LOC_LITTLE_HOUSE,
     .description = "A quaint little village, peaceful and serene in nature."},
    {.id = LOC_MAGIC_FOREST, .name = "Magic Forest", .north = LOC_DEEP_VALLEY, .south = LOC_VILLAGE,
     .east = LOC_OLD_CASTLE, .west = LOC_ROCKY_CLIFF,
     .description = "An enchanted old forest where the fair folk are rumoured to live..."},
    {.id = LOC_OLD_CASTLE, .name = "Old Castle", .east = blocked(LOC_PALE_GARDEN),
     .west = LOC_MAGIC_FOREST, .down = LOC_CASTLE_DUNGEON,
     .description = "A spooky old castle, weathered down by time..."},
    {.id = LOC_QUIET_BEACH, .name = "Quiet Beach", .north = LOC_OLD_TRAIL, .east = LOC_SEAFOAM_CAVE,
     .west = LOC_SEA_TURTLE_ROCKS,
     .description = "A serene and peaceful beach where the waves lap against the shore."},
    {.id = LOC_ROCKY_CLIFF, .name = "Rocky Cliff", .east = LOC_MAGIC_FOREST, .down = LOC_STAIRCASE,
     .description = "A rocky cliff overlooking a vast desert."},
    {.id = LOC_DEEP_VALLEY, .name = "Deep Valley", .north = LOC_TWISTED_TOWER,
     .south = LOC_MAGIC_FOREST, .east = LOC_COLLAPSED_TUNNEL, .west = LOC_SMALL_CAVE,
     .description = "A deep and cavernous valley, stretching as far as the eye can see."},
    {.id = LOC_TWISTED_TOWER, .name = "Twisted Tower", .north = LOC_MIRROR_MOUNTAIN,
     .south = LOC_DEEP_VALLEY, .east = locked(LOC_MYSTERIOUS_LIBRARY, KEY_TOWER),
     .up = LOC_TOWER_ROOF, .down = LOC_TOWER_BASEMENT,
     .description = "A winding and twisting tall tower, decorated in runic stones."},
    {.id = LOC_SMALL_CAVE, .name = "Small Cave", .east = LOC_DEEP_VALLEY,
     .down = LOC_CAVERNOUS_DEPTHS,
     .description = "A small, dimly-lit cave, rumoured to be a monster's hideout..."},
    {.id = LOC_LITTLE_HOUSE, .name = "Little House", .east = LOC_VILLAGE, .west = LOC_SMALL_GARDEN,
     .down = locked(LOC_OLD_CELLAR, KEY_CELLAR),
     .description = "A picturesque little house."},
    {.id = LOC_CASTLE_DUNGEON, .name = "Castle Dungeon", .up = LOC_OLD_CASTLE, .gold = 50,
     .dark = true,
     .description = "A deep, dark, dank dungeon...cobwebs are scattered about..."},
    {.id = LOC_MYSTERIOUS_LIBRARY, .name = "Mysterious Library", .west = LOC_TWISTED_TOWER,
     .description = "A mysterious library, decorated wall-to-wall with tomes."},
    {.id = LOC_TOWN_MARKET, .name = "Town Market", .east = LOC_BLACKSMITHS_FORGE,
     .west = LOC_VILLAGE,
     .description = "A bustling and lively marketplace, where merchants tend to gather."},
    {.id = LOC_TOWER_ROOF, .name = "Tower Roof", .down = LOC_TWISTED_TOWER,
     .description = "The roof of the tower, where a cold breeze blows."},
    {.id = LOC_STAIRCASE, .name = "Staircase", .west = LOC_DUSTY_DESERT, .up = LOC_ROCKY_CLIFF,
     .description = "A stone staircase leading from the cliff to the desert."},
    {.id = LOC_DUSTY_DESERT, .name = "Dusty Desert",
     .north = locked(LOC_ANCIENT_PYRAMID, KEY_PYRAMID), .east = LOC_STAIRCASE,
     .description = "An arid desert baking under the hot sun."},
    {.id = LOC_OLD_CELLAR, .name = "Old Cellar", .up = LOC_LITTLE_HOUSE, .gold = 250, .dark = true,
     .description = "A musty, dusty old cellar, full of boxes of old trinkets."},
    {.id = LOC_SMALL_GARDEN, .name = "Small Garden", .east = LOC_LITTLE_HOUSE,
     .description = "A quiet little garden outside the house."},
    {.id = LOC_MIRROR_MOUNTAIN, .name = "Mirror Mountain", .south = LOC_TWISTED_TOWER,
     .east = LOC_MISTY_LAKE, .west = LOC_LAKE_OF_BLOOD, .up = LOC_MOUNTAIN_SUMMIT,
     .down = LOC_CRYSTAL_MINES,
     .description = "A tall mountain glittering like crystal, reflective like a mirror..."},
    {.id = LOC_CRYSTAL_MINES, .name = "Crystal Mines", .up = LOC_MIRROR_MOUNTAIN, .dark = true,
     .description = "A mineshaft filled with glimmering crystals and sparkling jewels."},
    {.id = LOC_MOUNTAIN_SUMMIT, .name = "Mountain Summit", .down = LOC_MIRROR_MOUNTAIN,
     .description = "The summit of the mountain. A vast kingdom stretches out before you."},
    {.id = LOC_HEAVEN, .name = "Heavenly Realm",
     .description = "A blessed celestial realm of swirling golden clouds, where the dearly "
                    "departed go to rest..."},
    {.id = LOC_MISTY_LAKE, .name = "Misty Lake", .north = locked(LOC_SCARLET_MANSION, KEY_MANSION),
     .east = LOC_ICE_CAVERN, .west = LOC_MIRROR_MOUNTAIN,
     .description = "The shores of a lake shrouded by an everlasting mist."},
    {.id = LOC_SCARLET_MANSION, .name = "Scarlet Mansion", .south = LOC_MISTY_LAKE,
     .description = "An elegant mansion where the walls are decorated in a haunting scarlet..."},
    {.id = LOC_ICE_CAVERN, .name = "Ice Cavern", .west = LOC_MISTY_LAKE, .down = LOC_FROZEN_DEPTHS,
     .description = "A chilly blue cavern frozen over with an eternal permafrost."},
    {.id = LOC_ANCIENT_PYRAMID, .name = "Ancient Pyramid", .south = LOC_DUSTY_DESERT, .gold = 500,
     .dark = true,
     .description = "The dusty ruins of a long-forgotten desert ruler's tomb."},
    {.id = LOC_HELL, .name = "Infernal Realm",
     .description = "A wretched cavernous realm of scorched rock and roaring flame, where the "
                    "damned are forgotten..."},
    {.id = LOC_LAKE_OF_BLOOD, .name = "Lake of Blood", .north = LOC_PRISMATIC_PALACE,
     .east = LOC_MIRROR_MOUNTAIN, .west = LOC_ASHEN_CAVE,
     .description = "The shores of a strange lake, where the water glimmers an eerie crimson..."},
    {.id = LOC_PRISMATIC_PALACE, .name = "Prismatic Palace", .south = LOC_LAKE_OF_BLOOD,
     .description = "An elegant palace where the walls shimmer and gleam in a kaleidoscope of "
                    "colours."},
    {.id = LOC_PALE_GARDEN, .name = "Pale Garden", .west = LOC_OLD_CASTLE,
     .description = "A hauntingly beautfiul garden covered wall-to-wall in white roses."},
    {.id = LOC_SEAFOAM_CAVE, .name = "Seafoam Cave", .west = LOC_QUIET_BEACH, .gold = 50,
     .dark = true,
     .description = "A small seaside cavern where the waves lap against the rocks and water drips "
                    "from the ceiling."},
    {.id = LOC_CAVERNOUS_DEPTHS, .name = "Cavernous Depths", .up = LOC_SMALL_CAVE, .gold = 50,
     .dark = true,
     .description = "The deep depths of a cavernous underground room, filled with stalagmites and "
                    "stalagtites."},
    {.id = LOC_SEA_TURTLE_ROCKS, .name = "Sea Turtle Rocks", .north = LOC_RUSHING_RIVERBANK,
     .east = LOC_QUIET_BEACH,
     .description = "Worn boulders jut from the surf like the backs of giant turtles. A hush of "
                    "wind hangs in the air."},
    {.id = LOC_TOWER_BASEMENT, .name = "Tower Basement", .up = LOC_TWISTED_TOWER, .dark = true,
     .description = "An exquisitely decorated underground chamber where faint runes glow amidst "
                    "the dim candlelight."},
    {.id = LOC_ASHEN_CAVE, .name = "Ashen Cave", .east = LOC_LAKE_OF_BLOOD,
     .down = LOC_ASHEN_DEPTHS, .dark = true,
     .description = "A shadowy cavern as black as soot and ash. The walls look as though they've "
                    "been burnt..."},
    {.id = LOC_BLACKSMITHS_FORGE, .name = "Blacksmith's Forge", .west = LOC_TOWN_MARKET,
     .description = "A blacksmith's workshop with a central forge, a kiln to the side, and "
                    "metalwork adorning the walls."},
    {.id = LOC_ASHEN_DEPTHS, .name = "Ashen Depths", .up = LOC_ASHEN_CAVE,
     .down = locked(LOC_FORGOTTEN_RUINS, KEY_RUINS), .dark = true,
     .description = "Underground depths as dark as a starless night sky. There is neither light "
                    "nor warmth down here."},
    {.id = LOC_FORGOTTEN_RUINS, .name = "Forgotten Ruins", .up = LOC_ASHEN_DEPTHS, .dark = true,
     .description = "The decaying ancient ruins of a long-forgotten kingdom, buried deep amidst "
                    "the stench of death."},
    {.id = LOC_FROZEN_DEPTHS, .name = "Frozen Depths", .east = LOC_STARRY_CAVE,
     .up = LOC_ICE_CAVERN, .dark = true,
     .description = "An icy cavern decorated in a thick layer of snow with icicles hanging from "
                    "the ceiling."},
    {.id = LOC_OLD_TRAIL, .name = "Old Trail", .north = LOC_VILLAGE, .south = LOC_QUIET_BEACH,
     .east = LOC_SUNSET_RIDGE, .west = LOC_RUSHING_RIVERBANK,
     .description = "A winding dirt road, dusty and lonely, leading between various locations."},
    {.id = LOC_RUSHING_RIVERBANK, .name = "Rushing Riverbank", .south = LOC_SEA_TURTLE_ROCKS,
     .east = LOC_OLD_TRAIL,
     .description = "The bank of a wild river, where the currents rush forth and out towards the "
                    "sea..."},
    {.id = LOC_SUNSET_RIDGE, .name = "Sunset Ridge", .west = LOC_OLD_TRAIL,
     .description = "A spectacular ridge overlooking the coastline, dappled in orange flowers like "
                    "a warm sunset."},
    {.id = LOC_COLLAPSED_TUNNEL, .name = "Collapsed Tunnel", .west = LOC_DEEP_VALLEY, .gold = 50,
     .dark = true,
     .description = "A tunnel that once lead between the valley and another location. Now caved "
                    "in, it is impassible."},
    {.id = LOC_STARFALL_HILL, .name = "Starfall Hill", .down = LOC_STARRY_CAVE,
     .description = "A hill coated in an oddly blue grass, dotted about with green flowers that "
                    "resemble fallen stars."},
    {.id = LOC_STARRY_CAVE, .name = "Starry Cave", .west = LOC_FROZEN_DEPTHS,
     .up = LOC_STARFALL_HILL, .gold = 50, .dark = true,
     .description = "An underground cavern where the ceiling sparkles like a menagerie of "
                    "twinkling stars."},
    {.id = LOC_UNDERGROWTH, .name = "Undergrowth", .up = LOC_PALE_GARDEN, .dark = true,
     .description = "A room below ground filled from wall-to-wall with a seemingly endless tangle "
                    "of vines."},
};
// clang-format on

struct ItemPlacement {
    LocationId place;
    ItemId item;
};

// The items lying about the map when a journey begins.
// clang-format off
constexpr ItemPlacement ITEM_PLACEMENTS[] = {
    {LOC_MAGIC_FOREST, ITEM_MUSHROOM},
    {LOC_OLD_CASTLE, ITEM_GOBLET},
    {LOC_QUIET_BEACH, ITEM_SEASHELL},
    {LOC_DEEP_VALLEY, ITEM_LILY},
    {LOC_TWISTED_TOWER, ITEM_SMALL_POTION},
    {LOC_CASTLE_DUNGEON, ITEM_TOWER_KEY},
    {LOC_MYSTERIOUS_LIBRARY, ITEM_SPELLBOOK},
    {LOC_SMALL_GARDEN, ITEM_CUCUMBER},
    {LOC_CRYSTAL_MINES, ITEM_AMETHYST},
    {LOC_MOUNTAIN_SUMMIT, ITEM_VIOLET},
    {LOC_ANCIENT_PYRAMID, ITEM_SCIMITAR},
    {LOC_LAKE_OF_BLOOD, ITEM_BLACK_ROSE},
    {LOC_CAVERNOUS_DEPTHS, ITEM_BONE},
    {LOC_SEA_TURTLE_ROCKS, ITEM_TURTLE_SHELL},
    {LOC_FROZEN_DEPTHS, ITEM_FROSTED_LEAF},
    {LOC_COLLAPSED_TUNNEL, ITEM_RUSTY_BATTLEAXE},
    {LOC_UNDERGROWTH, ITEM_RUINS_KEY},
};
// clang-format on

constexpr bool wayIsSound(const PlaceRow& from, const Way& way)
{
    if (way.to == LOC_NOWHERE) return way.lock == WAY_OPEN && way.key == KEY_NONE;
    if (!isPlace(way.to) || way.to == from.id) return false;
    if (way.lock == WAY_LOCKED) return way.key >= KEY_TOWER && way.key <= NUM_KEYS;
    return way.key == KEY_NONE && (way.lock == WAY_OPEN || way.lock == WAY_BLOCKED);
}

// Every way leads to a real place other than the one it leaves, and every lock has a key.
constexpr bool waysAreSound()
{
    for (const PlaceRow& place : MAP)
        for (const Way& way :
             {place.north, place.south, place.east, place.west, place.up, place.down})
            if (!wayIsSound(place, way)) return false;
    return true;
}

constexpr bool placementsAreSound()
{
    for (const ItemPlacement& one : ITEM_PLACEMENTS) {
        if (!isPlace(one.place) || !isRealItem(one.item)) return false;
        for (const ItemPlacement& other : ITEM_PLACEMENTS)
            if (&one != &other && one.place == other.place) return false;
    }
    return true;
}

static_assert(idsCountFrom(LOC_VILLAGE, MAP), "map rows must stand in the order of their ids");
static_assert(waysAreSound(), "a way leads nowhere real or names no key");
static_assert(placementsAreSound(), "a starting item lies nowhere real, or two share a place");

constexpr Location toLocation(const PlaceRow& row)
{
    Location place{};
    place.id = row.id;
    setText(place.name, row.name);
    const Way ways[NUM_DIRECTIONS] = {row.north, row.south, row.east, row.west, row.up, row.down};
    for (int dir = 0; dir < NUM_DIRECTIONS; ++dir) {
        place.exits[dir] = ways[dir].to;
        place.exitLocks[dir] = ways[dir].lock;
        place.exitKeys[dir] = ways[dir].key;
    }
    place.gold = row.gold;
    place.isDark = row.dark;
    place.isLit = !row.dark;
    setText(place.description, row.description);
    return place;
}

} // namespace

constexpr std::array<Location, NUM_LOCATIONS> locations = recordsFrom(MAP, toLocation);

void initLocations(GameState* state)
{
    // Each place gets a fresh copy from the state's catalogue, so wear starts full.
    for (const ItemPlacement& placement : ITEM_PLACEMENTS)
        state->locations[placement.place].item = state->items[placement.item];
}
