// The whole world in one plain record. A saved game is exactly these bytes,
// gzip-compressed, so every size and offset below is part of the save format.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

constexpr int NUM_LOCATIONS = 45;
constexpr int NUM_ITEMS = 48;
constexpr int NUM_CHARACTERS = 29; // slot 0 is a blank, 1..28 are characters
constexpr int NUM_SLOTS = 13;      // 0..9 carried, then weapon, armour, accessory
constexpr int NUM_CARRIED = 10;
constexpr int NUM_DIRECTIONS = 6; // north, south, east, west, up, down

constexpr int SLOT_WEAPON = 10;
constexpr int SLOT_ARMOUR = 11;
constexpr int SLOT_ACCESSORY = 12;

constexpr int NAME_LEN = 20;
constexpr int LOCATION_NAME_LEN = 32;
constexpr int TEXT_LEN = 100;

enum ItemType : int32_t {
    ITEM_MISC = 0,
    ITEM_WEAPON = 1,
    ITEM_ARMOUR = 2,
    ITEM_ACCESSORY = 3,
    ITEM_POTION = 4,
    ITEM_KEY = 5,
    ITEM_TREASURE = 6,
    ITEM_BOOK = 7,
    ITEM_INSTRUMENT = 8,
    ITEM_LIGHT = 9,
};

enum CharacterKind : int32_t {
    KIND_PLAYER = 0,
    KIND_MERCHANT = 1,
    KIND_MONSTER = 2,
    KIND_FRIENDLY = 3,
    KIND_STATUE = 4,
    KIND_ANIMAL = 5,
    KIND_BLACKSMITH = 6,
    KIND_FAE = 7,
    KIND_GOD = 8,
    KIND_DEVIL = 9,
    KIND_BLACK_QUEEN = 10,
    KIND_WHITE_QUEEN = 11,
};

// Character::sex. Anything else is spoken of as neither.
enum Sex : int32_t { SEX_UNSET = 0, SEX_MALE = 1, SEX_FEMALE = 2, SEX_OTHER = 3 };

// Item::subtype, by item type. An accessory: the stat it raises.
enum AccessoryKind : int32_t { ACCESSORY_ATTACK = 1, ACCESSORY_DEFENCE = 2, ACCESSORY_HEALTH = 3 };
// A weapon: what the player swings (anything else attacks bare-handed).
enum WeaponKind : int32_t { WEAPON_BLADE = 1, WEAPON_AXE = 2, WEAPON_SCYTHE = 3 };
enum ArmourKind : int32_t { ARMOUR_BODY = 1 };
enum LightKind : int32_t { LIGHT_CANDLE = 0, LIGHT_LANTERN = 1, LIGHT_LAMP_OIL = 2 };
enum InstrumentKind : int32_t { INSTRUMENT_FLUTE = 0, INSTRUMENT_LYRE = 1 };

// Character::cooldown of a queen turned against the player: she never calms down.
constexpr int32_t NEVER_CALMS = 999;

enum Direction : int { DIR_NORTH, DIR_SOUTH, DIR_EAST, DIR_WEST, DIR_UP, DIR_DOWN };

enum LockState : int32_t { WAY_OPEN = 0, WAY_LOCKED = 1, WAY_BLOCKED = 2 };

struct Item {
    int32_t id;
    char name[NAME_LEN];
    int32_t type;
    int32_t subtype;
    int32_t power;
    int32_t price;
    bool unbreakable;
    int32_t durability;
    int32_t maxDurability;
    char description[TEXT_LEN];
};

struct Location {
    int32_t id;
    char name[LOCATION_NAME_LEN];
    int32_t exits[NUM_DIRECTIONS];
    int32_t exitLocks[NUM_DIRECTIONS];
    int32_t exitKeys[NUM_DIRECTIONS];
    Item item;
    int32_t gold;
    bool isDark;
    bool isLit;
    char description[TEXT_LEN];
};

struct Character {
    int32_t id;
    char name[NAME_LEN];
    int32_t sex;
    int32_t baseMaxHp;
    int32_t maxHp;
    int32_t hp;
    int32_t baseAtk;
    int32_t atk;
    int32_t baseDef;
    int32_t def;
    int32_t gold;
    Item inventory[NUM_SLOTS];
    int32_t locationId;
    int32_t kind;
    char species[NAME_LEN];
    char description[TEXT_LEN];
    char dialogueGood[TEXT_LEN];
    char dialogueNeutral[TEXT_LEN];
    char dialogueBad[TEXT_LEN];
    int32_t favouriteItemId;
    bool hostile;
    int32_t trust;
    bool alive;
    int32_t cooldown;
    bool huggable;
};

