#include "match.h"

#include "deroulement.h"

#include <algorithm>

// Watches the match from its construction to its destruction and reports what changed then.
// Observations may nest (an action inside a step): only the outermost reports, once.
class Match::Observation {
public:
    explicit Observation(Match &match, Intention intention = {})
        : match_(match), intention_(intention), exterieure_(match.observationsOuvertes_++ == 0),
          avant_(exterieure_ ? match.cliche() : Cliche{}) {}
    ~Observation() {
        --match_.observationsOuvertes_;
        ++match_.revision_;
        if (exterieure_) {
            for (const Fait &fait : comparer(avant_, match_.cliche(), intention_)) {
                match_.signaler(fait);
            }
        }
    }
    Observation(const Observation &) = delete;
    Observation &operator=(const Observation &) = delete;

private:
    Match &match_;
    Intention intention_;
    bool exterieure_;
    Cliche avant_;
};

Match::Match(partie &gauche, partie &droite, int &seuilGauche, int &seuilDroite)
    : jeux_{&gauche, &droite}, seuils_{&seuilGauche, &seuilDroite} {}

Match::Match(Plateaux &plateaux)
    : Match(plateaux.gauche, plateaux.droite, plateaux.seuilGauche, plateaux.seuilDroite) {}

void Match::ecouter(EcouteurMatch &ecouteur) {
    if (std::find(ecouteurs_.begin(), ecouteurs_.end(), &ecouteur) == ecouteurs_.end()) {
        ecouteurs_.push_back(&ecouteur);
    }
}

void Match::oublier(EcouteurMatch &ecouteur) {
    ecouteurs_.erase(std::remove(ecouteurs_.begin(), ecouteurs_.end(), &ecouteur),
                     ecouteurs_.end());
}

void Match::signaler(const Fait &fait) {
    for (EcouteurMatch *ecouteur : ecouteurs_) {
        ecouteur->entendre(fait);
    }
}

Cliche Match::cliche() const {
    Cliche c{};
    for (int i = 0; i < 2; ++i) {
        const partie &j = jeu(i);
        c.puits[i] = {j.getX(),     j.getY(),        j.getRotation(), j.getPosees(),
                      j.getScore(), j.getPenalite(), j.getFini()};
        c.seuils[i] = seuil(i);
    }
    c.pause = pause_;
    const Verdict issue = verdict();
    c.decide = issue != Verdict::enCours;
    c.gagne = issue == Verdict::gagneGauche || issue == Verdict::gagneDroite;
    c.match = numero_;
    return c;
}

Verdict Match::verdict() const {
    const bool gauchePerdu = jeu(0).getFini();
    const bool droitePerdu = jeu(1).getFini();
    if (gauchePerdu && droitePerdu) {
        return Verdict::nul;
    }
    if (droitePerdu) {
        return Verdict::gagneGauche;
    }
    if (gauchePerdu) {
        return Verdict::gagneDroite;
    }
    return Verdict::enCours;
}

void Match::compterIssue() {
    ++revision_;
    const Verdict issue = verdict();
    if (issue == Verdict::enCours) {
        issueComptee_ = false;
        return;
    }
    if (issueComptee_) {
        return;
    }
    if (issue != Verdict::nul) {
        ++victoires_[issue == Verdict::gagneGauche ? 0 : 1];
    }
    issueComptee_ = true;
}

// Held actions stop with the pause: after it, the players press again.
void Match::basculerPause() {
    if (entrees_) {
        entrees_->basculerPause();
    }
    const Observation vue(*this);
    pause_ = !pause_;
    arreterRepetitions();
}

void Match::mettreEnPause() {
    if (entrees_) {
        entrees_->mettreEnPause();
    }
    const Observation vue(*this);
    pause_ = true;
    arreterRepetitions();
}

void Match::nouveauMatch() {
    if (entrees_) {
        entrees_->finMatch();
    }
    ++revision_;
    // In the same order as at start-up, so both first pieces come from the clock as they did then.
    jeu(0) = partie();
    jeu(1) = partie();
    *seuils_[0] = 0;
    *seuils_[1] = 0;
    pause_ = false;
    issueComptee_ = false;
    arreterRepetitions();
    prochainMatch_.reset();
    for (Puits &p : puits_) {
        if (p.pilote.ordinateur) {
            p.ordinateur = Ordinateur(p.pilote.niveau, graines_());
        }
    }
    ++numero_;
    if (entrees_) {
        entrees_->nouveauMatch();
    }
}

