// Runs the real game program in the current folder, its input from a script.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

struct ProgramRun {
    std::string out;
    std::string err;
    int status = -1;
};

// Starts the game with the options; its input comes from `input`, its output
// goes to out.txt and err.txt in the current folder.
pid_t startProgram(const std::vector<std::string>& options, const std::string& input);
// Waits for the game to end: its exit status, or 128 + the signal that ended it.
int waitForExit(pid_t child);
// Starts the game, waits for it, and collects what it printed.
ProgramRun runProgram(const std::vector<std::string>& options, const std::string& input);

std::string slurp(const std::string& path);
bool endsWith(const std::string& text, const std::string& end);
