// The two queens: the Black Queen, who answers talk with a fight, and the
// White Queen, who tends the wounds of those she thinks well of.
#include "queens.h"

#include "portsInUse.h"

void confrontBlackQueen(Character* queen)
{
    out("The Black Queen narrows her eyes and glares at you...\n");
    out("\"There is nothing to be said...and only one thing left undone.\"\n");
    out("The Black Queen prepares to attack...!\n");
    queen->hostile = true;
    queen->cooldown = NEVER_CALMS;
}

void meetWhiteQueen(GameState* state, int standing)
{
    if (standing < 0) {
        out("The White Queen shakes her head solemnly...\n");
        out("\"I have nothing to say to the likes of you...\"\n");
    } else if (state->blackQueenSlain) {
        out("The White Queen looks at you sadly and closes her eyes.\n");
        out("\"I see...so she has been slain, then? I knew this day would come eventually...\"\n");
        out("She opens her eyes again. \"A path has opened to the east where she once "
            "lived...\"\n");
    } else {
        out("The White Queen smiles warmly at you. \"I've been expecting you, %s.\"\n",
            state->player.name);
        out("\"Here...allow me to tend to your wounds.\"\n");
        state->player.hp = state->player.maxHp;
        out("Her brow furrows softly. \"Do not seek out the Black Queen...\"\n");
    }
}
