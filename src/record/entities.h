// The cast: 28 characters as they stand when a journey begins.
#pragma once

#include "gameState.h"

// The blank character table copied into a fresh game: all zero.
extern const Entity entities[NUM_ENTITIES];

// Templates by slot; element 0 is unused (all zero), 1..28 are the characters.
extern const Entity characterTemplates[NUM_ENTITIES];

// Items a character owns at the start: catalogue id into an inventory slot.
struct StartingItem {
    int entityId;
    int slot;
    int itemId;
};
extern const StartingItem startingItems[];
extern const int NUM_STARTING_ITEMS;

// Character ids the rules name directly.
enum EntityId : int32_t {
    ENTITY_GREEDO = 1,
    ENTITY_HANBO = 2,
    ENTITY_GOBLIN = 3,
    ENTITY_CLARA = 4,
    ENTITY_EVELYN = 5,
    ENTITY_FREDDIE = 6,
    ENTITY_WERUH = 7,
    ENTITY_GOD = 8,
    ENTITY_NURNIC = 9,
    ENTITY_BLACK_QUEEN = 10,
    ENTITY_TUX = 11,
    ENTITY_DEVIL = 12,
    ENTITY_MUKIRI = 13,
    ENTITY_WHITE_QUEEN = 14,
    ENTITY_GARDEN_STATUE = 15,
    ENTITY_VILLAGE_STATUE = 16,
    ENTITY_WOLF = 17,
    ENTITY_SNAKE = 18,
    ENTITY_DRAGON = 19,
    ENTITY_WIZARD = 20,
    ENTITY_FAE = 21,
    ENTITY_DWARGO = 22,
    ENTITY_BLACKSMITH = 23,
    ENTITY_SKELETON = 24,
    ENTITY_GOLEM = 25,
    ENTITY_FROZEN_STATUE = 26,
    ENTITY_MARY_LOU = 27,
    ENTITY_KAPPA = 28,
};
