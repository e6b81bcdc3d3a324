// God and the Devil, who send the dead back to the village from either realm
// of the afterlife when spoken to.
#include "afterlife.h"

#include "portsInUse.h"
#include "roomView.h"
#include "worldIds.h"

void reviveByGod(GameState* state, int standing)
{
    out("God sighs softly. \"You mucked that up a bit, didn't you...?\"\n");
    out("God's eyes meet yours. \"Very well...I suppose you can have another chance.\"\n");
    if (standing < 0)
        out("God gazes at you with a quiet sadness. \"Your light is fading...don't let it be "
            "lost.\"\n");
    out("A bright light shimmers around you, and you feel your body tingling...\n\n");
    state->player.hp = state->player.maxHp;
    state->player.locationId = LOC_VILLAGE;
    playSound("holy");
    lookAround(state);
}

void reviveByDevil(GameState* state)
{
    out("The Devil grins. \"You've been a real monster up there...I'm impressed.\"\n");
    out("The Devil stares at you, then wordlessly mouths something incomprehensible.\n");
    out("An ominous glow surrounds you, and you feel your body tingling...\n\n");
    state->player.hp = state->player.maxHp / 2;
    state->player.locationId = LOC_VILLAGE;
    playSound("demonic");
    lookAround(state);
}
