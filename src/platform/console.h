// The game's three seams to the outside world: where lines come from, where
// printed bytes go, and where random numbers come from. The real game wires
// them to the terminal and the C library; tests wire them to scripts.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "runState.h"

class LineSource {
public:
    virtual ~LineSource() = default;
    // One line for the line editor, after printing the prompt. False at end of input.
    virtual bool readLine(const char* prompt, std::string& line) = 0;
    // One plain line: no prompt, no editing, no history. False at end of input.
    virtual bool readPlainLine(std::string& line) = 0;
};

class OutputSink {
public:
    virtual ~OutputSink() = default;
    virtual void write(const char* data, std::size_t size) = 0;
    virtual void writeError(const char* data, std::size_t size) = 0;
    virtual void flush() {}
};

// Installs a seam and returns the one it replaces; nullptr restores the
// terminal default.
LineSource* setLineSource(LineSource* source);
OutputSink* setOutputSink(OutputSink* sink);
std::function<int()> setRandomSource(std::function<int()> source);

LineSource& lineSource();

// printf-style output to the player (standard output) and to standard error.
void out(const char* format, ...) __attribute__((format(printf, 1, 2)));
void outError(const char* format, ...) __attribute__((format(printf, 1, 2)));
void outFlush();

// One number from the game's random generator (non-negative, like rand()).
int gameRandom();

// The terminal's line source: the line editor when a person types at a
// terminal, plain buffered reads when the input is a pipe or a file.
LineSource& terminalLineSource();

// Installs what the line editor offers at the prompt; nullptr offers nothing.
void setCompleter(Completer completer);

// The input history the "history" command shows. Kept by the line editor's
// history library in every mode so typed and scripted play list the same.
void rememberLine(const char* line);
void limitRememberedLines(int count);
void clearRememberedLines();
std::vector<std::string> rememberedLines();

// Reads one line with the "--> " prompt into buf (at most size-1 characters,
// always terminated). False at end of input, when buf is left empty.
bool getInput(char* buf, int size);

// The size of every answer typed in a conversation or menu.
constexpr int ANSWER_SIZE = 100;

// The typed noun; or, when none was typed, asks the question and returns
// the answer read into `answer`.
const char* nounOrAnswer(const char* noun, const char* question, char (&answer)[ANSWER_SIZE]);

// Reads a plain answer to a yes/no question: yes when it starts with y or Y.
// No answer at all is a no.
bool readYes();

void clearScreen();
