#include "surimpression.h"
#include "traduction.h"

#include "aide_touches.h"
#include "ecriture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr Couleur clair{1.0f, 0.95f, 0.82f};
constexpr Couleur alerte{1.0f, 0.45f, 0.2f};
constexpr Couleur fond{0.12f, 0.1f, 0.08f};
constexpr Couleur titre{1.0f, 0.8f, 0.4f};
constexpr Couleur discret{0.85f, 0.82f, 0.75f};

// The overlay is drawn in a window 500 units high, whatever its size in pixels: text, panels and
// gaps keep their share of the window, as they look at 500 x 500. A window narrower than it is high
// is 500 units wide instead, so that every line laid out for 500 units fits across it.
constexpr float tailleReference = 500;
// Space kept between a notice's panel and the window's sides.
constexpr float bordFenetre = 8;
constexpr float interligneAvis = 20;

// Columns 0 to 9 of a well span X from -1 to 9; the right well is 11 units further.
constexpr float centrePuits[2] = {4, 15};

// The keys under the pause, from the help's table: each group a title over its keys and what
// they do; the two players' groups side by side, the others under them.
constexpr float interligne = 15;
constexpr float entreColonnes = 8;
constexpr float entreGroupes = 24;
constexpr float marge = 14;

struct Mesure {
    float touches; // the widest key of the group
    float largeur;
    float hauteur;
};

void rectangle(float x0, float y0, float x1, float y1, Couleur couleur) {
    glColor3f(couleur.r, couleur.g, couleur.b);
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, 0);
    glVertex3f(x1, y0, 0);
    glVertex3f(x1, y1, 0);
    glVertex3f(x0, y1, 0);
    glEnd();
}

// A dark panel with a light edge, centred on a point, for the verdict and the pause.
void panneau(float centreX, float centreY, float largeur, float hauteur) {
    const float x0 = centreX - largeur / 2, y0 = centreY - hauteur / 2;
    rectangle(x0 - 2, y0 - 2, x0 + largeur + 2, y0 + hauteur + 2, clair);
    rectangle(x0, y0, x0 + largeur, y0 + hauteur, fond);
}

class Surimpression {
public:
    explicit Surimpression(const Vue &vue)
        : vue_(vue), pixels_(static_cast<float>(std::max(std::min(vue.hauteur, vue.largeur), 1)) /
                             tailleReference),
          largeur_(static_cast<float>(vue.largeur) / pixels_),
          hauteur_(static_cast<float>(vue.hauteur) / pixels_) {}

    float largeur() const { return largeur_; }
    float hauteur() const { return hauteur_; }

    void scores(const Match &match) const;
    void verdict(const Match &match, Verdict issue) const;
    void pause(const Liaisons &liaisons, bool unJoueur) const;
    void avis(const std::string &texte) const;
    void rejeu(const std::string &texte) const;
    void saisie(const std::string &texte) const;

private:
    float largeurTexte(Police police, const std::string &texte) const {
        return ::largeurTexte(police, texte, pixels_);
    }
    void ecrire(Police police, const std::string &texte, float x, float y, Couleur couleur) const {
        ecrireTexte(police, texte, x, y, couleur, pixels_);
    }
    void ecrireCentre(Police police, const std::string &texte, float centreX, float y,
                      Couleur couleur) const {
        ecrire(police, texte, centreX - largeurTexte(police, texte) / 2, y, couleur);
    }
    std::vector<std::string> couperLignes(Police police, const std::string &texte,
                                          float largeur) const;
    // The largest of the sizes from `police` down that writes the text on one line of `largeur`.
    Police ajuster(Police police, const std::string &texte, float largeur) const;

    // Where a point of the scene lands, in overlay units from the bottom left, seen by the camera
    // at rest: it looks straight down on (10, 0, -5) from 20 units up, with the projection's field
    // of view.
    float tangenteDemiChamp() const {
        return static_cast<float>(std::tan(vue_.champ * 3.14159265358979323846 / 360));
    }
    float ecranX(float x, float hauteurPoint) const {
        const float demiLargeur = (20 - hauteurPoint) * tangenteDemiChamp() * largeur_ / hauteur_;
        return (1 + (x - 10) / demiLargeur) * 0.5f * largeur_;
    }
    float ecranY(float z, float hauteurPoint) const {
        const float demiHauteur = (20 - hauteurPoint) * tangenteDemiChamp();
        return (1 + (-5 - z) / demiHauteur) * 0.5f * hauteur_;
    }

