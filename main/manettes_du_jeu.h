#pragma once

// The gamepads: started beside the sound, with the player's mappings from the folder of the
// settings file; read when the wake-ups say so. Swapped (the settings' [pads] swap), the first
// pad plays the right well.
void brancherManettes(bool echange);
