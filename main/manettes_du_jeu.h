#pragma once

// The gamepads: started beside the sound, with the player's mappings from the folder of the
// game's settings; read when the wake-ups say so.
void brancherManettes();
