#include "noms_sons.h"

const char *nomDuSon(Evenement evenement) {
    switch (evenement) {
    case Evenement::deplacement:
        return "deplacement";
    case Evenement::rotation:
        return "rotation";
    case Evenement::rotationRefusee:
        return "rotation_refusee";
    case Evenement::pose:
        return "pose";
    case Evenement::lignes1:
        return "lignes1";
    case Evenement::lignes2:
        return "lignes2";
    case Evenement::lignes3:
        return "lignes3";
    case Evenement::lignes4:
        return "lignes4";
    case Evenement::lignesEnvoyees:
        return "lignes_envoyees";
    case Evenement::lignesRecues:
        return "lignes_recues";
    case Evenement::debordement:
        return "debordement";
    case Evenement::victoire:
        return "victoire";
    case Evenement::pause:
        return "pause";
    case Evenement::reprise:
        return "reprise";
    }
    return nullptr;
}
