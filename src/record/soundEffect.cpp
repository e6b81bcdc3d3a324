#include "soundEffect.h"

#include "audio.h"

void playEffect(const GameState* state, const char* path)
{
    if (state->soundOn) playSoundAsync(path);
}
