// The line editor's history, as the console reads and writes it.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

typedef struct {
    char* line;
    char* timestamp;
    void* data;
} HIST_ENTRY;

void add_history(const char* line);
void clear_history(void);
void stifle_history(int count);
HIST_ENTRY** history_list(void);

#ifdef __cplusplus
}
#endif
