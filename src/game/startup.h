// The program from its options to its exit status.
#pragma once

// Runs the whole game; returns the process exit status. An ending that
// closes the game at once ends the process without returning.
int runLanternmoor(int argc, char** argv);
