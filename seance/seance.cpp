#include "seance.h"
#include "traduction.h"

#include "clavier.h"
#include "codes_touches.h"

#include <utility>

namespace {

// A machine's own notice: long enough to read, short enough not to stand in the way.
constexpr std::int64_t dureeAvisCourt = 1500;

} // namespace

Seance::Seance(partie &gauche, partie &droite, int &seuilGauche, int &seuilDroite, Son &son,
               Manettes &manettes)
    : match_(gauche, droite, seuilGauche, seuilDroite), son_(son), manettes_(manettes) {
    match_.ecouter(sonDuJeu_);
}

void Seance::heure(std::int64_t maintenant) {
    maintenant_ = maintenant;
    sonDuJeu_.heure(maintenant);
    if (enregistreur_) {
        enregistreur_->temps(maintenant);
    }
}

void Seance::dire(const std::string &texte, std::int64_t duree) {
    avis_.afficher(texte, maintenant_ + duree);
    changement();
}

Choix Seance::choixActuels() const {
    const std::array<Pilote, 2> pilotes =
        pilotesLocaux_.value_or(std::array<Pilote, 2>{match_.pilote(0), match_.pilote(1)});
    return {{pilotes[0], pilotes[1]}, !son_.coupe(), pleinEcran_};
}

Seance::Reponse Seance::demarrer(const Depart &depart, std::unique_ptr<TransportEnet> reseau,
                                 std::optional<Rejeu> rejeu, std::int64_t maintenant) {
    heure(maintenant);
    Reponse reponse;
    port_ = depart.port;
    derniereAdresse_ = depart.adresse;
    clavier_.lier(depart.liaisons);
    match_.reglerRepetition(depart.repetition);
    son_.couper(!depart.choix.son);
    manettes_.echanger(depart.echangerManettes, match_);
    for (int puits = 0; puits < 2; ++puits) {
        match_.choisirPilote(puits, depart.choix.pilotes[puits], maintenant);
    }
    reponse.pleinEcran = depart.choix.pleinEcran;
    pleinEcran_ = depart.choix.pleinEcran;
    changement();
    if (rejeu) {
        visionneuse_ = std::make_unique<Visionneuse>(std::move(*rejeu), match_, maintenant);
        return reponse;
    }
    // What stands now, the file's or the command line's, counts as written.
    ecrit_ = choixActuels();
    enregistreur_ = std::make_unique<Enregistreur>(depart.dossierRejeux, depart.rejeuxGardes);
    enregistreur_->temps(maintenant);
    const bool invite = reseau && reseau->invite() != nullptr;
    if (reseau) {
        jouerEnReseau(std::move(reseau));
    }
    if (!invite) {
        enregistreur_->suivre(match_, maintenant);
    }
    if (const std::string erreur = enregistreur_->prendreErreur(); !erreur.empty()) {
        reponse.messages.push_back(
            remplir(_("cubefall: replays cannot be written: {1}"), {erreur}));
    }
    return reponse;
}

Seance::Reponse Seance::enfoncer(Touche touche, std::int64_t maintenant) {
    heure(maintenant);
    Reponse reponse;
    // While the address is typed, the keys are the field's; F11 alone keeps its meaning.
    if (champ_.ouvert() && !(touche == Touche{true, toucheF11})) {
        if (!touche.speciale) {
            saisir(static_cast<unsigned char>(touche.code), reponse);
            changement();
        }
        return reponse;
    }
    const std::optional<Geste> geste = clavier_.enfoncer(touche, maintenant);
    if (geste) {
        executer(*geste, reponse);
    }
    retenir(reponse);
    // Full screen changes the picture through the window's new size.
    if (geste != Geste::pleinEcran) {
        changement();
    }
    return reponse;
}

void Seance::relacher(Touche touche) {
    clavier_.relacher(touche);
}

Seance::Reponse Seance::cacher(std::int64_t maintenant) {
    heure(maintenant);
    Reponse reponse;
    executer(Geste::mettreEnPause, reponse);
    clavier_.toutRelacher();
    changement();
    return reponse;
}

void Seance::redimensionner(int largeur, int hauteur) {
    vue_ = vuePour(largeur, hauteur);
    changement();
}

// What a key or a pad's button asks: the replay's when one is watched, the network's when it
// runs the sitting, the match's, then this machine's own.
void Seance::executer(Geste geste, Reponse &reponse) {
    if (visionneuse_ && commanderRejeu(geste)) {
        return;
    }
    if (reseau_) {
        const bool pris = reseau_->session().geste(geste, match_, maintenant_);
        reseau_->envoyer();
        suivre(reseau_->session().prendreNouvelles());
        if (pris) {
            return;
        }
    } else if (!visionneuse_ && appliquerGeste(match_, geste, maintenant_)) {
        return;
    }
    switch (geste) {
    case Geste::balancement:
        // The game's own l, which a paused match does not hear.
        if (!match_.enPause()) {
            clavier('l', 0, 0);
        }
        break;
    case Geste::son:
        son_.couper(!son_.coupe());
        dire(son_.coupe() ? _("Sound off") : _("Sound on"), dureeAvisCourt);
        break;
    case Geste::pleinEcran:
        reponse.pleinEcran = true;
        pleinEcran_ = !pleinEcran_;
        break;
    case Geste::heberger:
        heberger();
        break;
    case Geste::rejoindre:
        // The match waits while the address is typed, and after: p plays on.
        if (!reseau_ && !visionneuse_) {
            champ_.ouvrir(derniereAdresse_);
            match_.mettreEnPause();
        }
        break;
    case Geste::revoir:
        if (!reseau_ && !visionneuse_ && match_.verdict() != Verdict::enCours) {
            revoir();
        }
        break;
    default:
        break;
    }
}

