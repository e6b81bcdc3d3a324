// Plugs the browser's ports into the game as it is built today: through the
// console's seams, the sound shim and the C library's random numbers. Once
// the game runs as a session, the session takes the ports directly.
#pragma once

#include "webPorts.h"

struct WebPorts {
    web::LineSource& lines;
    web::OutputSink& output;
    web::RandomSource& random;
    web::SoundPort& sound;
};

// Runs the whole game with the program's options; its exit status.
int playThroughPorts(WebPorts ports, int argc, char** argv);

// The sound shim's port.
void useSoundPort(web::SoundPort* sound);
