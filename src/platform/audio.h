// Sound effects, each decoded and played on a detached thread of its own.
#pragma once

#include "gameState.h"

// Set by "--no-audio": the sound library is never started and nothing plays.
extern bool audioDisabled;

void initAudio();
void cleanupAudio();
void playSoundAsync(const char* path);
void playSound(const char* path);
void soundHandler(GameState* state, const char* rest);

// How many sounds are playing right now.
int playingSoundCount();

// Plays an effect when the game's sound switch is on.
void playEffect(const GameState* state, const char* path);

// Tests hear what would play instead of starting threads; nullptr restores.
// Returns the listener it replaces.
using SoundListener = void (*)(const char* path);
SoundListener setSoundListener(SoundListener listener);
