// Lines a place murmurs now and then, and what the player hears on listening there.
#include "ambience.h"

const AmbienceRow ambienceTable[] = {
    // Magic Forest
    {1,
     {
         "The wind sighs through the trees.",
         "Something distant laughs, then vanishes.",
         "Leaves rustle without breeze.",
     }},
    // Old Castle
    {2,
     {
         "You hear the distant creak of rusted hinges.",
         "A draft sighs through the cracked stone walls.",
         "Faint footsteps echo through the empty ruins.",
         "A tattered banner flutters mournfully above.",
     }},
    // Rocky Cliff
    {4,
     {
         "Loose stones tumble somewhere in the distance.",
         "The wind howls as it scrapes across the jagged edge.",
         "A distant eagle's cry echoes off the cliffs.",
         "You feel the sharp bite of altitude in your lungs.",
     }},
    // Dusty Desert
    {14,
     {
         "Grains of sand whisper across your boots.",
         "The air shimmers in the heat, warping the horizon.",
         "A lonely wind stirs, dry and scratchy.",
         "The sun bears down like a judgement.",
     }},
    // Mirror Mountain
    {17,
     {
         "The walls shimmer, reflecting your movements in strange ways.",
         "You glimpse a flicker; your reflection, or something else?",
         "The air hums faintly, like a struck tuning fork.",
         "Every footstep echoes twice...once in sound, once in sight.",
     }},
    // Misty Lake
    {21,
     {
         "Ripples glide across the still water with no clear cause.",
         "A low fog clings to the surface like breath held to long.",
         "Something splashes, far off, unseen...",
         "The mist seems to whisper, though you hear no words.",
     }},
    // Cavernous Depths
    {30,
     {
         "Drips echo endlessly in the dark.",
         "A whisper, almost inaudible: '...who is there...?'",
     }},
    // Starry Cave
    {43,
     {
         "A faint whisper echoes across the cavern, as if from the stars themselves.",
     }},
    // Undergrowth
    {44,
     {
         "The roots here are thick and tangled, pressing in from all sides.",
         "It is silent here...oppresively so.",
     }},
    {-1, {}},
};
