#include "gestes.h"

#include "match.h"

bool appliquerGeste(Match &match, Geste geste, std::int64_t maintenant) {
    switch (geste) {
    case Geste::pause:
        match.basculerPause();
        return true;
    case Geste::mettreEnPause:
        match.mettreEnPause();
        return true;
    case Geste::nouveauMatch:
        match.nouveauMatch();
        return true;
    case Geste::matchSuivant:
        match.matchSuivant();
        return true;
    case Geste::piloteGauche:
    case Geste::piloteDroite:
        match.piloteSuivant(geste == Geste::piloteGauche ? 0 : 1, maintenant);
        return true;
    case Geste::balancement:
    case Geste::son:
    case Geste::pleinEcran:
    case Geste::heberger:
    case Geste::rejoindre:
    case Geste::moinsVite:
    case Geste::plusVite:
    case Geste::revoir:
    case Geste::verdict:
    case Geste::piecePrecedente:
    case Geste::pieceSuivante:
        return false;
    }
    return false;
}
