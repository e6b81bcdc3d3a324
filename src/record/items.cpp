// The item catalogue. Everything the player can hold starts as a copy of one of these rows;
// a copy wears on its own, the row stays as new.
//
// Subtypes: weapons 1 blade, 2 axe, 3 scythe; armour 1; accessories boost 1 attack,
// 2 defence, 3 maximum HP; instruments 0 flute, 1 lyre; lights 0 candle, 1 lantern, 2 lamp oil.
// Power: a key's number opens the lock of the same number; an instrument's is the one place
// it works; a light's is how many turns it burns.
#include "items.h"

#include "tableRows.h"

namespace {

// A catalogue row as written below: what it leaves out is a plain keepsake of no worth.
struct ItemRow {
    ItemId id;
    const char* name;
    ItemType type = ITEM_MISC;
    int32_t subtype = 0;
    int32_t power = 0;
    int32_t price = 0;
    int32_t durability = 0;             // uses or hits a new one lasts
    bool unbreakable = durability == 0; // what never wears counts no uses
    const char* description;
};

// clang-format off
constexpr ItemRow CATALOGUE[NUM_ITEMS] = {
    {.id = ITEM_EMPTY, .name = "Empty", .unbreakable = false, .description = "Nothing."},
    {.id = ITEM_SWORD, .name = "Sword", .type = ITEM_WEAPON, .subtype = WEAPON_BLADE, .power = 4, .price = 40,
     .durability = 40,
     .description = "A short, sturdy sword."},
    {.id = ITEM_TUNIC, .name = "Tunic", .type = ITEM_ARMOUR, .subtype = ARMOUR_BODY, .power = 2, .price = 40,
     .durability = 30,
     .description = "A simple cloth tunic, worn and faded but reliable."},
    {.id = ITEM_SMALL_POTION, .name = "Small Potion", .type = ITEM_POTION, .power = 10, .price = 25,
     .durability = 1,
     .description = "A small red potion in a corked vial."},
    {.id = ITEM_BLUE_RING, .name = "Blue Ring", .type = ITEM_ACCESSORY, .subtype = ACCESSORY_DEFENCE, .power = 5,
     .price = 100,
     .description = "A small silver ring inset with a gleaming sapphire. Boosts the wearer's "
                    "fortitude."},
    {.id = ITEM_GOBLET, .name = "Goblet", .type = ITEM_TREASURE, .price = 10,
     .description = "A rather ordinary-looking bronze goblet."},
    {.id = ITEM_BATTLEAXE, .name = "Battleaxe", .type = ITEM_WEAPON, .subtype = WEAPON_AXE, .power = 6,
     .price = 80, .durability = 70,
     .description = "A mighty battleaxe, robust and good for cleaving."},
    {.id = ITEM_SEASHELL, .name = "Seashell", .price = 10,
     .description = "A small seashell, that she sells by the sea shore."},
    {.id = ITEM_SPELLBOOK, .name = "Spellbook", .type = ITEM_BOOK, .price = 5,
     .description = "An enchanted tome containing a myriad of powerful spells..."},
    {.id = ITEM_TOWER_KEY, .name = "Tower Key", .type = ITEM_KEY, .power = KEY_TOWER,
     .description = "An ornate black key with a picture of a book etched onto it."},
    {.id = ITEM_SCIMITAR, .name = "Scimitar", .type = ITEM_WEAPON, .subtype = WEAPON_BLADE, .power = 8,
     .price = 120, .durability = 80,
     .description = "A curved blade, often used by desert bandits."},
    {.id = ITEM_TALISMAN, .name = "Talisman", .type = ITEM_TREASURE, .price = 250,
     .description = "A round talisman inscribed with linguistic symbols from a distant land."},
    {.id = ITEM_RUSTY_BATTLEAXE, .name = "Rusty Battleaxe", .type = ITEM_WEAPON, .subtype = WEAPON_AXE,
     .power = 5, .price = 60, .durability = 30,
     .description = "A once-mighty battleaxe, worn and rusted by time..."},
    {.id = ITEM_LILY, .name = "Lily", .price = 10, .description = "A beautiful and elegant lily."},
    {.id = ITEM_COOKBOOK, .name = "Cookbook", .type = ITEM_BOOK, .price = 10,
     .description = "A handy-dandy cookbook, chock full of useful recipes."},
    {.id = ITEM_RUSTY_DAGGER, .name = "Rusty Dagger", .type = ITEM_WEAPON, .subtype = WEAPON_BLADE, .power = 2,
     .price = 10, .durability = 25,
     .description = "A rusty old dagger, inscribed with the words 'Property of Greedo.'"},
    {.id = ITEM_AMETHYST, .name = "Amethyst", .type = ITEM_TREASURE, .price = 10,
     .description = "A sparkling amethyst that glitters under the sunlight."},
    {.id = ITEM_ORNATE_COIN, .name = "Ornate Coin", .type = ITEM_TREASURE, .price = 10,
     .description = "A strange and ornate large coin, etched with a grinning face..."},
    {.id = ITEM_CELLAR_KEY, .name = "Cellar Key", .type = ITEM_KEY, .power = KEY_CELLAR,
     .description = "The key to Evelyn's cellar; small, worn and crafted from bronze."},
    {.id = ITEM_FLUTE, .name = "Flute", .type = ITEM_INSTRUMENT, .power = LOC_MAGIC_FOREST,
     .price = 10,
     .description = "A small flute intricately carved out of wood."},
    {.id = ITEM_VIOLET, .name = "Violet", .price = 10,
     .description = "An enchantingly beautiful violet flower."},
    {.id = ITEM_MANSION_KEY, .name = "Mansion Key", .type = ITEM_KEY, .power = KEY_MANSION,
     .description = "A scarlet key with an insignia of a crown on it."},
    {.id = ITEM_PYRAMID_KEY, .name = "Pyramid Key", .type = ITEM_KEY, .power = KEY_PYRAMID,
     .description = "A twisted golden key with a triangular shape at the top."},
    {.id = ITEM_FISH, .name = "Fish", .price = 10,
     .description = "A delicious fresh fish, favoured among penguins."},
    {.id = ITEM_MUSHROOM, .name = "Mushroom", .price = 10,
     .description = "A red-and-white spotted mushroom. Fairies are said to like these."},
    {.id = ITEM_CANDLE, .name = "Candle", .type = ITEM_LIGHT, .power = 10, .price = 15,
     .durability = 1,
     .description = "A small white candle, used to illuminate dark spaces."},
    {.id = ITEM_LANTERN, .name = "Lantern", .type = ITEM_LIGHT, .subtype = LIGHT_LANTERN, .power = 100,
     .price = 150,
     .description = "A hefty brass lantern, used to illuminate dark spaces. Requires Lamp Oil."},
    {.id = ITEM_CUIRASS, .name = "Cuirass", .type = ITEM_ARMOUR, .subtype = ARMOUR_BODY, .power = 5,
     .price = 100, .durability = 60,
     .description = "A sturdy leather cuirass offering better protection."},
    {.id = ITEM_RUINS_KEY, .name = "Ruins Key", .type = ITEM_KEY, .power = KEY_RUINS,
     .description = "An mysterious red key marred with ash and soot..."},
    {.id = ITEM_BLACK_ROSE, .name = "Black Rose", .price = 10,
     .description = "A hauntingly beautiful black rose that exudes a queenly aura."},
    {.id = ITEM_BONE, .name = "Bone", .price = 10,
     .description = "A smooth femur bone, likely from a fallen adventurer..."},
    {.id = ITEM_TURTLE_SHELL, .name = "Turtle Shell", .price = 60,
     .description = "A large turtle shell, smooth and weathered. It gives off a calming aura."},
    {.id = ITEM_RED_RING, .name = "Red Ring", .type = ITEM_ACCESSORY, .subtype = ACCESSORY_ATTACK, .power = 5,
     .price = 100,
     .description = "A small gold ring inset with a gleaming ruby. Strengthens the wearer's "
                    "strikes."},
    {.id = ITEM_GREEN_RING, .name = "Green Ring", .type = ITEM_ACCESSORY, .subtype = ACCESSORY_HEALTH, .power = 10,
     .price = 200,
     .description = "A small platinum ring inset with a gleaming emerald. Enhances the wearer's "
                    "constitution."},
    {.id = ITEM_LAMP_OIL, .name = "Lamp Oil", .type = ITEM_LIGHT, .subtype = LIGHT_LAMP_OIL, .price = 25,
     .durability = 1,
     .description = "A flask of oil used to refuel a Lantern."},
    {.id = ITEM_LARGE_POTION, .name = "Large Potion", .type = ITEM_POTION, .power = 40,
     .price = 100, .durability = 1,
     .description = "A large red potion in a glimmering rounded flask."},
    {.id = ITEM_BLUE_AMULET, .name = "Blue Amulet", .type = ITEM_ACCESSORY, .subtype = ACCESSORY_DEFENCE,
     .power = 10, .price = 300,
     .description = "A shimmering sapphire amulet that adorns the wearer's neck. Enhances one's "
                    "fortitude."},
    {.id = ITEM_RED_AMULET, .name = "Red Amulet", .type = ITEM_ACCESSORY, .subtype = ACCESSORY_ATTACK, .power = 10,
     .price = 300,
     .description = "A gleaming ruby amulet that adorns the wearer's neck. Enhances one's strikes "
                    "and blows."},
    {.id = ITEM_GREEN_AMULET, .name = "Green Amulet", .type = ITEM_ACCESSORY, .subtype = ACCESSORY_HEALTH,
     .power = 20, .price = 600,
     .description = "A shining emerald amulet that adorns the wearer's neck. Enhances one's "
                    "constitution."},
    {.id = ITEM_BROADSWORD, .name = "Broadsword", .type = ITEM_WEAPON, .subtype = WEAPON_BLADE, .power = 12,
     .price = 200, .durability = 100,
     .description = "A large and elegant broadsword with a jewel inset into the hilt."},
    {.id = ITEM_CHAINMAIL, .name = "Chainmail", .type = ITEM_ARMOUR, .subtype = ARMOUR_BODY, .power = 10,
     .price = 200, .durability = 80,
     .description = "A sturdy vest woven from a series of interlocking chains."},
    {.id = ITEM_LYRE, .name = "Lyre", .type = ITEM_INSTRUMENT, .subtype = INSTRUMENT_LYRE,
     .power = LOC_STARFALL_HILL, .price = 10,
     .description = "An old wooden lyre engraved with a series of strange markings."},
    {.id = ITEM_FROSTED_LEAF, .name = "Frosted Leaf", .price = 10,
     .description = "A green leaf encased in a layer of shimmering permafrost."},
    {.id = ITEM_MOONS_TEAR, .name = "Moon's Tear", .type = ITEM_TREASURE, .price = 10,
     .description = "A beautiful teardrop-shaped blue stone etched with a pattern of a star."},
    {.id = ITEM_CRYSTAL_HEART, .name = "Crystal Heart", .type = ITEM_TREASURE, .price = 10,
     .description = "A crystalline stone in the shape of a heart, glimmering with the colours of a "
                    "rainbow."},
    {.id = ITEM_UMBER_SCYTHE, .name = "Umber Scythe", .type = ITEM_WEAPON, .subtype = WEAPON_SCYTHE,
     .power = 15, .price = 1000, .durability = 100,
     .description = "A scythe as black as night, forged from a mix of onyx and obsidian."},
    {.id = ITEM_CUCUMBER, .name = "Cucumber", .price = 10,
     .description = "A hearty green cucumber. Monsters that dwell by rivers are said to like "
                    "these."},
    {.id = ITEM_EXCALIBUR, .name = "Excalibur", .type = ITEM_WEAPON, .subtype = WEAPON_BLADE, .power = 20,
     .price = 2000, .durability = 999, .unbreakable = true,
     .description = "The legendary blade once wielded by the legendary king himself."},
};
// clang-format on

// Items are found by the name the player types, whatever its letter case.
constexpr bool namesAreUnique()
{
    for (const ItemRow& one : CATALOGUE)
        for (const ItemRow& other : CATALOGUE)
            if (&one != &other && sameWord(one.name, other.name)) return false;
    return true;
}

constexpr int keysNumbered(int32_t number)
{
    int count = 0;
    for (const ItemRow& row : CATALOGUE)
        count += row.type == ITEM_KEY && row.power == number;
    return count;
}

// Each lock number has exactly one key, and every key carries a lock's number.
constexpr bool everyLockHasOneKey()
{
    for (int number = KEY_TOWER; number <= NUM_KEYS; ++number)
        if (keysNumbered(number) != 1) return false;
    for (const ItemRow& row : CATALOGUE)
        if (row.type == ITEM_KEY && (row.power < KEY_TOWER || row.power > NUM_KEYS)) return false;
    return true;
}

constexpr bool instrumentsPlayInRealPlaces()
{
    for (const ItemRow& row : CATALOGUE)
        if (row.type == ITEM_INSTRUMENT && !isPlace(row.power)) return false;
    return true;
}

constexpr bool nothingIsBornBroken()
{
    for (const ItemRow& row : CATALOGUE)
        if (row.id != ITEM_EMPTY && !row.unbreakable && row.durability <= 0) return false;
    return true;
}

static_assert(idsCountFrom(ITEM_EMPTY, CATALOGUE),
              "catalogue rows must stand in the order of their ids");
static_assert(namesAreUnique(), "two items answer to the same name");
static_assert(everyLockHasOneKey(), "a lock number needs exactly one key");
static_assert(instrumentsPlayInRealPlaces(), "an instrument names a place that does not exist");
static_assert(nothingIsBornBroken(), "an item that wears must have uses to lose");

constexpr Item toItem(const ItemRow& row)
{
    Item item{.id = row.id,
              .name = {},
              .type = row.type,
              .subtype = row.subtype,
              .power = row.power,
              .price = row.price,
              .unbreakable = row.unbreakable,
              .durability = row.durability,
              .maxDurability = row.durability, // a new one is unworn
              .description = {}};
    setText(item.name, row.name);
    setText(item.description, row.description);
    return item;
}

} // namespace

constexpr std::array<Item, NUM_ITEMS> items = recordsFrom(CATALOGUE, toItem);
