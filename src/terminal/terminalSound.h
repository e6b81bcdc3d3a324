// Sound effects, each decoded and played on a detached thread of its own,
// a few at a time. A sound is a file path; nothing here knows what the game
// is doing.
#pragma once

#include "ports.h"

void initAudio();
void cleanupAudio();
void playSoundAsync(const char* path);

// How many sounds are playing right now.
int playingSoundCount();

// The terminal's sound port: effects from the sound/ folder where the game
// was started. A silent one (--no-audio) never starts the sound library.
class TerminalSound : public SoundPort {
public:
    explicit TerminalSound(bool noAudio);
    void play(const char* effect) override;
    bool isSilent() const { return silent; }

private:
    bool silent;
};
