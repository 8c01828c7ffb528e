#include "lignes_ini.h"

#include "traduction.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

bool blanc(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string rogner(const std::string &texte, std::size_t debut, std::size_t fin) {
    while (debut < fin && blanc(texte[debut])) {
        ++debut;
    }
    while (fin > debut && blanc(texte[fin - 1])) {
        --fin;
    }
    return texte.substr(debut, fin - debut);
}

// As inih looks for a character: the first of `cherches`, or a ';' after a space, which starts
// a comment.
std::size_t chercher(const std::string &ligne, std::size_t depuis, const char *cherches) {
    bool apresBlanc = false;
    for (std::size_t i = depuis; i < ligne.size(); ++i) {
        const char c = ligne[i];
        if ((cherches != nullptr && std::string(cherches).find(c) != std::string::npos) ||
            (apresBlanc && c == ';')) {
            return i;
        }
        apresBlanc = blanc(c);
    }
    return ligne.size();
}

} // namespace

bool memeNom(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> decouperLignes(const std::string &texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = texte.find('\n', debut);
        const std::size_t apres = fin == std::string::npos ? texte.size() : fin + 1;
        lignes.push_back(texte.substr(debut, apres - debut));
        debut = apres;
    }
    return lignes;
}

LigneIni classerLigne(const std::string &brute, bool suitePossible, bool premiere) {
    // inih reads a line as a C string: it ends at the first NUL.
    std::string ligne = brute.substr(0, brute.find('\0'));
    while (!ligne.empty() && blanc(ligne.back())) {
        ligne.pop_back();
    }
    // A UTF-8 byte order mark, which an editor may put at the very start.
    std::size_t debut = premiere && ligne.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (debut < ligne.size() && blanc(ligne[debut])) {
        ++debut;
    }
    LigneIni classee;
    if (debut == ligne.size() || ligne[debut] == ';' || ligne[debut] == '#') {
        return classee;
    }
    if (suitePossible && debut > 0) {
        classee.sorte = LigneIni::Sorte::suite;
        classee.debutValeur = debut;
        classee.finValeur = ligne.size();
        return classee;
    }
    if (ligne[debut] == '[') {
        const std::size_t fin = chercher(ligne, debut + 1, "]");
        if (fin < ligne.size() && ligne[fin] == ']') {
            classee.sorte = LigneIni::Sorte::section;
            classee.nom = ligne.substr(debut + 1, fin - debut - 1);
        } else {
            classee.sorte = LigneIni::Sorte::erronee;
        }
        return classee;
    }
    const std::size_t egal = chercher(ligne, debut, "=:");
    if (egal == ligne.size() || (ligne[egal] != '=' && ligne[egal] != ':')) {
        classee.sorte = LigneIni::Sorte::erronee;
        return classee;
    }
    classee.sorte = LigneIni::Sorte::reglage;
    classee.nom = rogner(ligne, debut, egal);
    std::size_t valeur = egal + 1;
    while (valeur < ligne.size() && blanc(ligne[valeur])) {
        ++valeur;
    }
    std::size_t fin = chercher(ligne, valeur, nullptr);
    while (fin > valeur && blanc(ligne[fin - 1])) {
        --fin;
    }
    classee.debutValeur = valeur;
    classee.finValeur = fin;
    return classee;
}

bool ligneTropLongue(const std::string &ligne) {
    const bool finie = !ligne.empty() && ligne.back() == '\n';
    return ligne.size() - (finie ? 1 : 0) > longueurLigneMax;
}

namespace {

struct Lecteur {
    const std::vector<std::string> lignes;
    std::size_t suivante = 0;
    bool suitePossible = false;
    LectureIni lecture;
};

// inih asks for the lines one at a time: counting them here gives each setting its line, and a
// line inih would skip is named here.
char *lireLigne(char *tampon, int taille, void *flux) {
    Lecteur &l = *static_cast<Lecteur *>(flux);
    if (l.suivante >= l.lignes.size()) {
        return nullptr;
    }
    const std::string &ligne = l.lignes[l.suivante++];
    const int numero = static_cast<int>(l.suivante);
    const char *lue = ligne.c_str();
    // inih's buffer holds the line, its end of line and a NUL.
    if (ligneTropLongue(ligne) || longueurLigneMax + 2 > static_cast<std::size_t>(taille)) {
        l.lecture.erreurs.push_back({numero, remplir(_("line too long (at most {1} characters)"),
                                                     {std::to_string(longueurLigneMax)})});
        lue = "#\n";
    } else {
        const LigneIni classee = classerLigne(ligne, l.suitePossible, numero == 1);
        switch (classee.sorte) {
        case LigneIni::Sorte::section:
            l.suitePossible = false;
            l.lecture.sections.push_back({classee.nom, numero});
            break;
        case LigneIni::Sorte::reglage:
            l.suitePossible = true;
            break;
        case LigneIni::Sorte::erronee:
            l.lecture.erreurs.push_back(
                {numero, _("not a setting (name = value) nor a [section]")});
            break;
        case LigneIni::Sorte::rien:
        case LigneIni::Sorte::suite:
            break;
        }
    }
    std::memcpy(tampon, lue, std::strlen(lue) + 1);
    return tampon;
}

int lireReglage(void *utilisateur, const char *section, const char *cle, const char *valeur) {
    Lecteur &l = *static_cast<Lecteur *>(utilisateur);
    l.lecture.reglages.push_back({section, cle, valeur, static_cast<int>(l.suivante)});
    return 1;
}

} // namespace

LectureIni lireIni(const std::string &texte) {
    Lecteur lecteur{decouperLignes(texte), 0, false, {}};
    // A text of NUL-free lines cannot fail to read; the stream is our own.
    ini_parse_stream(lireLigne, &lecteur, lireReglage, &lecteur);
    return lecteur.lecture;
}