bool Match::matchSuivant() {
    if (verdict() == Verdict::enCours) {
        return false;
    }
    nouveauMatch();
    return true;
}

void Match::armer(int puits, Instant maintenant) {
    Puits &p = puits_[puits];
    if (!p.pilote.ordinateur) {
        p.prochainCoup.reset();
        return;
    }
    p.ordinateur = Ordinateur(p.pilote.niveau, graines_());
    p.prochainCoup = maintenant + profil(p.pilote.niveau).intervalle;
}

void Match::choisirPilote(int puits, Pilote choix, Instant maintenant) {
    if (entrees_) {
        entrees_->pilote(puits, choix);
    }
    puits_[puits].pilote = choix;
    armer(puits, maintenant);
    prochainMatch_.reset();
}

void Match::piloteSuivant(int puits, Instant maintenant) {
    choisirPilote(puits, ::piloteSuivant(puits_[puits].pilote), maintenant);
}

std::string Match::nomPilote(int puits) const {
    return ::nomPilote(puits_[puits].pilote);
}

void Match::jouer(int puits, Action action) {
    if (entrees_) {
        entrees_->action(puits, action);
    }
    // A player's moves stop once the opponent's game is over; their own game being over does not
    // stop them (down fills the lost well).
    if (pause_ || jeu(1 - puits).getFini()) {
        return;
    }
    appliquer(jeu(puits), action);
    compterIssue();
}

void Match::agir(int puits, Action action) {
    // A well the computer plays does not hear its player: not even a refused turn. Nor does a
    // replay.
    if (puits_[puits].pilote.ordinateur || lecture_) {
        return;
    }
    {
        const Observation vue(*this, Intention{puits, action});
        jouer(puits, action);
    }
    if (suiviActions_ && !pause_ && !jeu(1 - puits).getFini()) {
        suiviActions_(puits, action);
    }
}

void Match::jouerEnregistre(int puits, Action action) {
    const Observation vue(*this, Intention{puits, action});
    jouer(puits, action);
}

void Match::rejouer(int puits, Action action) {
    ++revision_;
    if (!pause_ && !jeu(1 - puits).getFini()) {
        appliquer(jeu(puits), action);
    }
}

Match::Seance Match::seance() const {
    return {pause_, {victoires_[0], victoires_[1]}, numero_, {seuil(0), seuil(1)}};
}

void Match::adopter(const Seance &seance) {
    ++revision_;
    if (seance.pause != pause_ || seance.numero != numero_) {
        arreterRepetitions();
    }
    pause_ = seance.pause;
    victoires_[0] = seance.victoires[0];
    victoires_[1] = seance.victoires[1];
    numero_ = seance.numero;
    *seuils_[0] = seance.seuils[0];
    *seuils_[1] = seance.seuils[1];
    // The tally came with the sitting: a match over here is not counted again.
    issueComptee_ = verdict() != Verdict::enCours;
}

void Match::enfoncer(const Source &source, Commande commande, Instant maintenant) {
    relacher(source);
    // Counted before the press acts: a press that settles the piece leaves nothing to repeat.
    const int posees = jeu(commande.puits).getPosees();
    agir(commande.puits, commande.action);
    if (pause_ || lecture_ || puits_[commande.puits].pilote.ordinateur) {
        return;
    }
    tenues_.push_back({source, commande, posees});
    repetition_.enfoncer(source, maintenant);
}

void Match::relacher(const Source &source) {
    repetition_.relacher(source);
    tenues_.erase(std::remove_if(tenues_.begin(), tenues_.end(),
                                 [&](const Tenue &t) { return t.source == source; }),
                  tenues_.end());
}

void Match::relacherClavier() {
    std::vector<Source> clavier;
    for (const Tenue &t : tenues_) {
        if (t.source.clavier) {
            clavier.push_back(t.source);
        }
    }
    for (const Source &source : clavier) {
        relacher(source);
    }
}

void Match::arreterRepetitions() {
    repetition_.toutRelacher();
    tenues_.clear();
}

