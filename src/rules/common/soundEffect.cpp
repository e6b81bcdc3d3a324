#include "soundEffect.h"

#include "portsInUse.h"

void playEffect(const GameState* state, const char* effect)
{
    if (state->soundOn) ports().sound.play(effect);
}
