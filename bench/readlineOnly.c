/* The floor for start-up: a program that only starts GNU readline and reads
   one line, as the game does before its title menu answer. */
#include <readline/history.h>
#include <readline/readline.h>
#include <stdio.h>
#include <stdlib.h>

int main(void)
{
    stifle_history(20);
    char* line = readline("--> ");
    free(line);
    return 0;
}
