// The player's standing: the trust of every character summed, the title it
// earns, and the band that colours what characters say.
#pragma once

#include "gameState.h"

int calculateTrustScore(const GameState* state);

enum StandingBand { BAND_BAD, BAND_NEUTRAL, BAND_GOOD };
StandingBand standingBand(int standing);

// Standing titles and colours.
const char* getAlignment(int standing);
const char* getAlignmentColor(int standing);
