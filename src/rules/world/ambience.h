// Ambient lines some places murmur now and then.
#pragma once

constexpr int AMBIENCE_LINES = 5;

struct AmbienceRow {
    int locationId;                    // LOC_NOWHERE ends the table
    const char* lines[AMBIENCE_LINES]; // ends at the first null
};

extern const AmbienceRow ambienceTable[];
