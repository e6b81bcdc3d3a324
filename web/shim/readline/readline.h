// The few parts of the line editor's interface the console names. In the
// page the host edits lines, so nothing here edits or completes anything;
// the history is kept as the editor keeps it, for the "history" command.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

typedef char* rl_compentry_func_t(const char*, int);
typedef char** rl_completion_func_t(const char*, int, int);

extern char* rl_line_buffer;
extern int rl_already_prompted;
extern int rl_inhibit_completion;
extern int rl_attempted_completion_over;
extern int rl_completion_append_character;
extern rl_completion_func_t* rl_attempted_completion_function;
extern char* rl_completer_word_break_characters;

char* readline(const char* prompt);
int rl_initialize(void);
int rl_variable_bind(const char* name, const char* value);
int rl_set_prompt(const char* prompt);
int rl_on_new_line_with_prompt(void);
void rl_redisplay(void);
char** rl_completion_matches(const char* text, rl_compentry_func_t* generator);

#ifdef __cplusplus
}
#endif
