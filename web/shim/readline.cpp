// The history keeps the newest lines up to its limit, as the terminal's
// line editor does; the editing itself happens in the host.
#include <readline/history.h>
#include <readline/readline.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::vector<HIST_ENTRY*> entries{nullptr};
int kept = -1;

void forget(HIST_ENTRY* entry)
{
    std::free(entry->line);
    delete entry;
}

} // namespace

extern "C" {

char* rl_line_buffer = nullptr;
int rl_already_prompted = 0;
int rl_inhibit_completion = 0;
int rl_attempted_completion_over = 0;
int rl_completion_append_character = ' ';
rl_completion_func_t* rl_attempted_completion_function = nullptr;
char* rl_completer_word_break_characters = nullptr;

char* readline(const char*) { return nullptr; }
int rl_initialize(void) { return 0; }
int rl_variable_bind(const char*, const char*) { return 0; }
int rl_set_prompt(const char*) { return 0; }
int rl_on_new_line_with_prompt(void) { return 0; }
void rl_redisplay(void) {}
char** rl_completion_matches(const char*, rl_compentry_func_t*) { return nullptr; }

void add_history(const char* line)
{
    entries.back() = new HIST_ENTRY{strdup(line), nullptr, nullptr};
    entries.push_back(nullptr);
    while (kept >= 0 && entries.size() - 1 > static_cast<std::size_t>(kept)) {
        forget(entries.front());
        entries.erase(entries.begin());
    }
}

void clear_history(void)
{
    for (HIST_ENTRY* entry : entries)
        if (entry) forget(entry);
    entries.assign(1, nullptr);
}

void stifle_history(int count)
{
    kept = count < 0 ? 0 : count;
    while (entries.size() - 1 > static_cast<std::size_t>(kept)) {
        forget(entries.front());
        entries.erase(entries.begin());
    }
}

HIST_ENTRY** history_list(void) { return entries.data(); }
}
