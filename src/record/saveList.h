// The saved games in the "saves" folder, as the player sees them.
#pragma once

// Lists the saves, newest first: the name to type at the load prompt, where
// that game stands and when it was written. One the loader would refuse is
// listed as damaged.
void listSaves();
