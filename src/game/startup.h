// The program from its options to its exit status.
#pragma once

// Runs the whole game; returns the process exit status.
int runLanternmoor(int argc, char** argv);
