// Drives the real program in a pseudo-terminal, as a person typing would.
#pragma once

#include <sys/types.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Reads from fd until `screen`, past `seen`, contains text, then moves `seen`
// past it; false after ten seconds without it. The game answers within
// milliseconds; the long wait only spares a busy machine a false failure and
// never slows a passing test.
bool readUntil(int fd, const std::string& text, std::string& screen, std::size_t& seen);

class Terminal {
public:
    // Starts the game (with --no-audio) on a new pseudo-terminal; a window
    // of no columns is one the game does not wrap for.
    explicit Terminal(unsigned short columns = 0);
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    void type(const std::string& keys);
    // Waits (ten seconds at most) until the line editor has taken the
    // terminal out of line mode, where Ctrl-D would be the terminal's own.
    void waitForEditor();
    void resize(unsigned short columns);
    // Reads until the screen, past what was already waited for, contains text.
    bool waitFor(const std::string& text) { return readUntil(master, text, screen, seen); }
    // Types each step's keys (once the line editor waits for them, where
    // asked) and waits for the step's text; fails at the first text that
    // never shows.
    using Steps = std::vector<std::pair<std::string, std::string>>;
    testing::AssertionResult play(const Steps& steps, bool editorFirst = false);
    std::string screen;

private:
    int master = -1;
    pid_t child = -1;
    std::size_t seen = 0;
};
