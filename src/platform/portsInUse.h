// The ports of the session playing on this thread, and printing, drawing
// numbers and playing sounds through them: the one way the rules reach the
// outside. A session installs its ports for as long as it plays; the rules
// then speak to whichever front end built it.
#pragma once

#include "ports.h"

// The ports in use. Only valid while a session (or a test of one part) has
// installed some.
Ports& ports();

// Installs ports for the lifetime of this object, then puts back the ones
// that were in use before (a session may run inside another's silence).
class PortsInUse {
public:
    explicit PortsInUse(Ports& installed);
    ~PortsInUse();
    PortsInUse(const PortsInUse&) = delete;
    PortsInUse& operator=(const PortsInUse&) = delete;

private:
    Ports* previous;
};

// printf-style output to the player and to the error stream.
void out(const char* format, ...) __attribute__((format(printf, 1, 2)));
void outError(const char* format, ...) __attribute__((format(printf, 1, 2)));
void outFlush();

// One number from the session's random source (non-negative, like rand()).
int gameRandom();

// Plays a sound effect by its name ("pray" for sound/pray.ogg) through the
// session's sound port, which heeds the player's sound switch; never waits.
void playSound(const char* effect);

void clearScreen();
