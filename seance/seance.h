#pragma once

#include "avis.h"
#include "champ_adresse.h"
#include "choix.h"
#include "clavier_jeu.h"
#include "enregistreur.h"
#include "manettes.h"
#include "match.h"
#include "reveil.h"
#include "son.h"
#include "son_du_jeu.h"
#include "transport_enet.h"
#include "visionneuse.h"
#include "vue.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The sitting: one window's game, whoever plays it. Keys, a hidden window, wake-ups and the
// one-second heartbeat come in, translated from the platform's events, with the time on the game's
// clock; the sitting decides what each does (a player's action, a gesture of the sitting, a move
// of the replay being watched, the address field's editing, the network's session), and answers
// with what the platform must do: full screen switched, settings written, lines for standard
// error. It owns the match, the keyboard, the wake-ups, the notice, the network and the replays,
// recorded as they are played or watched; sound and pads are the platform's, driven from here.
// It has no clock of its own and calls no window system.
class Seance {
public:
    Seance(partie &gauche, partie &droite, int &seuilGauche, int &seuilDroite, Son &son,
           Manettes &manettes);

    struct Reponse {
        bool pleinEcran = false;
        std::vector<Changement> reglages;
        std::vector<std::string> messages;
    };

    // What the sitting starts with: who plays, the sound and full screen (the settings file's,
    // the command line's over them), the keys, the desktop's repeat, the network's port and last
    // address, the pads swapped, and how many replays to keep where.
    struct Depart {
        Choix choix;
        Liaisons liaisons;
        ReglageRepetition repetition;
        std::uint16_t port = portParDefaut;
        std::string adresse;
        bool echangerManettes = false;
        std::size_t rejeuxGardes = 100;
        std::optional<std::filesystem::path> dossierRejeux;
    };
    // The match begins: a network match (a transport opened before the window), a replay to watch
    // (which writes no setting and no replay), or a match of this machine's.
    Reponse demarrer(const Depart &depart, std::unique_ptr<TransportEnet> reseau,
                     std::optional<Rejeu> rejeu, std::int64_t maintenant);

    Reponse enfoncer(Touche touche, std::int64_t maintenant);
    void relacher(Touche touche);
    // The window is hidden or iconified: the match pauses, and held keys let go.
    Reponse cacher(std::int64_t maintenant);
    void redimensionner(int largeur, int hauteur);
    // A wake-up that `planifier` armed under `jeton`; `focusPerdu`: the window lost the keyboard
    // since the last one.
    Reponse reveiller(int jeton, std::int64_t maintenant, bool focusPerdu);
    // The heartbeat, every second.
    Reponse seconde(std::int64_t maintenant);
    // What to do now: a frame, and a wake-up when the next thing is due. `dernierTemps`: when the
    // last frame began, on the frames' own 32-bit clock.
    Reveil::Plan planifier(std::int64_t maintenant, std::uint32_t dernierTemps);
    void imageDessinee() { reveil_.imageDessinee(); }
    // The network learns that this machine goes.
    void quitter() { reseau_.reset(); }

    // What a frame shows.
    const Vue &vue() const { return vue_; }
    Match &match() { return match_; }
    const Match &match() const { return match_; }
    const Liaisons &liaisons() const { return clavier_.liaisons(); }
    Avis &avis() { return avis_; }
    bool unJoueur() const { return clavier_.seul(); }
    const std::optional<std::string> &saisie() const { return champ_.texte(); }
    std::optional<std::string> etiquetteRejeu() const;

    // What the sitting stands at, for the platform and the tests: who plays each well (the
    // player's choice, not the network's), the sound, full screen.
    Choix choixActuels() const;
    bool enReseau() const { return reseau_ != nullptr; }
    bool enRejeu() const { return visionneuse_ != nullptr; }
    TransportEnet *reseau() { return reseau_.get(); }
    Visionneuse *visionneuse() { return visionneuse_.get(); }
    Enregistreur *enregistreur() { return enregistreur_.get(); }

private:
    void changement() { reveil_.signalerChangement(); }
    void heure(std::int64_t maintenant);
    void executer(Geste geste, Reponse &reponse);
    bool commanderRejeu(Geste geste);
    void revoir();
    void quitterRejeu();
    void retenir(Reponse &reponse);
    void dire(const std::string &texte, std::int64_t duree);
    // Network play.
    void jouerEnReseau(std::unique_ptr<TransportEnet> reseau);
    void suivreRoles();
    bool suivre(const Nouvelles &nouvelles);
    void heberger();
    void saisir(unsigned char touche, Reponse &reponse);
    bool matchIci() const { return !reseau_ || reseau_->session().matchIci(); }

    Match match_;
    ClavierJeu clavier_{match_};
    Reveil reveil_;
    Vue vue_ = vuePour(largeurInitiale, hauteurInitiale);
    Avis avis_;
    Son &son_;
    SonDuJeu sonDuJeu_{son_};
    Manettes &manettes_;
    ChampAdresse champ_;
    std::int64_t maintenant_ = 0;

    // What the settings file was last told; full screen; who played each well before the
    // network, kept for the file.
    std::optional<Choix> ecrit_;
    bool pleinEcran_ = false;
    std::optional<std::array<Pilote, 2>> pilotesLocaux_;
    std::uint16_t port_ = portParDefaut;
    std::string derniereAdresse_;

    std::unique_ptr<TransportEnet> reseau_;
    std::unique_ptr<Enregistreur> enregistreur_;
    std::unique_ptr<Visionneuse> visionneuse_;
    // Watching again the match just played: the next match comes after.
    bool revoit_ = false;
};
