// The cast: the 28 characters as they stand when a journey begins. Start-up copies each
// template into the slot of the same number and then hands out the starting items below, as
// fresh copies from the catalogue. Inventories are left all zero here on purpose.
#include "characterTable.h"

#include "tableRows.h"

namespace {

// A character as written below. Hit points, attack and defence are given once; a template
// holds each as base and current value alike. What a row leaves out is a calm stranger with
// no gold, no wish and nothing to say.
struct CharacterRow {
    CharacterId id;
    const char* name;
    const char* species;
    CharacterKind kind;
    Sex sex; // unset for statues
    LocationId at;
    int32_t hp;
    int32_t atk;
    int32_t def;
    int32_t gold = 0;
    ItemId favourite = ITEM_NONE;
    bool hostile = false;
    int32_t trust = 0;
    int32_t cooldown = 0;
    bool huggable = false;
    const char* description;
    const char* good = "";
    const char* neutral = "";
    const char* bad = "";
};

// clang-format off
constexpr CharacterRow CAST[NUM_CHARACTERS - CHARACTER_GREEDO] = {
    {.id = CHARACTER_GREEDO, .name = "Greedo", .species = "merchant", .kind = KIND_MERCHANT, .sex = SEX_MALE,
     .at = LOC_TOWN_MARKET, .hp = 80, .atk = 5, .def = 4, .gold = 1000,
     .favourite = ITEM_RUSTY_DAGGER,
     .description = "A short, stout merchant with a fine handlebar moustache.",
     .good = "Lamp Oil? Potions? Battleaxes? Its yours, my friend...as long as you have enough "
             "gold!",
     .neutral = "Sorry, I can't give credit! Come back when you're a little...mmm, richer!"},
    {.id = CHARACTER_HANBO, .name = "Hanbo", .species = "merchant", .kind = KIND_MERCHANT, .sex = SEX_MALE,
     .at = LOC_TOWER_ROOF, .hp = 70, .atk = 6, .def = 3, .gold = 1200,
     .favourite = ITEM_ORNATE_COIN,
     .description = "A tall, spindly merchant with a greasy goatee.",
     .good = "Of course I'm on your side, but I still have to sell the stuff...!",
     .neutral = "Sorry, not enough gold. You'll have to scavenge around to afford that!"},
    {.id = CHARACTER_GOBLIN, .name = "Harfam", .species = "goblin", .kind = KIND_MONSTER, .sex = SEX_MALE,
     .at = LOC_SMALL_CAVE, .hp = 30, .atk = 6, .def = 3, .gold = 10, .favourite = ITEM_TALISMAN,
     .description = "A garish green goblin dressed in scraggly rags.",
     .good = "Hmm...me hear of you. You get me a shiny...?",
     .neutral = "Grr...no loiter in my cave! Ah, me want shiny...",
     .bad = "Grr...! Me hear of you! Get out of my cave!"},
    {.id = CHARACTER_CLARA, .name = "Clara", .species = "librarian", .kind = KIND_FRIENDLY, .sex = SEX_FEMALE,
     .at = LOC_MYSTERIOUS_LIBRARY, .hp = 200, .atk = 20, .def = 10, .favourite = ITEM_LILY,
     .huggable = true,
     .description = "A bookish woman with brown hair wearing a grey cardigan.",
     .good = "Hey, I've heard of you! You're supposed to be really nice!",
     .neutral = "Hey, there! Wanna vibe? I've got the best vibes around!",
     .bad = "Oh...I've heard bad things about you, you know..."},
    {.id = CHARACTER_EVELYN, .name = "Evelyn", .species = "villager", .kind = KIND_FRIENDLY, .sex = SEX_FEMALE,
     .at = LOC_LITTLE_HOUSE, .hp = 73, .atk = 7, .def = 5, .favourite = ITEM_COOKBOOK, .trust = 10,
     .huggable = true,
     .description = "An elderly woman with curly white hair wearing blue clothes.",
     .good = "Oh! Hello, dearie! Fancy a cup of tea?",
     .neutral = "Oh, lawsie me! You want a challenge...!",
     .bad = "You rapscallion! Get out of my abode!"},
    {.id = CHARACTER_FREDDIE, .name = "Freddie", .species = "ogre", .kind = KIND_MONSTER, .sex = SEX_MALE,
     .at = LOC_MIRROR_MOUNTAIN, .hp = 70, .atk = 9, .def = 7, .favourite = ITEM_SEASHELL,
     .description = "A hulking ogre wielding a club and wearing a tattered yellow tunic.",
     .good = "~ La-dee-da, the sun is on the summit and a friend is on the path! Sing along now, "
             "la-dee-da! ~",
     .neutral = "~ Hmm-hmm, who comes a-climbing up my mountain, and what have they got in their "
                "pack? Hmm-hmm? ~",
     .bad = "~ You trampled all my flowers and you frightened all my goats, and the mountain won't "
            "forget! ~"},
    {.id = CHARACTER_WERUH, .name = "Weruh", .species = "treasure hunter", .kind = KIND_FRIENDLY,
     .sex = SEX_MALE, .at = LOC_OLD_CASTLE, .hp = 50, .atk = 8, .def = 6, .favourite = ITEM_AMETHYST,
     .description = "A burly treasure hunter dressed in yellow and purple.",
     .good = "Excellent! Good luck! Hahaha!",
     .neutral = "Wa-ha-ha! I'm-a gonna win!",
     .bad = "So ein mist! Have a rotten day!"},
    {.id = CHARACTER_GOD, .name = "Aurora", .species = "God", .kind = KIND_GOD, .sex = SEX_FEMALE,
     .at = LOC_HEAVEN, .hp = 9999, .atk = 999, .def = 999, .favourite = ITEM_VIOLET, .trust = 10,
     .huggable = true,
     .description = "A blue-skinned little girl with short silver hair, blank white eyes, and "
                    "giant butterfly wings."},
    {.id = CHARACTER_NURNIC, .name = "Nurnic", .species = "ice fairy", .kind = KIND_FRIENDLY, .sex = SEX_FEMALE,
     .at = LOC_MISTY_LAKE, .hp = 90, .atk = 9, .def = 9, .favourite = ITEM_MUSHROOM,
     .description = "A petite ice fairy with blue hair wearing a decorative blue dress.",
     .good = "You're pretty cool...but nobody's cooler than me, got it?!",
     .neutral = "You think I'm dumb? I'll freeze your eyebrows off!",
     .bad = "You?! Get outta here, before I deep-freeze you!!"},
    {.id = CHARACTER_BLACK_QUEEN, .name = "Mercuria", .species = "Black Queen",
     .kind = KIND_BLACK_QUEEN, .sex = SEX_FEMALE, .at = LOC_SCARLET_MANSION, .hp = 100, .atk = 15, .def = 11,
     .favourite = ITEM_BLACK_ROSE,
     .description = "An elegant queen with pale skin dressed in all black wearing a scarlet "
                    "crown."},
    {.id = CHARACTER_TUX, .name = "Tux", .species = "penguin", .kind = KIND_FRIENDLY, .sex = SEX_MALE,
     .at = LOC_ICE_CAVERN, .hp = 50, .atk = 8, .def = 4, .favourite = ITEM_FISH, .huggable = true,
     .description = "A penguin that looks like it enjoys the taste of freedom a great deal.",
     .good = "Happy Hacking!!!",
     .neutral = "Happy Hacking!",
     .bad = "Happy Hacking...?"},
    {.id = CHARACTER_DEVIL, .name = "Seraphina", .species = "Devil", .kind = KIND_DEVIL, .sex = SEX_FEMALE,
     .at = LOC_HELL, .hp = 666, .atk = 666, .def = 666,
     .description = "A red-skinned little girl with black horns, bat wings, green hair, and "
                    "glowing yellow eyes."},
    {.id = CHARACTER_MUKIRI, .name = "Mukiri", .species = "vampire", .kind = KIND_MONSTER, .sex = SEX_FEMALE,
     .at = LOC_LAKE_OF_BLOOD, .hp = 60, .atk = 9, .def = 6, .favourite = ITEM_TURTLE_SHELL,
     .description = "A lady vampire with long blonde hair and purple wings dressed in elegant "
                    "clothes.",
     .good = "I'm the keeper of the lake! For someone like you, though, it's fine...",
     .neutral = "I'm the keeper of the lake! Don't be trespassing, got it?!",
     .bad = "I'm the keeper of the lake! The likes of you aren't welcome around here...!"},
    {.id = CHARACTER_WHITE_QUEEN, .name = "Mayterna", .species = "White Queen",
     .kind = KIND_WHITE_QUEEN, .sex = SEX_FEMALE, .at = LOC_PRISMATIC_PALACE, .hp = 250, .atk = 20,
     .def = 15, .favourite = ITEM_BLACK_ROSE,
     .description = "An elegant queen with fair skin dressed in all white wearing a golden crown."},
    {.id = CHARACTER_GARDEN_STATUE, .name = "Statue", .species = "statue", .kind = KIND_STATUE,
     .sex = SEX_UNSET, .at = LOC_PALE_GARDEN, .hp = 999, .atk = 1, .def = 99,
     .description = "A weathered stone statue of a young girl with short hair and giant butterfly "
                    "wings..."},
    {.id = CHARACTER_VILLAGE_STATUE, .name = "Statue", .species = "statue", .kind = KIND_STATUE,
     .sex = SEX_UNSET, .at = LOC_VILLAGE, .hp = 999, .atk = 1, .def = 99,
     .description = "A gleaming bronze statue of a bearded adventurer wielding a sword and "
                    "shield."},
    {.id = CHARACTER_WOLF, .name = "Koridai", .species = "wolf", .kind = KIND_ANIMAL, .sex = SEX_MALE,
     .at = LOC_MAGIC_FOREST, .hp = 20, .atk = 5, .def = 4, .favourite = ITEM_BONE,
     .description = "A black wolf with a golden streak of fur running down its back.",
     .good = "The wolf barks happily at you and wags its tail.",
     .neutral = "The wolf sniffs you curiously, then tilts its head.",
     .bad = "The wolf growls at you angrily, baring its teeth."},
    {.id = CHARACTER_SNAKE, .name = "Doug", .species = "snake", .kind = KIND_ANIMAL, .sex = SEX_MALE,
     .at = LOC_DUSTY_DESERT, .hp = 15, .atk = 6, .def = 5,
     .description = "A purple snake with a yellow patch on its underbelly.",
     .good = "The snake looks at you with a pleasant expression.",
     .neutral = "The snake yawns and coils up lazily under the sun.",
     .bad = "The snake hisses at you angrily, baring its fangs..."},
    {.id = CHARACTER_DRAGON, .name = "Ashyrn", .species = "dragon", .kind = KIND_MONSTER, .sex = SEX_MALE,
     .at = LOC_MOUNTAIN_SUMMIT, .hp = 300, .atk = 16, .def = 12, .gold = 500,
     .favourite = ITEM_GOBLET,
     .description = "A huge red dragon with glimmering yellow eyes, sharp talons, and large wings.",
     .good = "Murr...I've heard of you. You're not too bad, apparently...",
     .neutral = "Murr...leave me be. I wish only to rest and slumber peacefully...",
     .bad = "Murr...is it you, then? You better not cause me any trouble..."},
    {.id = CHARACTER_WIZARD, .name = "Gerard", .species = "wizard", .kind = KIND_FRIENDLY, .sex = SEX_MALE,
     .at = LOC_TOWER_BASEMENT, .hp = 250, .atk = 18, .def = 6, .favourite = ITEM_SPELLBOOK,
     .description = "An elderly wizard with a long grey beard wearing a cyan star-patterned robe.",
     .good = "Ah...even here, whispers of your deeds echo. You're quite honourable...",
     .neutral = "They once called me Elarion the Folded. But now? My name is simply Gerard.",
     .bad = "Hmm. There is an aura about you, and one none too pleasant at that..."},
    {.id = CHARACTER_FAE, .name = "Sithrel", .species = "fae", .kind = KIND_FAE, .sex = SEX_MALE,
     .at = LOC_NOWHERE, .hp = 400, .atk = 24, .def = 12,
     .description = "A tall hooded figure with face concealed, long antlers poking out of its "
                    "hood..."},
    {.id = CHARACTER_DWARGO, .name = "Dwargo", .species = "merchant", .kind = KIND_MERCHANT, .sex = SEX_MALE,
     .at = LOC_ASHEN_CAVE, .hp = 120, .atk = 11, .def = 9, .gold = 1500,
     .description = "A bearded dwarvish merchant wearing a scruffy tunic and an oversized "
                    "backpack.",
     .good = "Mined these meself, y'know, in a cave far darker than this...take 'em or leave 'em.",
     .neutral = "What do you think you're playing at?! I can't give this stuff away for cheap...!"},
    {.id = CHARACTER_BLACKSMITH, .name = "Durrek", .species = "blacksmith", .kind = KIND_BLACKSMITH,
     .sex = SEX_MALE, .at = LOC_BLACKSMITHS_FORGE, .hp = 115, .atk = 12, .def = 11, .gold = 500,
     .description = "A portly elderly man with greying hair and glasses wielding a large hammer."},
    {.id = CHARACTER_SKELETON, .name = "Bones", .species = "skeleton", .kind = KIND_MONSTER, .sex = SEX_MALE,
     .at = LOC_ASHEN_DEPTHS, .hp = 62, .atk = 14, .def = 10, .gold = 100,
     .favourite = ITEM_MOONS_TEAR, .hostile = true, .cooldown = NEVER_CALMS,
     .description = "An undead humanoid skeleton wielding a rusted sword and shield.",
     .good = "Pleased to see you, I am! No bones about it!",
     .neutral = "Rattles me bones, it does! Heh...",
     .bad = "Hey, watch it! I've got a bone to pick with you!"},
    {.id = CHARACTER_GOLEM, .name = "Umbroth", .species = "obsidian golem", .kind = KIND_MONSTER,
     .sex = SEX_MALE, .at = LOC_FORGOTTEN_RUINS, .hp = 200, .atk = 20, .def = 15, .gold = 1000,
     .favourite = ITEM_CRYSTAL_HEART, .hostile = true, .cooldown = NEVER_CALMS,
     .description = "A colossal golem crafted from obsidian, mighty and formidable in stature.",
     .good = "Gurrh...you seem to be a pleasant one. Stay a while, if you like...",
     .neutral = "Gurrh...these ruins are mine to guard. I have forgotten why...",
     .bad = "Gurrh...one like you should not tread here. Begone from my sight...!"},
    {.id = CHARACTER_FROZEN_STATUE, .name = "Statue", .species = "frozen statue", .kind = KIND_STATUE,
     .sex = SEX_UNSET, .at = LOC_FROZEN_DEPTHS, .hp = 999, .atk = 1, .def = 99,
     .description = "An icy blue statue coated in frost, depicting a woman who appears to be "
                    "weeping..."},
    {.id = CHARACTER_MARY_LOU, .name = "Mary-Lou", .species = "wanderer", .kind = KIND_FRIENDLY,
     .sex = SEX_FEMALE, .at = LOC_SUNSET_RIDGE, .hp = 100, .atk = 12, .def = 8, .gold = 50,
     .favourite = ITEM_FROSTED_LEAF, .huggable = true,
     .description = "A woman of great bulk with curly brown hair wearing beautifully patterned "
                    "clothes.",
     .good = "Ah, good to see you! I've heard many good things about you...!",
     .neutral = "Hello, there! Beautiful weather today, isn't it?",
     .bad = "You swine! Begone from my sight!"},
    {.id = CHARACTER_KAPPA, .name = "Mizu", .species = "kappa", .kind = KIND_MONSTER, .sex = SEX_FEMALE,
     .at = LOC_RUSHING_RIVERBANK, .hp = 88, .atk = 11, .def = 9, .gold = 120,
     .favourite = ITEM_CUCUMBER,
     .description = "A green reptiloid being with webbed hands and feet, a turtle-like carapace, "
                    "and a dish on the head.",
     .good = "I saw a fish do a flip just now! Best day ever!",
     .neutral = "The current's a bit rough today. Guess that's life.",
     .bad = "You smell like upstream sewage. Leave."},
};
// clang-format on

// What a character owns when a journey begins: carried from slot 0 up, and a weapon worn.
struct StartingItems {
    CharacterId owner;
    ItemId carried[NUM_CARRIED] = {};
    ItemId weapon = ITEM_EMPTY;
};

constexpr StartingItems STARTING_ITEMS[] = {
    {.owner = CHARACTER_GREEDO,
     .carried = {ITEM_SMALL_POTION, ITEM_LARGE_POTION, ITEM_BATTLEAXE, ITEM_CUIRASS, ITEM_CANDLE,
                 ITEM_LAMP_OIL, ITEM_LANTERN}},
    {.owner = CHARACTER_HANBO,
     .carried = {ITEM_SWORD, ITEM_SCIMITAR, ITEM_TUNIC, ITEM_BLUE_RING, ITEM_RED_RING,
                 ITEM_GREEN_RING, ITEM_TALISMAN}},
    {.owner = CHARACTER_GOBLIN, .weapon = ITEM_RUSTY_DAGGER},
    {.owner = CHARACTER_CLARA, .carried = {ITEM_COOKBOOK}},
    {.owner = CHARACTER_EVELYN, .carried = {ITEM_CELLAR_KEY}},
    {.owner = CHARACTER_FREDDIE, .carried = {ITEM_FLUTE}},
    {.owner = CHARACTER_WERUH, .carried = {ITEM_ORNATE_COIN}},
    {.owner = CHARACTER_NURNIC, .carried = {ITEM_FISH}},
    {.owner = CHARACTER_TUX, .carried = {ITEM_PYRAMID_KEY}},
    {.owner = CHARACTER_MUKIRI, .carried = {ITEM_LYRE}},
    {.owner = CHARACTER_WIZARD, .carried = {ITEM_BLUE_RING}},
    {.owner = CHARACTER_DWARGO,
     .carried = {ITEM_BROADSWORD, ITEM_CHAINMAIL, ITEM_BLUE_AMULET, ITEM_RED_AMULET,
                 ITEM_GREEN_AMULET}},
    {.owner = CHARACTER_SKELETON, .carried = {ITEM_CRYSTAL_HEART}},
    {.owner = CHARACTER_GOLEM, .carried = {ITEM_UMBER_SCYTHE}},
};

constexpr bool everyoneStandsAndWishesForRealThings()
{
    for (const CharacterRow& row : CAST) {
        if (row.at != LOC_NOWHERE && !isPlace(row.at)) return false;
        if (row.favourite != ITEM_NONE && !isRealItem(row.favourite)) return false;
    }
    return true;
}

constexpr bool answersToTheSameWord(const CharacterRow& one, const CharacterRow& other)
{
    return sameWord(one.name, other.name) || sameWord(one.name, other.species) ||
           sameWord(one.species, other.name) || sameWord(one.species, other.species);
}

// The player names a character by name or species among those standing in the same place.
constexpr bool nobodyIsMistakenForANeighbour()
{
    for (const CharacterRow& one : CAST)
        for (const CharacterRow& other : CAST)
            if (&one != &other && one.at == other.at && one.at != LOC_NOWHERE &&
                answersToTheSameWord(one, other))
                return false;
    return true;
}

constexpr bool handoutIsSound(const StartingItems& start)
{
    if (!isCharacter(start.owner)) return false;
    if (start.weapon != ITEM_EMPTY && !isRealItem(start.weapon)) return false;
    bool ended = false; // carried stock fills slots from 0 without gaps
    for (ItemId item : start.carried) {
        if (ended && item != ITEM_EMPTY) return false;
        if (item != ITEM_EMPTY && !isRealItem(item)) return false;
        ended = ended || item == ITEM_EMPTY;
    }
    return true;
}

constexpr bool startingItemsAreSound()
{
    for (const StartingItems& one : STARTING_ITEMS) {
        if (!handoutIsSound(one)) return false;
        for (const StartingItems& other : STARTING_ITEMS)
            if (&one != &other && one.owner == other.owner) return false;
    }
    return true;
}

static_assert(idsCountFrom(CHARACTER_GREEDO, CAST),
              "cast rows must stand in the order of their ids");
static_assert(everyoneStandsAndWishesForRealThings(),
              "a character names a place or item that does not exist");
static_assert(nobodyIsMistakenForANeighbour(),
              "two characters in one place answer to the same word");
static_assert(startingItemsAreSound(), "a starting item names no real owner or item");

constexpr Character toTemplate(const CharacterRow& row)
{
    Character who{};
    setText(who.name, row.name);
    setText(who.species, row.species);
    setText(who.description, row.description);
    setText(who.dialogueGood, row.good);
    setText(who.dialogueNeutral, row.neutral);
    setText(who.dialogueBad, row.bad);
    who.id = row.id;
    who.sex = row.sex;
    // Start-up does not recalculate, so the current numbers equal the base ones.
    who.baseMaxHp = who.maxHp = who.hp = row.hp;
    who.baseAtk = who.atk = row.atk;
    who.baseDef = who.def = row.def;
    who.gold = row.gold;
    who.locationId = row.at;
    who.kind = row.kind;
    who.favouriteItemId = row.favourite;
    who.hostile = row.hostile;
    who.trust = row.trust;
    who.alive = true;
    who.cooldown = row.cooldown;
    who.huggable = row.huggable;
    return who;
}

constexpr std::array<Character, NUM_CHARACTERS> buildTemplates()
{
    std::array<Character, NUM_CHARACTERS> built{}; // slot 0 stays blank
    for (const CharacterRow& row : CAST)
        built[static_cast<std::size_t>(row.id)] = toTemplate(row);
    return built;
}

} // namespace

constexpr std::array<Character, NUM_CHARACTERS> characterTemplates = buildTemplates();

void handOutStartingItems(GameState* state)
{
    for (const StartingItems& start : STARTING_ITEMS) {
        Item* slots = state->characters[start.owner].inventory;
        for (int slot = 0; slot < NUM_CARRIED && start.carried[slot] != ITEM_EMPTY; ++slot)
            slots[slot] = state->items[start.carried[slot]];
        if (start.weapon != ITEM_EMPTY) slots[SLOT_WEAPON] = state->items[start.weapon];
    }
}