struct GameState {
    Location locations[NUM_LOCATIONS];
    Item items[NUM_ITEMS];
    Character characters[NUM_CHARACTERS];
    Character player;
    bool turnTaken;
    int32_t minutesPassed;
    int32_t lightTurns;
    bool blackQueenSlain;
    bool soundOn;
    int32_t faeState;
    bool starGiftFallen;
};

// Fae encounter progress (GameState::faeState).
enum FaeState : int32_t {
    FAE_UNMET = 0,
    FAE_SUMMONED = 1,
    FAE_TOOK_NAME = 2,
    FAE_REFUSED = 3,
    FAE_GAVE_GOLD = 4,
};

// ---- The save format, proven at compile time --------------------------------
static_assert(std::endian::native == std::endian::little, "saves are little-endian records");
static_assert(sizeof(bool) == 1);

static_assert(sizeof(Item) == 152);
static_assert(offsetof(Item, id) == 0);
static_assert(offsetof(Item, name) == 4);
static_assert(offsetof(Item, type) == 24);
static_assert(offsetof(Item, subtype) == 28);
static_assert(offsetof(Item, power) == 32);
static_assert(offsetof(Item, price) == 36);
static_assert(offsetof(Item, unbreakable) == 40);
static_assert(offsetof(Item, durability) == 44);
static_assert(offsetof(Item, maxDurability) == 48);
static_assert(offsetof(Item, description) == 52);

static_assert(sizeof(Location) == 368);
static_assert(offsetof(Location, id) == 0);
static_assert(offsetof(Location, name) == 4);
static_assert(offsetof(Location, exits) == 36);
static_assert(offsetof(Location, exitLocks) == 60);
static_assert(offsetof(Location, exitKeys) == 84);
static_assert(offsetof(Location, item) == 108);
static_assert(offsetof(Location, gold) == 260);
static_assert(offsetof(Location, isDark) == 264);
static_assert(offsetof(Location, isLit) == 265);
static_assert(offsetof(Location, description) == 266);

static_assert(sizeof(Character) == 2488);
static_assert(offsetof(Character, id) == 0);
static_assert(offsetof(Character, name) == 4);
static_assert(offsetof(Character, sex) == 24);
static_assert(offsetof(Character, baseMaxHp) == 28);
static_assert(offsetof(Character, maxHp) == 32);
static_assert(offsetof(Character, hp) == 36);
static_assert(offsetof(Character, baseAtk) == 40);
static_assert(offsetof(Character, atk) == 44);
static_assert(offsetof(Character, baseDef) == 48);
static_assert(offsetof(Character, def) == 52);
static_assert(offsetof(Character, gold) == 56);
static_assert(offsetof(Character, inventory) == 60);
static_assert(offsetof(Character, locationId) == 2036);
static_assert(offsetof(Character, kind) == 2040);
static_assert(offsetof(Character, species) == 2044);
static_assert(offsetof(Character, description) == 2064);
static_assert(offsetof(Character, dialogueGood) == 2164);
static_assert(offsetof(Character, dialogueNeutral) == 2264);
static_assert(offsetof(Character, dialogueBad) == 2364);
static_assert(offsetof(Character, favouriteItemId) == 2464);
static_assert(offsetof(Character, hostile) == 2468);
static_assert(offsetof(Character, trust) == 2472);
static_assert(offsetof(Character, alive) == 2476);
static_assert(offsetof(Character, cooldown) == 2480);
static_assert(offsetof(Character, huggable) == 2484);

static_assert(sizeof(GameState) == 98520);
static_assert(offsetof(GameState, locations) == 0);
static_assert(offsetof(GameState, items) == 16560);
static_assert(offsetof(GameState, characters) == 23856);
static_assert(offsetof(GameState, player) == 96008);
static_assert(offsetof(GameState, turnTaken) == 98496);
static_assert(offsetof(GameState, minutesPassed) == 98500);
static_assert(offsetof(GameState, lightTurns) == 98504);
static_assert(offsetof(GameState, blackQueenSlain) == 98508);
static_assert(offsetof(GameState, soundOn) == 98509);
static_assert(offsetof(GameState, faeState) == 98512);
static_assert(offsetof(GameState, starGiftFallen) == 98516);
