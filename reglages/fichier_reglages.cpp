#include "fichier_reglages.h"

#include "dossiers_xdg.h"
#include "traduction.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string raison(const std::string &quoi) {
    return quoi + ": " + std::strerror(errno);
}

bool toutEcrire(int fd, const std::string &texte) {
    std::size_t ecrit = 0;
    while (ecrit < texte.size()) {
        const ssize_t n = ::write(fd, texte.data() + ecrit, texte.size() - ecrit);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        ecrit += static_cast<std::size_t>(n);
    }
    return true;
}

// So that the rename itself is on the disk too.
void synchroniserDossier(const fs::path &dossier) {
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::optional<fs::path> cheminReglages() {
    const std::optional<fs::path> base = dossierXdg("XDG_CONFIG_HOME", ".config");
    return base ? std::optional<fs::path>(*base / "cubefall" / "cubefall.conf") : std::nullopt;
}

ContenuFichier lireFichier(const fs::path &chemin) {
    ContenuFichier contenu;
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        contenu.etat =
            errno == ENOENT ? ContenuFichier::Etat::absent : ContenuFichier::Etat::illisible;
        contenu.erreur = raison(chemin.string());
        return contenu;
    }
    char tampon[4096];
    for (;;) {
        const ssize_t n = ::read(fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            contenu.etat = ContenuFichier::Etat::illisible;
            contenu.erreur = raison(chemin.string());
            contenu.texte.clear();
            break;
        }
        if (n == 0) {
            contenu.etat = ContenuFichier::Etat::lu;
            break;
        }
        contenu.texte.append(tampon, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return contenu;
}

std::string enregistrer(const fs::path &demande, const Changement &changement,
                        void (*avantRenommage)()) {
    // A file that is a link to another (kept with one's other settings) stays a link: the file
    // it names is the one replaced.
    std::error_code erreur;
    fs::path chemin = demande;
    if (fs::is_symlink(demande, erreur)) {
        chemin = fs::canonical(demande, erreur);
        if (erreur) {
            return demande.string() + ": " + erreur.message();
        }
    }
    const ContenuFichier ancien = lireFichier(chemin);
    if (ancien.etat == ContenuFichier::Etat::illisible) {
        return remplir(_("{1} (left as it is)"), {ancien.erreur});
    }
    const fs::path dossier = chemin.parent_path();
    fs::create_directories(dossier, erreur);
    if (erreur) {
        return dossier.string() + ": " + erreur.message();
    }

    std::string ancienTexte = ancien.texte;
    if (ancien.etat == ContenuFichier::Etat::absent) {
        ancienTexte =
            _("# Cubefall's settings. The game writes here what is changed in play (F3, F4, m, "
              "F11);\n# the keys are X keysym names. See man cubefall for every setting.\n");
    }
    const std::optional<std::string> change = mettreAJour(ancienTexte, changement);
    if (!change) {
        return remplir(_("{1}: {2} = {3} cannot be written without changing another line (left "
                         "as it is)"),
                       {chemin.string(), changement.cle, changement.valeur});
    }
    const std::string &texte = *change;

    std::string modele = (dossier / ("." + chemin.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(modele.data());
    if (fd < 0) {
        return raison(dossier.string());
    }
    struct stat etat {};
    const mode_t mode = ::stat(chemin.c_str(), &etat) == 0
                            ? (etat.st_mode & 07777)
                            : (S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    if (::fchmod(fd, mode) != 0 || !toutEcrire(fd, texte) || ::fsync(fd) != 0) {
        const std::string probleme = raison(modele);
        ::close(fd);
        ::unlink(modele.c_str());
        return probleme;
    }
    if (::close(fd) != 0) {
        const std::string probleme = raison(modele);
        ::unlink(modele.c_str());
        return probleme;
    }
    if (avantRenommage != nullptr) {
        avantRenommage();
    }
    if (::rename(modele.c_str(), chemin.c_str()) != 0) {
        const std::string echec = raison(chemin.string());
        ::unlink(modele.c_str());
        return echec;
    }
    synchroniserDossier(dossier);
    return {};
}

LectureReglages FichierReglages::lire(const VerifierTouche &verifier) {
    if (!chemin_) {
        return {};
    }
    const ContenuFichier contenu = lireFichier(*chemin_);
    ecrivable_ = contenu.etat != ContenuFichier::Etat::illisible;
    if (!ecrivable_) {
        LectureReglages lecture;
        lecture.erreurs.push_back(
            remplir(_("cubefall: {1}; the settings are not used, and the file is not written"),
                    {contenu.erreur}));
        return lecture;
    }
    return lireReglages(contenu.texte, chemin_->string(), verifier);
}

std::string FichierReglages::ecrire(const Changement &changement) const {
    if (!chemin_ || !ecrivable_) {
        return {};
    }
    return enregistrer(*chemin_, changement);
}
