// The program's options, shared by every front end.
#pragma once

#include "session.h"

// Reads the options in order into `options`. Returns -1 to go on and play,
// or the exit status once an option has been answered (--help, --version)
// or refused; what it says goes to the ports' output.
int readOptions(int argc, char** argv, SessionOptions& options, Ports& ports);
