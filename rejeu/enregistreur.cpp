#include "enregistreur.h"

#include "fichiers_rejeu.h"
#include "miroir.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

// The clock new pieces read goes through the recorder that lives: the rules reach their clock
// through a plain function.
Enregistreur *actif = nullptr;

Trace trace(Trace::Sorte sorte) {
    Trace t;
    t.sorte = sorte;
    return t;
}

} // namespace

Enregistreur::Enregistreur(std::optional<std::filesystem::path> dossier, std::size_t garder)
    : dossier_(std::move(dossier)), garder_(garder) {}

Enregistreur::~Enregistreur() {
    arreter();
    if (actif == this) {
        actif = nullptr;
    }
}

std::time_t Enregistreur::lireHorloge() {
    const horlogeSecondes source = actif != nullptr ? actif->precedente_ : nullptr;
    const std::time_t seconde = source != nullptr ? source() : std::time(nullptr);
    if (actif != nullptr && actif->sorte_ == SorteRejeu::entrees) {
        Trace t = trace(Trace::Sorte::tirage);
        t.seconde = seconde;
        actif->ecrire(t);
    }
    return seconde;
}

std::string Enregistreur::prendreErreur() {
    if (erreur_.empty() || erreurDite_) {
        return {};
    }
    erreurDite_ = true;
    return erreur_;
}

void Enregistreur::ecrireOctets(const std::vector<std::uint8_t> &octets) {
    octets_.insert(octets_.end(), octets.begin(), octets.end());
    if (flux_ != nullptr && (std::fwrite(octets.data(), 1, octets.size(), flux_) != octets.size() ||
                             std::fflush(flux_) != 0)) {
        erreur_ = fichier_->string() + ": " + std::strerror(errno);
        std::fclose(flux_);
        flux_ = nullptr;
    }
}

void Enregistreur::commencer(const DebutRejeu &debut) {
    fermer();
    octets_.clear();
    sorte_ = debut.sorte;
    fichier_.reset();
    if (dossier_ && garder_ > 0) {
        std::error_code erreur;
        std::filesystem::create_directories(*dossier_, erreur);
        const std::filesystem::path chemin = nomRejeu(*dossier_, debut.date);
        flux_ = std::fopen(chemin.c_str(), "wb");
        if (flux_ == nullptr) {
            erreur_ = chemin.string() + ": " + std::strerror(errno);
        } else {
            fichier_ = chemin;
            elaguerRejeux(*dossier_, garder_);
        }
    }
    ecrireOctets(ecriture_.debut(debut));
}

void Enregistreur::ecrire(const Trace &t) {
    if (!sorte_) {
        return;
    }
    Trace datee = t;
    datee.quand = maintenant_ - origine_;
    ecrireOctets(ecriture_.trace(datee));
}

void Enregistreur::fermer() {
    if (flux_ != nullptr) {
        std::fflush(flux_);
        ::fsync(::fileno(flux_));
        std::fclose(flux_);
        flux_ = nullptr;
    }
}

void Enregistreur::suivre(Match &match, std::int64_t maintenant) {
    actif = this;
    if (horlogeEnPlace() != &Enregistreur::lireHorloge) {
        precedente_ = horlogeEnPlace();
        remplacerHorloge(&Enregistreur::lireHorloge);
    }
    match_ = &match;
    match.ecouterEntrees(this);
    match.ecouter(*this);
    maintenant_ = maintenant;
    nouveauMatch();
}

void Enregistreur::etatHote(const EtatComplet &etat, const std::vector<Fait> &faits,
                            const Pilote (&pilotes)[2], std::int64_t maintenant) {
    maintenant_ = maintenant;
    if (sorte_ != SorteRejeu::etatsHote || numeroHote_ != etat.seance.numero) {
        numeroHote_ = etat.seance.numero;
        origine_ = maintenant;
        DebutRejeu debut;
        debut.sorte = SorteRejeu::etatsHote;
        debut.date = std::time(nullptr);
        debut.etat = etat;
        debut.pilotes[0] = pilotes[0];
        debut.pilotes[1] = pilotes[1];
        commencer(debut);
        return;
    }
    Trace t = trace(Trace::Sorte::etat);
    t.hote = std::make_shared<const EtatHoteTrace>(EtatHoteTrace{etat, faits});
    ecrire(t);
}

void Enregistreur::arreter() {
    fermer();
    if (match_ != nullptr) {
        match_->ecouterEntrees(nullptr);
        match_->oublier(*this);
        match_ = nullptr;
        remplacerHorloge(precedente_);
    }
    sorte_.reset();
    numeroHote_.reset();
}

void Enregistreur::action(int puits, Action action) {
    Trace t = trace(Trace::Sorte::action);
    t.puits = puits;
    t.action = action;
    ecrire(t);
}

void Enregistreur::seconde() {
    ecrire(trace(Trace::Sorte::seconde));
}

void Enregistreur::basculerPause() {
    ecrire(trace(Trace::Sorte::pause));
}

void Enregistreur::mettreEnPause() {
    ecrire(trace(Trace::Sorte::mettreEnPause));
}

void Enregistreur::pilote(int puits, const Pilote &pilote) {
    Trace t = trace(Trace::Sorte::pilote);
    t.puits = puits;
    t.pilote = pilote;
    ecrire(t);
}

// The old match's file is closed before the new pieces are drawn: they stand in the new one's
// start, with the generator as they leave it.
void Enregistreur::finMatch() {
    fermer();
    sorte_.reset();
}

void Enregistreur::nouveauMatch() {
    if (match_ == nullptr) {
        return;
    }
    origine_ = maintenant_;
    DebutRejeu debut;
    debut.date = std::time(nullptr);
    debut.etat = etatDe(*match_);
    debut.hasard = etatHasard();
    debut.pilotes[0] = match_->pilote(0);
    debut.pilotes[1] = match_->pilote(1);
    commencer(debut);
}

void Enregistreur::entendre(const Fait &fait) {
    if (flux_ != nullptr &&
        (fait.quoi == Evenement::victoire || fait.quoi == Evenement::debordement)) {
        std::fflush(flux_);
        ::fsync(::fileno(flux_));
    }
}
