#pragma once

#include "ligne_commande.h"
#include "seance.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// What the command line asks before any window opens: help, the version, a mistake, or a match,
// with the network's transport opened and the replay read, so that a port in use, an unknown
// host or a file that is no replay is said before a window flashes up.
struct Lancement {
    // The game ends at once with this status.
    std::optional<int> fin;
    // For standard output and standard error, each line with its line feed.
    std::string sortie;
    std::string erreur;
    std::unique_ptr<TransportEnet> reseau;
    std::optional<Rejeu> rejeu;
};
// `liaisonsAide`: the keys --help lists, asked only for it.
Lancement lancer(const LigneCommande &ligne, const std::function<Liaisons()> &liaisonsAide);

// The sitting's start: the settings file's choices with the command line's on top for this run,
// the keys as bound, and where replays are kept.
Seance::Depart departDe(const Reglages &reglages, const Liaisons &liaisons,
                        const DemandesLigne &demandes,
                        std::optional<std::filesystem::path> dossierRejeux);