    // The baseline of the scores and the tally: centred between the wells' top edge and the
    // window's.
    float ligneDesScores() const { return std::floor((ecranY(-14, 1) + hauteur_) / 2) - 8; }

    Mesure mesurer(const GroupeAide &groupe) const;
    void dessinerGroupe(const GroupeAide &groupe, const Mesure &m, float x, float haut) const;

    const Vue &vue_;
    float pixels_; // window pixels a unit
    float largeur_;
    float hauteur_;
};

void Surimpression::scores(const Match &match) const {
    const float ligne = ligneDesScores();
    for (int i = 0; i < 2; ++i) {
        const float centre = ecranX(centrePuits[i], 1);
        const std::string score = std::to_string(match.jeu(i).getScore());
        ecrireCentre(policeGrande, score, centre, ligne, clair);
        // Who plays this well, just under the score, on a dark band that reads on the metal.
        const std::string nom = match.nomPilote(i);
        const float demi = largeurTexte(policePetite, nom) / 2 + 5;
        const float bas = ligne - 19;
        rectangle(centre - demi, bas - 4, centre + demi, bas + policePetite.capitale + 4, fond);
        ecrireCentre(policePetite, nom, centre, bas, clair);
        const int penalite = match.jeu(i).getPenalite();
        if (penalite > 0) {
            const std::string attente =
                remplir(P_("+{1} row", "+{1} rows", static_cast<unsigned long>(penalite)),
                        {std::to_string(penalite)});
            // Right of the score, smaller if the window's edge is near; failing that, above it
            // against that edge, clear of a long score.
            const float x = centre + largeurTexte(policeGrande, score) / 2 + 10;
            const float place = largeur_ - bordFenetre - x;
            const Police police = ajuster(policeMoyenne, attente, place);
            if (largeurTexte(police, attente) <= place) {
                ecrire(police, attente, x, ligne, alerte);
            } else {
                const float large = largeurTexte(policeMoyenne, attente);
                ecrire(policeMoyenne, attente, std::min(x, largeur_ - bordFenetre - large),
                       ligne + policeGrande.capitale + 6, alerte);
            }
        }
    }
}

void Surimpression::verdict(const Match &match, Verdict issue) const {
    const float milieu = ecranY(-5, 1);
    for (int i = 0; i < 2; ++i) {
        const float centre = ecranX(centrePuits[i], 1);
        const bool gagne =
            (i == 0 && issue == Verdict::gagneGauche) || (i == 1 && issue == Verdict::gagneDroite);
        const std::string mot = issue == Verdict::nul ? _("Draw")
                                : gagne               ? _("Winner")
                                                      : _("Loser");
        panneau(centre, milieu, 190, 78);
        ecrireCentre(policeGrande, mot, centre, milieu + 6, gagne ? clair : alerte);
        ecrireCentre(policePetite, _("Return or Space: new match"), centre, milieu - 24, clair);
    }
    // The tally sits between the two scores: left player's wins, then the right player's.
    ecrireCentre(policeGrande,
                 std::to_string(match.victoires(0)) + " - " + std::to_string(match.victoires(1)),
                 largeur_ / 2, ligneDesScores(), clair);
}

Mesure Surimpression::mesurer(const GroupeAide &groupe) const {
    Mesure m{0, largeurTexte(policePetite, groupe.titre), interligne};
    float effets = 0;
    for (const LigneAide &ligne : groupe.lignes) {
        m.touches = std::max(m.touches, largeurTexte(policePetite, ligne.touche));
        effets = std::max(effets, largeurTexte(policePetite, ligne.effet));
        m.hauteur += interligne;
    }
    m.largeur = std::max(m.largeur, m.touches + entreColonnes + effets);
    return m;
}