// One repeat is one more action, unless the down action's piece has settled meanwhile, or the
// match is over: a held key then must not start the next one.
bool Match::repeter(const Source &source) {
    const auto tenue = std::find_if(tenues_.begin(), tenues_.end(),
                                    [&](const Tenue &t) { return t.source == source; });
    if (tenue == tenues_.end() || verdict() != Verdict::enCours ||
        puits_[tenue->commande.puits].pilote.ordinateur) {
        return false;
    }
    const Commande commande = tenue->commande;
    if (commande.action == Action::descendre && jeu(commande.puits).getPosees() != tenue->posees) {
        return false;
    }
    agir(commande.puits, commande.action);
    return true;
}

void Match::seconde(Instant maintenant) {
    if (entrees_) {
        entrees_->seconde();
    }
    {
        const Observation vue(*this);
        if (!pause_) {
            pasMinuterie(jeu(0), jeu(1), *seuils_[0], *seuils_[1]);
            compterIssue();
        }
    }
    // Every level's interval divides the second: the first key of each second comes with the
    // step, the others at the level's rate after it, so that a key and the step show in one frame.
    derniereSeconde_ = maintenant;
    for (Puits &p : puits_) {
        if (p.pilote.ordinateur) {
            p.prochainCoup = maintenant;
        }
    }
    jouerOrdinateurs(maintenant);
}

bool Match::demo() const {
    return puits_[0].pilote.ordinateur && puits_[1].pilote.ordinateur;
}

std::optional<Instant> Match::prochainCoupOrdinateur(Instant maintenant) {
    if (pause_ || lecture_) {
        prochainMatch_.reset();
        return std::nullopt;
    }
    if (verdict() != Verdict::enCours) {
        if (!demo()) {
            return std::nullopt;
        }
        if (!prochainMatch_) {
            prochainMatch_ = maintenant + attenteDemo;
        }
        return prochainMatch_;
    }
    std::optional<Instant> prochain;
    for (const Puits &p : puits_) {
        if (p.prochainCoup && (!prochain || *p.prochainCoup < *prochain)) {
            prochain = p.prochainCoup;
        }
    }
    return prochain;
}

bool Match::jouerOrdinateurs(Instant maintenant) {
    const std::optional<Instant> du = prochainCoupOrdinateur(maintenant);
    if (!du || *du > maintenant) {
        return false;
    }
    if (verdict() != Verdict::enCours) {
        nouveauMatch();
        return true;
    }
    bool change = false;
    for (int n = 0; n < 2; ++n) {
        Puits &p = puits_[n];
        if (!p.prochainCoup || *p.prochainCoup > maintenant || verdict() != Verdict::enCours) {
            continue;
        }
        const int intervalle = profil(p.pilote.niveau).intervalle;
        // A game that could not look for a while (a stalled frame, a pause) does not get a burst.
        p.prochainCoup = std::max(*p.prochainCoup + intervalle, maintenant + intervalle / 2);
        // The key that would come with the next step waits for it, however late the step is.
        if (derniereSeconde_ && *p.prochainCoup > *derniereSeconde_ + 1000 - intervalle / 2) {
            p.prochainCoup.reset();
        }
        if (const std::optional<Action> action = p.ordinateur.prochaineAction(jeu(n))) {
            // Through the same gates as a player's key, so the computer can do nothing a person
            // cannot.
            const Observation vue(*this, Intention{n, *action});
            jouer(n, *action);
            change = true;
        }
    }
    return change;
}

std::optional<Instant> Match::prochaineEcheance(Instant maintenant) {
    const std::optional<Instant> repetition = repetition_.prochaineRepetition();
    const std::optional<Instant> coup = prochainCoupOrdinateur(maintenant);
    if (!repetition || !coup) {
        return repetition ? repetition : coup;
    }
    return std::min(*repetition, *coup);
}

bool Match::avancer(Instant maintenant) {
    bool change = false;
    const std::optional<Instant> repetition = repetition_.prochaineRepetition();
    if (repetition && *repetition <= maintenant) {
        if (pause_) {
            arreterRepetitions();
        } else {
            repetition_.repeter(maintenant, [this](const Source &s) { return repeter(s); });
        }
        change = true;
    }
    return jouerOrdinateurs(maintenant) || change;
}
