// The terminal's ports: standard input and output (GNU readline when a
// person types), the C library's random numbers and the system clock.
#pragma once

#include "ports.h"

// The line editor when a person types at a terminal, plain buffered reads
// when the input is a pipe or a file.
LineSource& terminalLines();
// Standard output: large blocks when piped, wrapped to the window when typed.
OutputSink& terminalOutput();

class SystemClock : public WallClock {
public:
    std::time_t now() override;
};