// The viewer's keys while a replay is watched; the sitting's other gestures wait for the match
// to be played again. False for this machine's own (the sway, the sound, full screen).
bool Seance::commanderRejeu(Geste geste) {
    using Commande = Visionneuse::Commande;
    std::optional<Commande> commande;
    switch (geste) {
    case Geste::pause:
    case Geste::mettreEnPause:
        if (geste == Geste::mettreEnPause && visionneuse_->enPause()) {
            return true;
        }
        commande = Commande::pause;
        break;
    case Geste::moinsVite:
        commande = Commande::moinsVite;
        break;
    case Geste::plusVite:
        commande = Commande::plusVite;
        break;
    case Geste::revoir:
        commande = Commande::debut;
        break;
    case Geste::verdict:
        commande = Commande::fin;
        break;
    case Geste::piecePrecedente:
        commande = Commande::piecePrecedente;
        break;
    case Geste::pieceSuivante:
        commande = Commande::pieceSuivante;
        break;
    case Geste::matchSuivant:
        if (revoit_) {
            quitterRejeu();
        }
        return true;
    case Geste::balancement:
    case Geste::son:
    case Geste::pleinEcran:
        return false;
    default:
        return true;
    }
    // A jump plays what it passes over without a sound.
    sonDuJeu_.taire(true);
    visionneuse_->commander(*commande, maintenant_);
    visionneuse_->lecteur().prendreFaits();
    sonDuJeu_.taire(false);
    return true;
}

// F9 once a match is over: the match just played, watched again at once.
void Seance::revoir() {
    LectureRejeu lecture =
        lireRejeu(enregistreur_->octets().data(), enregistreur_->octets().size());
    if (!lecture.rejeu) {
        dire(remplir(_("The match cannot be watched again: {1}"), {lecture.erreur}),
             dureeAvisReseau);
        return;
    }
    enregistreur_->arreter();
    clavier_.toutRelacher();
    visionneuse_ = std::make_unique<Visionneuse>(std::move(*lecture.rejeu), match_, maintenant_);
    revoit_ = true;
    dire(_("The match again: Return or Space plays the next one"), dureeAvisReseau);
}

// The replay ends where the match did, so that the tally stands as it was; the next match begins,
// written down again.
void Seance::quitterRejeu() {
    sonDuJeu_.taire(true);
    visionneuse_->commander(Visionneuse::Commande::fin, maintenant_);
    visionneuse_.reset();
    sonDuJeu_.taire(false);
    revoit_ = false;
    match_.matchSuivant();
    enregistreur_->suivre(match_, maintenant_);
}

void Seance::retenir(Reponse &reponse) {
    if (!ecrit_ || visionneuse_) {
        return;
    }
    const Choix maintenant = choixActuels();
    for (const Changement &c : changements(*ecrit_, maintenant)) {
        reponse.reglages.push_back(c);
    }
    ecrit_ = maintenant;
}

Seance::Reponse Seance::reveiller(int jeton, std::int64_t maintenant, bool focusPerdu) {
    Reponse reponse;
    if (!reveil_.reveiller(jeton)) {
        return reponse;
    }
    heure(maintenant);
    // Keys held while the window lost the keyboard will never see their release.
    if (focusPerdu) {
        clavier_.toutRelacher();
    }
    const std::optional<std::int64_t> finSons = son_.fin();
    if (finSons && *finSons <= maintenant) {
        son_.arreterSiSilence(maintenant);
    }
    bool change = false;
    // The pads first: a direction pressed since the last reading may start its repeat.
    const std::optional<std::int64_t> lecture = manettes_.prochaineLecture(maintenant);
    if (lecture && *lecture <= maintenant) {
        const Manettes::Lecture lue = manettes_.lire(maintenant, match_);
        change = lue.change;
        for (const Geste geste : lue.gestes) {
            executer(geste, reponse);
        }
    }
    if (reseau_) {
        const std::optional<std::int64_t> service = reseau_->prochaineEcheance(maintenant, match_);
        if (service && *service <= maintenant) {
            change = suivre(reseau_->servir(maintenant, match_)) || change;
        }
    }
    if (visionneuse_) {
        change = visionneuse_->avancer(maintenant) || change;
        for (const Fait &fait : visionneuse_->lecteur().prendreFaits()) {
            sonDuJeu_.entendreHote(fait);
        }
    }
    change = match_.avancer(maintenant) || change;
    // The notice's time up is a change too: a frame without it.
    const std::optional<std::int64_t> finAvis = avis_.fin();
    if (change || (finAvis && *finAvis <= maintenant)) {
        changement();
    }
    retenir(reponse);
    return reponse;
}