// From the top left corner of the group.
void Surimpression::dessinerGroupe(const GroupeAide &groupe, const Mesure &m, float x,
                                   float haut) const {
    float ligne = haut - interligne + 4;
    ecrire(policePetite, groupe.titre, x, ligne, titre);
    for (const LigneAide &l : groupe.lignes) {
        ligne -= interligne;
        ecrire(policePetite, l.touche, x, ligne, clair);
        ecrire(policePetite, l.effet, x + m.touches + entreColonnes, ligne, discret);
    }
}

void Surimpression::pause(const Liaisons &liaisons, bool unJoueur) const {
    const std::vector<GroupeAide> groupes = aideTouches(liaisons, unJoueur);
    std::vector<Mesure> mesures;
    for (const GroupeAide &g : groupes) {
        mesures.push_back(mesurer(g));
    }
    // The first two side by side, then one under the other.
    const std::size_t cote = std::min<std::size_t>(groupes.size(), 2);
    float largeurHaut = 0, hauteurHaut = 0;
    for (std::size_t i = 0; i < cote; ++i) {
        largeurHaut += mesures[i].largeur + (i > 0 ? entreGroupes : 0);
        hauteurHaut = std::max(hauteurHaut, mesures[i].hauteur);
    }
    float largeur = std::max(largeurHaut, largeurTexte(policeGrande, _("Paused")));
    float hauteur = 2 * marge + 24 + 18 + hauteurHaut;
    for (std::size_t i = cote; i < groupes.size(); ++i) {
        largeur = std::max(largeur, mesures[i].largeur);
        hauteur += interligne / 2 + mesures[i].hauteur;
    }
    largeur += 2 * marge;

    const float centreX = largeur_ / 2;
    const float centreY = hauteur_ / 2;
    panneau(centreX, centreY, largeur, hauteur);
    const float gauche = centreX - largeur / 2 + marge;
    float haut = centreY + hauteur / 2 - marge;
    ecrireCentre(policeGrande, _("Paused"), centreX, haut - 20, clair);
    ecrireCentre(policePetite, _("p or Escape: play on"), centreX, haut - 38, clair);
    haut -= 24 + 18;
    float x = gauche;
    for (std::size_t i = 0; i < cote; ++i) {
        dessinerGroupe(groupes[i], mesures[i], x, haut);
        x += mesures[i].largeur + entreGroupes;
    }
    haut -= hauteurHaut;
    for (std::size_t i = cote; i < groupes.size(); ++i) {
        haut -= interligne / 2;
        dessinerGroupe(groupes[i], mesures[i], gauche, haut);
        haut -= mesures[i].hauteur;
    }
}

// Where a character of UTF-8 text begins.
bool debutCaractere(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::vector<std::string> Surimpression::couperLignes(Police police, const std::string &texte,
                                                     float largeur) const {
    std::vector<std::string> lignes;
    std::string ligne;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        const std::size_t fin = std::min(texte.find(' ', debut), texte.size());
        std::string mot = texte.substr(debut, fin - debut);
        debut = fin + 1;
        const std::string essai = ligne.empty() ? mot : ligne + " " + mot;
        if (largeurTexte(police, essai) <= largeur) {
            ligne = essai;
            continue;
        }
        if (!ligne.empty()) {
            lignes.push_back(ligne);
        }
        // A word no line holds (a long name or address) is broken where the line is full.
        while (largeurTexte(police, mot) > largeur) {
            std::size_t n = 1;
            while (n < mot.size() && !debutCaractere(mot[n])) {
                ++n;
            }
            for (std::size_t suivant = n + 1; suivant <= mot.size(); ++suivant) {
                if (suivant < mot.size() && !debutCaractere(mot[suivant])) {
                    continue;
                }
                if (largeurTexte(police, mot.substr(0, suivant)) > largeur) {
                    break;
                }
                n = suivant;
            }
            lignes.push_back(mot.substr(0, n));
            mot.erase(0, n);
        }
        ligne = mot;
    }
    lignes.push_back(ligne);
    return lignes;
}

