// The cast: the 28 characters as they stand when a journey begins. Start-up copies each
// template into the slot of the same number and then hands out the starting items below, as
// fresh copies from the catalogue. Inventories are left all zero here on purpose.
#include "entities.h"

#include <iterator>

#include "items.h"

// A fresh game's character table: all zero until the templates are copied in.
const Entity entities[NUM_ENTITIES] = {};

const Entity characterTemplates[NUM_ENTITIES] = {
    {},  // slot 0 stays blank
    // merchant_greedo
    {
        .id = 1,
        .name = "Greedo",
        .sex = 1,
        .baseMaxHp = 80,
        .maxHp = 80,
        .hp = 80,
        .baseAtk = 5,
        .atk = 5,
        .baseDef = 4,
        .def = 4,
        .gold = 1000,
        .inventory = {},
        .locationId = 11,  // Town Market
        .kind = KIND_MERCHANT,
        .species = "merchant",
        .description = "A short, stout merchant with a fine handlebar moustache.",
        .dialogueGood = "Lamp Oil? Potions? Battleaxes? Its yours, my friend...as long as you have "
                        "enough gold!",
        .dialogueNeutral =
            "Sorry, I can't give credit! Come back when you're a little...mmm, richer!",
        .dialogueBad = "",
        .favouriteItemId = 15,  // Rusty Dagger
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // merchant_hanbo
    {
        .id = 2,
        .name = "Hanbo",
        .sex = 1,
        .baseMaxHp = 70,
        .maxHp = 70,
        .hp = 70,
        .baseAtk = 6,
        .atk = 6,
        .baseDef = 3,
        .def = 3,
        .gold = 1200,
        .inventory = {},
        .locationId = 12,  // Tower Roof
        .kind = KIND_MERCHANT,
        .species = "merchant",
        .description = "A tall, spindly merchant with a greasy goatee.",
        .dialogueGood = "Of course I'm on your side, but I still have to sell the stuff...!",
        .dialogueNeutral = "Sorry, not enough gold. You'll have to scavenge around to afford that!",
        .dialogueBad = "",
        .favouriteItemId = 17,  // Ornate Coin
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // goblin
    {
        .id = 3,
        .name = "Harfam",
        .sex = 1,
        .baseMaxHp = 30,
        .maxHp = 30,
        .hp = 30,
        .baseAtk = 6,
        .atk = 6,
        .baseDef = 3,
        .def = 3,
        .gold = 10,
        .inventory = {},
        .locationId = 7,  // Small Cave
        .kind = KIND_MONSTER,
        .species = "goblin",
        .description = "A garish green goblin dressed in scraggly rags.",
        .dialogueGood = "Hmm...me hear of you. You get me a shiny...?",
        .dialogueNeutral = "Grr...no loiter in my cave! Ah, me want shiny...",
        .dialogueBad = "Grr...! Me hear of you! Get out of my cave!",
        .favouriteItemId = 11,  // Talisman
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // librarian
    {
        .id = 4,
        .name = "Clara",
        .sex = 2,
        .baseMaxHp = 200,
        .maxHp = 200,
        .hp = 200,
        .baseAtk = 20,
        .atk = 20,
        .baseDef = 10,
        .def = 10,
        .gold = 0,
        .inventory = {},
        .locationId = 10,  // Mysterious Library
        .kind = KIND_FRIENDLY,
        .species = "librarian",
        .description = "A bookish woman with brown hair wearing a grey cardigan.",
        .dialogueGood = "Hey, I've heard of you! You're supposed to be really nice!",
        .dialogueNeutral = "Hey, there! Wanna vibe? I've got the best vibes around!",
        .dialogueBad = "Oh...I've heard bad things about you, you know...",
        .favouriteItemId = 13,  // Lily
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = true,
    },
    // villager
    {
        .id = 5,
        .name = "Evelyn",
        .sex = 2,
        .baseMaxHp = 73,
        .maxHp = 73,
        .hp = 73,
        .baseAtk = 7,
        .atk = 7,
        .baseDef = 5,
        .def = 5,
        .gold = 0,
        .inventory = {},
        .locationId = 8,  // Little House
        .kind = KIND_FRIENDLY,
        .species = "villager",
        .description = "An elderly woman with curly white hair wearing blue clothes.",
        .dialogueGood = "Oh! Hello, dearie! Fancy a cup of tea?",
        .dialogueNeutral = "Oh, lawsie me! You want a challenge...!",
        .dialogueBad = "You rapscallion! Get out of my abode!",
        .favouriteItemId = 14,  // Cookbook
        .hostile = false,
        .trust = 10,
        .alive = true,
        .cooldown = 0,
        .huggable = true,
    },
    // ogre
    {
        .id = 6,
        .name = "Freddie",
        .sex = 1,
        .baseMaxHp = 70,
        .maxHp = 70,
        .hp = 70,
        .baseAtk = 9,
        .atk = 9,
        .baseDef = 7,
        .def = 7,
        .gold = 0,
        .inventory = {},
        .locationId = 17,  // Mirror Mountain
        .kind = KIND_MONSTER,
        .species = "ogre",
        .description = "A hulking ogre wielding a club and wearing a tattered yellow tunic.",
        .dialogueGood = "~ La-dee-da, the sun is on the summit and a friend is on the path! Sing "
                        "along now, la-dee-da! ~",
        .dialogueNeutral = "~ Hmm-hmm, who comes a-climbing up my mountain, and what have they got "
                           "in their pack? Hmm-hmm? ~",
        .dialogueBad = "~ You trampled all my flowers and you frightened all my goats, and the "
                       "mountain won't forget! ~",
        .favouriteItemId = 7,  // Seashell
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // treasure_hunter
    {
        .id = 7,
        .name = "Weruh",
        .sex = 1,
        .baseMaxHp = 50,
        .maxHp = 50,
        .hp = 50,
        .baseAtk = 8,
        .atk = 8,
        .baseDef = 6,
        .def = 6,
        .gold = 0,
        .inventory = {},
        .locationId = 2,  // Old Castle
        .kind = KIND_FRIENDLY,
        .species = "treasure hunter",
        .description = "A burly treasure hunter dressed in yellow and purple.",
        .dialogueGood = "Excellent! Good luck! Hahaha!",
        .dialogueNeutral = "Wa-ha-ha! I'm-a gonna win!",
        .dialogueBad = "So ein mist! Have a rotten day!",
        .favouriteItemId = 16,  // Amethyst
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // god
    {
        .id = 8,
        .name = "Aurora",
        .sex = 2,
        .baseMaxHp = 9999,
        .maxHp = 9999,
        .hp = 9999,
        .baseAtk = 999,
        .atk = 999,
        .baseDef = 999,
        .def = 999,
        .gold = 0,
        .inventory = {},
        .locationId = 20,  // Heavenly Realm
        .kind = KIND_GOD,
        .species = "God",
        .description = "A blue-skinned little girl with short silver hair, blank white eyes, and "
                       "giant butterfly wings.",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = 20,  // Violet
        .hostile = false,
        .trust = 10,
        .alive = true,
        .cooldown = 0,
        .huggable = true,
    },
    // ice_fairy
    {
        .id = 9,
        .name = "Nurnic",
        .sex = 2,
        .baseMaxHp = 90,
        .maxHp = 90,
        .hp = 90,
        .baseAtk = 9,
        .atk = 9,
        .baseDef = 9,
        .def = 9,
        .gold = 0,
        .inventory = {},
        .locationId = 21,  // Misty Lake
        .kind = KIND_FRIENDLY,
        .species = "ice fairy",
        .description = "A petite ice fairy with blue hair wearing a decorative blue dress.",
        .dialogueGood = "You're pretty cool...but nobody's cooler than me, got it?!",
        .dialogueNeutral = "You think I'm dumb? I'll freeze your eyebrows off!",
        .dialogueBad = "You?! Get outta here, before I deep-freeze you!!",
        .favouriteItemId = 24,  // Mushroom
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // black_queen
    {
        .id = 10,
        .name = "Mercuria",
        .sex = 2,
        .baseMaxHp = 100,
        .maxHp = 100,
        .hp = 100,
        .baseAtk = 15,
        .atk = 15,
        .baseDef = 11,
        .def = 11,
        .gold = 0,
        .inventory = {},
        .locationId = 22,  // Scarlet Mansion
        .kind = KIND_BLACK_QUEEN,
        .species = "Black Queen",
        .description =
            "An elegant queen with pale skin dressed in all black wearing a scarlet crown.",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = 29,  // Black Rose
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // penguin
    {
        .id = 11,
        .name = "Tux",
        .sex = 1,
        .baseMaxHp = 50,
        .maxHp = 50,
        .hp = 50,
        .baseAtk = 8,
        .atk = 8,
        .baseDef = 4,
        .def = 4,
        .gold = 0,
        .inventory = {},
        .locationId = 23,  // Ice Cavern
        .kind = KIND_FRIENDLY,
        .species = "penguin",
        .description = "A penguin that looks like it enjoys the taste of freedom a great deal.",
        .dialogueGood = "Happy Hacking!!!",
        .dialogueNeutral = "Happy Hacking!",
        .dialogueBad = "Happy Hacking...?",
        .favouriteItemId = 23,  // Fish
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = true,
    },
    // devil
    {
        .id = 12,
        .name = "Seraphina",
        .sex = 2,
        .baseMaxHp = 666,
        .maxHp = 666,
        .hp = 666,
        .baseAtk = 666,
        .atk = 666,
        .baseDef = 666,
        .def = 666,
        .gold = 0,
        .inventory = {},
        .locationId = 25,  // Infernal Realm
        .kind = KIND_DEVIL,
        .species = "Devil",
        .description = "A red-skinned little girl with black horns, bat wings, green hair, and "
                       "glowing yellow eyes.",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // vampire
    {
        .id = 13,
        .name = "Mukiri",
        .sex = 2,
        .baseMaxHp = 60,
        .maxHp = 60,
        .hp = 60,
        .baseAtk = 9,
        .atk = 9,
        .baseDef = 6,
        .def = 6,
        .gold = 0,
        .inventory = {},
        .locationId = 26,  // Lake of Blood
        .kind = KIND_MONSTER,
        .species = "vampire",
        .description =
            "A lady vampire with long blonde hair and purple wings dressed in elegant clothes.",
        .dialogueGood = "I'm the keeper of the lake! For someone like you, though, it's fine...",
        .dialogueNeutral = "I'm the keeper of the lake! Don't be trespassing, got it?!",
        .dialogueBad =
            "I'm the keeper of the lake! The likes of you aren't welcome around here...!",
        .favouriteItemId = 31,  // Turtle Shell
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // white_queen
    {
        .id = 14,
        .name = "Mayterna",
        .sex = 2,
        .baseMaxHp = 250,
        .maxHp = 250,
        .hp = 250,
        .baseAtk = 20,
        .atk = 20,
        .baseDef = 15,
        .def = 15,
        .gold = 0,
        .inventory = {},
        .locationId = 27,  // Prismatic Palace
        .kind = KIND_WHITE_QUEEN,
        .species = "White Queen",
        .description =
            "An elegant queen with fair skin dressed in all white wearing a golden crown.",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = 29,  // Black Rose
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // statue_garden
    {
        .id = 15,
        .name = "Statue",
        .sex = 0,
        .baseMaxHp = 999,
        .maxHp = 999,
        .hp = 999,
        .baseAtk = 1,
        .atk = 1,
        .baseDef = 99,
        .def = 99,
        .gold = 0,
        .inventory = {},
        .locationId = 28,  // Pale Garden
        .kind = KIND_STATUE,
        .species = "statue",
        .description =
            "A weathered stone statue of a young girl with short hair and giant butterfly wings...",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // statue_village
    {
        .id = 16,
        .name = "Statue",
        .sex = 0,
        .baseMaxHp = 999,
        .maxHp = 999,
        .hp = 999,
        .baseAtk = 1,
        .atk = 1,
        .baseDef = 99,
        .def = 99,
        .gold = 0,
        .inventory = {},
        .locationId = 0,  // Peaceful Village
        .kind = KIND_STATUE,
        .species = "statue",
        .description =
            "A gleaming bronze statue of a bearded adventurer wielding a sword and shield.",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // wolf
    {
        .id = 17,
        .name = "Koridai",
        .sex = 1,
        .baseMaxHp = 20,
        .maxHp = 20,
        .hp = 20,
        .baseAtk = 5,
        .atk = 5,
        .baseDef = 4,
        .def = 4,
        .gold = 0,
        .inventory = {},
        .locationId = 1,  // Magic Forest
        .kind = KIND_ANIMAL,
        .species = "wolf",
        .description = "A black wolf with a golden streak of fur running down its back.",
        .dialogueGood = "The wolf barks happily at you and wags its tail.",
        .dialogueNeutral = "The wolf sniffs you curiously, then tilts its head.",
        .dialogueBad = "The wolf growls at you angrily, baring its teeth.",
        .favouriteItemId = 30,  // Bone
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // snake
    {
        .id = 18,
        .name = "Doug",
        .sex = 1,
        .baseMaxHp = 15,
        .maxHp = 15,
        .hp = 15,
        .baseAtk = 6,
        .atk = 6,
        .baseDef = 5,
        .def = 5,
        .gold = 0,
        .inventory = {},
        .locationId = 14,  // Dusty Desert
        .kind = KIND_ANIMAL,
        .species = "snake",
        .description = "A purple snake with a yellow patch on its underbelly.",
        .dialogueGood = "The snake looks at you with a pleasant expression.",
        .dialogueNeutral = "The snake yawns and coils up lazily under the sun.",
        .dialogueBad = "The snake hisses at you angrily, baring its fangs...",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // dragon
    {
        .id = 19,
        .name = "Ashyrn",
        .sex = 1,
        .baseMaxHp = 300,
        .maxHp = 300,
        .hp = 300,
        .baseAtk = 16,
        .atk = 16,
        .baseDef = 12,
        .def = 12,
        .gold = 500,
        .inventory = {},
        .locationId = 19,  // Mountain Summit
        .kind = KIND_MONSTER,
        .species = "dragon",
        .description =
            "A huge red dragon with glimmering yellow eyes, sharp talons, and large wings.",
        .dialogueGood = "Murr...I've heard of you. You're not too bad, apparently...",
        .dialogueNeutral = "Murr...leave me be. I wish only to rest and slumber peacefully...",
        .dialogueBad = "Murr...is it you, then? You better not cause me any trouble...",
        .favouriteItemId = 5,  // Goblet
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // wizard
    {
        .id = 20,
        .name = "Gerard",
        .sex = 1,
        .baseMaxHp = 250,
        .maxHp = 250,
        .hp = 250,
        .baseAtk = 18,
        .atk = 18,
        .baseDef = 6,
        .def = 6,
        .gold = 0,
        .inventory = {},
        .locationId = 32,  // Tower Basement
        .kind = KIND_FRIENDLY,
        .species = "wizard",
        .description =
            "An elderly wizard with a long grey beard wearing a cyan star-patterned robe.",
        .dialogueGood = "Ah...even here, whispers of your deeds echo. You're quite honourable...",
        .dialogueNeutral =
            "They once called me Elarion the Folded. But now? My name is simply Gerard.",
        .dialogueBad = "Hmm. There is an aura about you, and one none too pleasant at that...",
        .favouriteItemId = 8,  // Spellbook
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // fae
    {
        .id = 21,
        .name = "Sithrel",
        .sex = 1,
        .baseMaxHp = 400,
        .maxHp = 400,
        .hp = 400,
        .baseAtk = 24,
        .atk = 24,
        .baseDef = 12,
        .def = 12,
        .gold = 0,
        .inventory = {},
        .locationId = -1,  // arrives only when summoned
        .kind = KIND_FAE,
        .species = "fae",
        .description =
            "A tall hooded figure with face concealed, long antlers poking out of its hood...",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // merchant_dwargo
    {
        .id = 22,
        .name = "Dwargo",
        .sex = 1,
        .baseMaxHp = 120,
        .maxHp = 120,
        .hp = 120,
        .baseAtk = 11,
        .atk = 11,
        .baseDef = 9,
        .def = 9,
        .gold = 1500,
        .inventory = {},
        .locationId = 33,  // Ashen Cave
        .kind = KIND_MERCHANT,
        .species = "merchant",
        .description =
            "A bearded dwarvish merchant wearing a scruffy tunic and an oversized backpack.",
        .dialogueGood =
            "Mined these meself, y'know, in a cave far darker than this...take 'em or leave 'em.",
        .dialogueNeutral =
            "What do you think you're playing at?! I can't give this stuff away for cheap...!",
        .dialogueBad = "",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // blacksmith
    {
        .id = 23,
        .name = "Durrek",
        .sex = 1,
        .baseMaxHp = 115,
        .maxHp = 115,
        .hp = 115,
        .baseAtk = 12,
        .atk = 12,
        .baseDef = 11,
        .def = 11,
        .gold = 500,
        .inventory = {},
        .locationId = 34,  // Blacksmith's Forge
        .kind = KIND_BLACKSMITH,
        .species = "blacksmith",
        .description =
            "A portly elderly man with greying hair and glasses wielding a large hammer.",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // skeleton
    {
        .id = 24,
        .name = "Bones",
        .sex = 1,
        .baseMaxHp = 62,
        .maxHp = 62,
        .hp = 62,
        .baseAtk = 14,
        .atk = 14,
        .baseDef = 10,
        .def = 10,
        .gold = 100,
        .inventory = {},
        .locationId = 35,  // Ashen Depths
        .kind = KIND_MONSTER,
        .species = "skeleton",
        .description = "An undead humanoid skeleton wielding a rusted sword and shield.",
        .dialogueGood = "Pleased to see you, I am! No bones about it!",
        .dialogueNeutral = "Rattles me bones, it does! Heh...",
        .dialogueBad = "Hey, watch it! I've got a bone to pick with you!",
        .favouriteItemId = 43,  // Moon's Tear
        .hostile = true,
        .trust = 0,
        .alive = true,
        .cooldown = 999,
        .huggable = false,
    },
    // golem
    {
        .id = 25,
        .name = "Umbroth",
        .sex = 1,
        .baseMaxHp = 200,
        .maxHp = 200,
        .hp = 200,
        .baseAtk = 20,
        .atk = 20,
        .baseDef = 15,
        .def = 15,
        .gold = 1000,
        .inventory = {},
        .locationId = 36,  // Forgotten Ruins
        .kind = KIND_MONSTER,
        .species = "obsidian golem",
        .description = "A colossal golem crafted from obsidian, mighty and formidable in stature.",
        .dialogueGood = "Gurrh...you seem to be a pleasant one. Stay a while, if you like...",
        .dialogueNeutral = "Gurrh...these ruins are mine to guard. I have forgotten why...",
        .dialogueBad = "Gurrh...one like you should not tread here. Begone from my sight...!",
        .favouriteItemId = 44,  // Crystal Heart
        .hostile = true,
        .trust = 0,
        .alive = true,
        .cooldown = 999,
        .huggable = false,
    },
    // statue_frozen
    {
        .id = 26,
        .name = "Statue",
        .sex = 0,
        .baseMaxHp = 999,
        .maxHp = 999,
        .hp = 999,
        .baseAtk = 1,
        .atk = 1,
        .baseDef = 99,
        .def = 99,
        .gold = 0,
        .inventory = {},
        .locationId = 37,  // Frozen Depths
        .kind = KIND_STATUE,
        .species = "frozen statue",
        .description =
            "An icy blue statue coated in frost, depicting a woman who appears to be weeping...",
        .dialogueGood = "",
        .dialogueNeutral = "",
        .dialogueBad = "",
        .favouriteItemId = -1,
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
    // wanderer
    {
        .id = 27,
        .name = "Mary-Lou",
        .sex = 2,
        .baseMaxHp = 100,
        .maxHp = 100,
        .hp = 100,
        .baseAtk = 12,
        .atk = 12,
        .baseDef = 8,
        .def = 8,
        .gold = 50,
        .inventory = {},
        .locationId = 40,  // Sunset Ridge
        .kind = KIND_FRIENDLY,
        .species = "wanderer",
        .description =
            "A woman of great bulk with curly brown hair wearing beautifully patterned clothes.",
        .dialogueGood = "Ah, good to see you! I've heard many good things about you...!",
        .dialogueNeutral = "Hello, there! Beautiful weather today, isn't it?",
        .dialogueBad = "You swine! Begone from my sight!",
        .favouriteItemId = 42,  // Frosted Leaf
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = true,
    },
    // kappa
    {
        .id = 28,
        .name = "Mizu",
        .sex = 2,
        .baseMaxHp = 88,
        .maxHp = 88,
        .hp = 88,
        .baseAtk = 11,
        .atk = 11,
        .baseDef = 9,
        .def = 9,
        .gold = 120,
        .inventory = {},
        .locationId = 39,  // Rushing Riverbank
        .kind = KIND_MONSTER,
        .species = "kappa",
        .description = "A green reptiloid being with webbed hands and feet, a turtle-like "
                       "carapace, and a dish on the head.",
        .dialogueGood = "I saw a fish do a flip just now! Best day ever!",
        .dialogueNeutral = "The current's a bit rough today. Guess that's life.",
        .dialogueBad = "You smell like upstream sewage. Leave.",
        .favouriteItemId = 46,  // Cucumber
        .hostile = false,
        .trust = 0,
        .alive = true,
        .cooldown = 0,
        .huggable = false,
    },
};

// Carried stock fills slots from 0 without gaps; the goblin wields his dagger.
const StartingItem startingItems[] = {
    {ENTITY_GREEDO, 0, 3},             // Small Potion
    {ENTITY_GREEDO, 1, 35},            // Large Potion
    {ENTITY_GREEDO, 2, 6},             // Battleaxe
    {ENTITY_GREEDO, 3, 27},            // Cuirass
    {ENTITY_GREEDO, 4, 25},            // Candle
    {ENTITY_GREEDO, 5, 34},            // Lamp Oil
    {ENTITY_GREEDO, 6, 26},            // Lantern
    {ENTITY_HANBO, 0, 1},              // Sword
    {ENTITY_HANBO, 1, 10},             // Scimitar
    {ENTITY_HANBO, 2, 2},              // Tunic
    {ENTITY_HANBO, 3, 4},              // Blue Ring
    {ENTITY_HANBO, 4, 32},             // Red Ring
    {ENTITY_HANBO, 5, 33},             // Green Ring
    {ENTITY_HANBO, 6, 11},             // Talisman
    {ENTITY_GOBLIN, SLOT_WEAPON, 15},  // Rusty Dagger
    {ENTITY_CLARA, 0, 14},             // Cookbook
    {ENTITY_EVELYN, 0, 18},            // Cellar Key
    {ENTITY_FREDDIE, 0, 19},           // Flute
    {ENTITY_WERUH, 0, 17},             // Ornate Coin
    {ENTITY_NURNIC, 0, 23},            // Fish
    {ENTITY_TUX, 0, 22},               // Pyramid Key
    {ENTITY_MUKIRI, 0, 41},            // Lyre
    {ENTITY_WIZARD, 0, 4},             // Blue Ring
    {ENTITY_DWARGO, 0, 39},            // Broadsword
    {ENTITY_DWARGO, 1, 40},            // Chainmail
    {ENTITY_DWARGO, 2, 36},            // Blue Amulet
    {ENTITY_DWARGO, 3, 37},            // Red Amulet
    {ENTITY_DWARGO, 4, 38},            // Green Amulet
    {ENTITY_SKELETON, 0, 44},          // Crystal Heart
    {ENTITY_GOLEM, 0, 45},             // Umber Scythe
};

const int NUM_STARTING_ITEMS = static_cast<int>(std::size(startingItems));
