#pragma once

// The match's sounds: opens the sound at start-up, in the folder the game runs from, and plays
// what the match reports; the key m switches the sound off and on, with a notice over the
// picture.
void brancherSon();
