// How the rules ask the player something: the "--> " prompt, a question
// that a typed noun may already answer, and yes or no.
#pragma once

#include "ports.h"

// The size of every answer typed in a conversation or menu.
constexpr int ANSWER_SIZE = 100;

// Reads one line from `lines` with the "--> " prompt into buf: up to a NUL,
// the whole letters that fit in size-1 bytes, the rest of buf zero. False at
// end of input, when buf is left empty.
bool readAnswer(LineSource& lines, char* buf, int size);
// The same from the session's lines, as a rule asks.
bool getInput(char* buf, int size);

// The typed noun; or, when none was typed, asks the question and returns
// the answer read into `answer`.
const char* nounOrAnswer(const char* noun, const char* question, char (&answer)[ANSWER_SIZE]);

// Reads a plain answer to a yes/no question: yes when it starts with y or Y.
// No answer at all is a no.
bool readYes();
