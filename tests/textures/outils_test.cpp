#include "outils_test.h"

#include <cstdio>
#include <unistd.h>

CaptureErreurs::CaptureErreurs() {
    std::fflush(stderr);
    ancienne_ = dup(fileno(stderr));
    fichier_ = std::tmpfile();
    dup2(fileno(fichier_), fileno(stderr));
}

CaptureErreurs::~CaptureErreurs() {
    std::fflush(stderr);
    dup2(ancienne_, fileno(stderr));
    close(ancienne_);
    std::fclose(fichier_);
}

std::string CaptureErreurs::texte() {
    std::fflush(stderr);
    std::string tout;
    std::rewind(fichier_);
    char morceau[4096];
    std::size_t lus = 0;
    while ((lus = std::fread(morceau, 1, sizeof morceau, fichier_)) > 0)
        tout.append(morceau, lus);
    std::fseek(fichier_, 0, SEEK_END);
    return tout;
}

std::vector<std::string> lignes(const std::string &texte) {
    std::vector<std::string> resultat;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos)
            fin = texte.size();
        resultat.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return resultat;
}
