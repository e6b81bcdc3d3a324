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

// Starts the game with the options, and the environment's NAME=value
// settings; its input comes from input.txt, its output goes to `output` and
// err.txt in the current folder.
using Settings = std::vector<std::string>;
pid_t launchProgram(const std::vector<std::string>& options, const char* output = "out.txt",
                    const Settings& environment = {});
// The same, with `input` written to input.txt first.
pid_t startProgram(const std::vector<std::string>& options, const std::string& input,
                   const char* output = "out.txt", const Settings& environment = {});
// Waits for the game to end: its exit status, or 128 + the signal that ended
// it. peakKb receives the most memory it held (never less than this process
// held when it started the game, as the two share memory until then).
int waitForExit(pid_t child, long* peakKb = nullptr);
// Starts the game, waits for it, and collects what it printed.
ProgramRun runProgram(const std::vector<std::string>& options, const std::string& input,
                      const Settings& environment = {});

// Plays `head`, `piece` `count` times, then `tail`; the most memory the game
// held (the most there is when it failed).
long peakKbPlaying(const std::string& head, const std::string& piece, int count,
                   const std::string& tail, const char* output = "out.txt");

std::string slurp(const std::string& path);