Seance::Reponse Seance::seconde(std::int64_t maintenant) {
    heure(maintenant);
    // Over the network the host's match alone steps, once its player is there; a replay steps
    // as it was played.
    if (matchIci() && !visionneuse_) {
        match_.seconde(maintenant);
        changement();
    }
    return {};
}

Reveil::Plan Seance::planifier(std::int64_t maintenant, std::uint32_t dernierTemps) {
    // A notice past its time waits for the frame already asked for.
    std::optional<std::int64_t> finAvis = avis_.fin();
    if (finAvis && *finAvis <= maintenant) {
        finAvis.reset();
    }
    return reveil_.planifier(
        maintenant, rotationActive && !match_.enPause(), dernierTemps,
        {match_.prochaineEcheance(maintenant), manettes_.prochaineLecture(maintenant), son_.fin(),
         finAvis, reseau_ ? reseau_->prochaineEcheance(maintenant, match_) : std::nullopt,
         visionneuse_ ? visionneuse_->prochaineEcheance(maintenant) : std::nullopt});
}

std::optional<std::string> Seance::etiquetteRejeu() const {
    if (!visionneuse_) {
        return std::nullopt;
    }
    return visionneuse_->etiquette();
}

void Seance::jouerEnReseau(std::unique_ptr<TransportEnet> reseau) {
    reseau_ = std::move(reseau);
    // A joining machine writes down the host's states, not its own mirror's.
    if (reseau_->invite() != nullptr && enregistreur_) {
        enregistreur_->arreter();
    }
    reseau_->session().commencer(match_, maintenant_);
    match_.suivreActions([this](int puits, Action action) {
        if (reseau_ && reseau_->session().puitsPredit() == puits) {
            reseau_->session().agir(action, maintenant_);
            reseau_->envoyer();
        }
    });
    suivre(reseau_->session().prendreNouvelles());
}

// Who plays each well, and what this machine's keys, pads and sound follow, as the session says.
// The player's own choices are kept aside, and stand in the settings file meanwhile.
void Seance::suivreRoles() {
    const Session &session = reseau_->session();
    if (!pilotesLocaux_) {
        pilotesLocaux_ = {{match_.pilote(0), match_.pilote(1)}};
    }
    const std::array<Pilote::Reseau, 2> pilotes = session.pilotes();
    for (int puits = 0; puits < 2; ++puits) {
        match_.choisirPilote(puits, Pilote{false, Niveau::facile, pilotes[puits]}, maintenant_);
    }
    clavier_.jouerSeul(session.puitsJoue());
    manettes_.jouerSeul(session.puitsJoue(), match_);
    sonDuJeu_.predire(session.puitsPredit());
}

bool Seance::suivre(const Nouvelles &n) {
    if (n.roles) {
        suivreRoles();
    }
    if (n.avisFixe) {
        avis_.fixer(*n.avisFixe);
    }
    if (n.avis) {
        dire(*n.avis, dureeAvisReseau);
    }
    for (const Fait &fait : n.faitsHote) {
        sonDuJeu_.entendreHote(fait);
    }
    if (enregistreur_) {
        const Pilote pilotes[2] = {match_.pilote(0), match_.pilote(1)};
        for (const Nouvelles::EtatHote &etat : n.etatsHote) {
            enregistreur_->etatHote(etat.etat, etat.faits, pilotes, maintenant_);
        }
    }
    return n.change || n.avis || n.avisFixe;
}

void Seance::heberger() {
    if (reseau_ || visionneuse_) {
        return;
    }
    std::string erreur;
    std::unique_ptr<TransportEnet> reseau = TransportEnet::heberger(port_, erreur);
    if (!reseau) {
        dire(remplir(_("Cannot host: {1}"), {erreur}), dureeAvisReseau);
        return;
    }
    jouerEnReseau(std::move(reseau));
}

void Seance::saisir(unsigned char touche, Reponse &reponse) {
    if (champ_.toucher(touche) != ChampAdresse::Suite::valider) {
        return;
    }
    const std::string texte = *champ_.texte();
    const std::optional<AdresseJeu> adresse = lireAdresse(texte);
    std::string erreur;
    std::unique_ptr<TransportEnet> reseau =
        adresse ? TransportEnet::rejoindre(*adresse, erreur) : nullptr;
    if (!adresse) {
        dire(_("Not an address: a name or an IPv4 address, then :PORT if need be"),
             dureeAvisReseau);
    } else if (!reseau) {
        dire(remplir(_("Cannot join: {1}"), {erreur}), dureeAvisReseau);
    } else {
        derniereAdresse_ = texte;
        reponse.reglages.push_back(changementAdresse(texte));
        champ_.fermer();
        jouerEnReseau(std::move(reseau));
    }
}