Police Surimpression::ajuster(Police police, const std::string &texte, float largeur) const {
    for (const Police plus : {policeMoyenne, policePetite, policeMinuscule}) {
        if (plus.capitale <= police.capitale) {
            police = plus;
            if (largeurTexte(police, texte) <= largeur) {
                break;
            }
        }
    }
    return police;
}

// A notice such as "Sound off", low in the middle, clear of the wells' tops and the pause; a long
// one on as many lines as the window's width asks, the panel growing upwards.
void Surimpression::avis(const std::string &texte) const {
    const float centreX = largeur_ / 2;
    const std::vector<std::string> lignes =
        couperLignes(policeMoyenne, texte, largeur_ - 2 * bordFenetre - 32);
    float large = 0;
    for (const std::string &ligne : lignes) {
        large = std::max(large, largeurTexte(policeMoyenne, ligne));
    }
    const float plus = static_cast<float>(lignes.size() - 1) * interligneAvis;
    panneau(centreX, 40 + plus / 2, large + 32, 34 + plus);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        ecrireCentre(policeMoyenne, lignes[i], centreX,
                     34 + static_cast<float>(lignes.size() - 1 - i) * interligneAvis, clair);
    }
}

// Where the replay stands, on a band at the window's foot, under any notice.
void Surimpression::rejeu(const std::string &texte) const {
    const Police police = ajuster(policePetite, texte, largeur_ - 2 * bordFenetre - 10);
    const float demi = largeurTexte(police, texte) / 2 + 5;
    rectangle(largeur_ / 2 - demi, 2, largeur_ / 2 + demi, 8 + police.capitale + 4, fond);
    ecrireCentre(police, texte, largeur_ / 2, 8, clair);
}

// The address being typed, in a panel over the wells' middle, the caret after it: a long one in a
// smaller size, and on two lines when even that is too wide.
void Surimpression::saisie(const std::string &texte) const {
    const std::string invite = _("Join the game at:");
    const std::string aide = _("Return: join    Escape: cancel");
    const float largeurMax = largeur_ - 2 * bordFenetre - 32;
    const Police police = ajuster(policeMoyenne, texte + "_", largeurMax);
    const std::vector<std::string> lignes = couperLignes(police, texte + "_", largeurMax);
    float largeur =
        std::max({largeurTexte(policeMoyenne, invite), largeurTexte(policePetite, aide), 220.0f});
    for (const std::string &ligne : lignes) {
        largeur = std::max(largeur, largeurTexte(police, ligne));
    }
    const float plus = static_cast<float>(lignes.size() - 1) * interligneAvis;
    const float centreX = largeur_ / 2, centreY = hauteur_ / 2;
    panneau(centreX, centreY, largeur + 32, 84 + plus);
    ecrireCentre(policeMoyenne, invite, centreX, centreY + 20 + plus / 2, titre);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        ecrireCentre(police, lignes[i], centreX,
                     centreY - 4 + plus / 2 - static_cast<float>(i) * interligneAvis, clair);
    }
    ecrireCentre(policePetite, aide, centreX, centreY - 28 - plus / 2, discret);
}

} // namespace

void dessinerSurimpression(const Vue &vue, const Match &match, const Bandeaux &bandeaux) {
    const Surimpression dessin(vue);
    // A window 500 units high, from the bottom left, and nothing of the scene's camera or sway.
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, dessin.largeur(), 0, dessin.hauteur(), -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);

    dessin.scores(match);
    const Verdict issue = match.verdict();
    if (issue != Verdict::enCours) {
        dessin.verdict(match, issue);
    }
    // The field to join a match pauses it, and stands alone over the wells.
    if (match.enPause() && !bandeaux.saisie) {
        dessin.pause(bandeaux.liaisons, bandeaux.unJoueur);
    }
    if (bandeaux.saisie) {
        dessin.saisie(*bandeaux.saisie);
    }
    if (bandeaux.rejeu) {
        dessin.rejeu(*bandeaux.rejeu);
    }
    if (bandeaux.avis) {
        dessin.avis(*bandeaux.avis);
    }

    // The scene counts on texturing and a white colour when it draws the next frame.
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
