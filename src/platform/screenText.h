// Printed text made to fit the screen: colour left out when the player asks
// for none, long lines broken at a blank before the window's edge.
#pragma once

#include <string>
#include <string_view>

// True when the NO_COLOR environment variable is set and not empty.
bool colourRefused();

// Appends text to into without its colour sequences ("\033[...m").
void appendWithoutColours(std::string_view text, std::string& into);
// Appends text to into without any escape sequence, so that a file shown
// later neither colours nor clears the screen it is shown on.
void appendWithoutSequences(std::string_view text, std::string& into);

// Breaks lines at the last blank before the edge. Colour sequences take no
// room and are never split; a word longer than the window is left whole.
class LineWrapper {
public:
    // Takes printed text; appends every finished line, wrapped for a window
    // `width` columns wide, to into. The unfinished line waits for more.
    void add(std::string_view text, int width, std::string& into);
    // Appends the unfinished line too (a prompt), wrapped. The player's
    // answer ends it, so the next text starts a new line.
    void finish(int width, std::string& into);

private:
    std::string unfinished;
};
