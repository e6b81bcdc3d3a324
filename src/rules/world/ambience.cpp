// Lines a place murmurs now and then, and what the player hears on listening there.
#include "ambience.h"

#include "worldIds.h"

const AmbienceRow ambienceTable[] = {
    {LOC_MAGIC_FOREST,
     {
         "The wind sighs through the trees.",
         "Something distant laughs, then vanishes.",
         "Leaves rustle without breeze.",
     }},
    {LOC_OLD_CASTLE,
     {
         "You hear the distant creak of rusted hinges.",
         "A draft sighs through the cracked stone walls.",
         "Faint footsteps echo through the empty ruins.",
         "A tattered banner flutters mournfully above.",
     }},
    {LOC_ROCKY_CLIFF,
     {
         "Loose stones tumble somewhere in the distance.",
         "The wind howls as it scrapes across the jagged edge.",
         "A distant eagle's cry echoes off the cliffs.",
         "You feel the sharp bite of altitude in your lungs.",
     }},
    {LOC_DUSTY_DESERT,
     {
         "Grains of sand whisper across your boots.",
         "The air shimmers in the heat, warping the horizon.",
         "A lonely wind stirs, dry and scratchy.",
         "The sun bears down like a judgement.",
     }},
    {LOC_MIRROR_MOUNTAIN,
     {
         "The walls shimmer, reflecting your movements in strange ways.",
         "You glimpse a flicker; your reflection, or something else?",
         "The air hums faintly, like a struck tuning fork.",
         "Every footstep echoes twice...once in sound, once in sight.",
     }},
    {LOC_MISTY_LAKE,
     {
         "Ripples glide across the still water with no clear cause.",
         "A low fog clings to the surface like breath held to long.",
         "Something splashes, far off, unseen...",
         "The mist seems to whisper, though you hear no words.",
     }},
    {LOC_CAVERNOUS_DEPTHS,
     {
         "Drips echo endlessly in the dark.",
         "A whisper, almost inaudible: '...who is there...?'",
     }},
    {LOC_STARRY_CAVE,
     {
         "A faint whisper echoes across the cavern, as if from the stars themselves.",
     }},
    {LOC_UNDERGROWTH,
     {
         "The roots here are thick and tangled, pressing in from all sides.",
         "It is silent here...oppresively so.",
     }},
    {LOC_NOWHERE, {}},
};
