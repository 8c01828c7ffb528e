#pragma once

#include "ecriture_ini.h"
#include "pilotes.h"
#include "reglages.h"

#include <optional>
#include <vector>

// What the command line asks for this run, as far as the settings go.
struct DemandesLigne {
    bool pleinEcran = false;
    bool sonCoupe = false;
    std::optional<Pilote> pilotes[2];
};

// What the player can change in play and the file keeps: who plays each well, the sound, full
// screen.
struct Choix {
    Pilote pilotes[2];
    bool son = true;
    bool pleinEcran = false;
    bool operator==(const Choix &autre) const {
        return pilotes[0] == autre.pilotes[0] && pilotes[1] == autre.pilotes[1] &&
               son == autre.son && pleinEcran == autre.pleinEcran;
    }
};

// What the game starts with: the file's choices, the command line's wherever it says otherwise.
// The command line wins for its run and is not written back: what the game starts with counts as
// written.
Choix fusionner(const Reglages &fichier, const DemandesLigne &ligne);

// The changes to write into the file, from what it was last told to what stands now.
std::vector<Changement> changements(const Choix &avant, const Choix &apres);
