// A command can end the journey; the command loop hands the ending to the
// top of the program, which decides how the process closes.
#pragma once

enum class Ending {
    None,          // play goes on
    Quit,          // the player quits, or input runs out
    SoulShattered, // killed by God or the Devil: sound is shut down, then the game closes at once
    Farewell,      // the farewell at the garden statue: the game closes at once
};
