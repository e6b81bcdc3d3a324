// Sound effects, each decoded and played on a detached thread of its own,
// a few at a time. A sound is a file path; nothing here knows what the game
// is doing.
#pragma once

void initAudio();
void cleanupAudio();
void playSoundAsync(const char* path);
void playSound(const char* path);

// How many sounds are playing right now.
int playingSoundCount();

// Tests hear what would play instead of starting threads; nullptr restores.
// Returns the listener it replaces.
using SoundListener = void (*)(const char* path);
SoundListener setSoundListener(SoundListener listener);
