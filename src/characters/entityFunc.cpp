#include "entityFunc.h"

#include "console.h"
#include "utils.h"

// ---- Trust and standing ----

int calculateTrustScore(const GameState* state)
{
    int standing = 0;
    for (const Entity& entity : state->entities)
        if (entity.id != state->player.id) standing += entity.trust;
    return standing;
}

namespace {
bool isHere(const GameState* state, const Entity& entity)
{
    return entity.id != state->player.id && entity.locationId == state->player.locationId;
}
}  // namespace

int findEntityHere(const GameState* state, const char* noun)
{
    for (int i = 0; i < NUM_ENTITIES; ++i) {
        const Entity& entity = state->entities[i];
        if (!isHere(state, entity)) continue;
        if (strcmpi(entity.name, noun) == 0 || strcmpi(entity.species, noun) == 0) return i;
    }
    return -1;
}

int findFirstEntityHere(const GameState* state)
{
    for (int i = 0; i < NUM_ENTITIES; ++i)
        if (isHere(state, state->entities[i])) return i;
    return -1;
}

int nounIsEntityHere(const GameState* state, const char* noun)
{
    return findEntityHere(state, noun) >= 0 ? 1 : 0;
}

void entityCooldown(GameState* state)
{
    for (Entity& entity : state->entities) {
        bool neverCalms = entity.kind == KIND_MONSTER || entity.kind == KIND_BLACK_QUEEN;
        if (entity.cooldown > 0 && !neverCalms) entity.cooldown--;
        if (entity.cooldown < 0) entity.cooldown = 0;
        if (entity.cooldown == 0 && entity.hostile) entity.hostile = false;
    }
}

// ---- Conversation and gestures ----

void talkToEntity(GameState*, const char*) {}
void talkToFae(GameState*, Entity*, Entity*, int) {}
void talkToBlacksmith(GameState*, Entity*, Entity*) {}
void lookAtEntity(const GameState*, const char*) {}
void hugEntity(GameState*, const char*) {}
