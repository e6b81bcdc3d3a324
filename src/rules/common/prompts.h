// How the rules ask the player something: the "--> " prompt, a question
// that a typed noun may already answer, and yes or no.
#pragma once

// The size of every answer typed in a conversation or menu.
constexpr int ANSWER_SIZE = 100;

// Reads one line with the "--> " prompt into buf (at most size-1 characters,
// always terminated). False at end of input, when buf is left empty.
bool getInput(char* buf, int size);

// The typed noun; or, when none was typed, asks the question and returns
// the answer read into `answer`.
const char* nounOrAnswer(const char* noun, const char* question, char (&answer)[ANSWER_SIZE]);

// Reads a plain answer to a yes/no question: yes when it starts with y or Y.
// No answer at all is a no.
bool readYes();
