#pragma once

#include "faits.h"

// The file name, without its extension, of each event's sound: NAME.ogg or NAME.wav. Null for
// the events that have no sound of their own.
const char *nomDuSon(Evenement evenement);

// Every event that has a sound, for whoever loads or lists them.
constexpr Evenement evenementsSonores[] = {
    Evenement::deplacement,  Evenement::rotation,    Evenement::rotationRefusee,
    Evenement::pose,         Evenement::lignes1,     Evenement::lignes2,
    Evenement::lignes3,      Evenement::lignes4,     Evenement::lignesEnvoyees,
    Evenement::lignesRecues, Evenement::debordement, Evenement::victoire,
    Evenement::pause,        Evenement::reprise,
};
