#include "boite_erreur.h"

#include "boite_x11.h"
#include "message.h"
#include "traduction.h"
#include "utf8.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

void *const police = GLUT_BITMAP_HELVETICA_18;
constexpr int hauteurLigne = 24;
constexpr int descente = 6; // below the baseline
constexpr int marge = 20;
constexpr int largeurTexteMax = 560;
constexpr int largeurMin = 320;
constexpr int largeurBouton = 96;
constexpr int hauteurBouton = 32;
constexpr int ecartBouton = 18; // between the text and the button, and below the button

int largeurTexte(const std::string &ligne) {
    int largeur = 0;
    for (const char c : ligne)
        largeur += glutBitmapWidth(police, static_cast<unsigned char>(c));
    return largeur;
}

// Breaks a word that no line can hold where the line is full: a long file name is shown whole.
void couperMot(std::string mot, std::vector<std::string> &lignes, std::string &ligne) {
    while (largeurTexte(mot) > largeurTexteMax && mot.size() > 1) {
        std::size_t n = 1;
        while (n < mot.size() && largeurTexte(mot.substr(0, n + 1)) <= largeurTexteMax)
            ++n;
        lignes.push_back(mot.substr(0, n));
        mot.erase(0, n);
    }
    ligne = mot;
}

// The text in lines no wider than the box allows, its own line feeds kept.
std::vector<std::string> couperEnLignes(const std::string &texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
        std::string ligne;
        std::size_t mot = debut;
        while (mot <= fin) {
            const std::size_t finMot = std::min(texte.find(' ', mot), fin);
            const std::string leMot = texte.substr(mot, finMot - mot);
            const std::string essai = ligne.empty() ? leMot : ligne + " " + leMot;
            if (largeurTexte(essai) <= largeurTexteMax) {
                ligne = essai;
            } else if (largeurTexte(leMot) > largeurTexteMax) {
                // Too long for any line: it starts where the line stands.
                couperMot(essai, lignes, ligne);
            } else {
                lignes.push_back(ligne);
                ligne = leMot;
            }
            mot = finMot + 1;
        }
        lignes.push_back(ligne);
        if (fin >= texte.size())
            return lignes;
        debut = fin + 1;
    }
}

struct Boite {
    std::vector<std::string> lignes;
    int largeur = 0;
    int hauteur = 0;
    bool ouverte = false;
    bool detruite = false; // by the window manager, through GLUT
    bool jeuFerme = false; // the game's window was closed meanwhile
    bool boutonEnfonce = false;
};

Boite boite;

int boutonX() {
    return (boite.largeur - largeurBouton) / 2;
}
int boutonY() {
    return boite.hauteur - ecartBouton - hauteurBouton;
}
bool dansLeBouton(int x, int y) {
    return x >= boutonX() && x < boutonX() + largeurBouton && y >= boutonY() &&
           y < boutonY() + hauteurBouton;
}

void ecrire(int x, int ligneDeBase, const std::string &texte) {
    glRasterPos2i(x, ligneDeBase);
    for (const char c : texte)
        glutBitmapCharacter(police, static_cast<unsigned char>(c));
}

void dessinerBoite() {
    glClearColor(0.94f, 0.94f, 0.94f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);

    glColor3f(0.1f, 0.1f, 0.1f);
    for (std::size_t i = 0; i < boite.lignes.size(); ++i)
        ecrire(marge, marge + static_cast<int>(i + 1) * hauteurLigne - descente, boite.lignes[i]);

    // The button, framed, its keyboard focus marked by a blue ring around it.
    const int x = boutonX();
    const int y = boutonY();
    glColor3f(0.2f, 0.4f, 0.8f);
    glRecti(x - 4, y - 4, x + largeurBouton + 4, y + hauteurBouton + 4);
    glColor3f(0.94f, 0.94f, 0.94f);
    glRecti(x - 2, y - 2, x + largeurBouton + 2, y + hauteurBouton + 2);
    glColor3f(0.45f, 0.45f, 0.45f);
    glRecti(x, y, x + largeurBouton, y + hauteurBouton);
    const float face = boite.boutonEnfonce ? 0.78f : 1.0f;
    glColor3f(face, face, face);
    glRecti(x + 1, y + 1, x + largeurBouton - 1, y + hauteurBouton - 1);
    glColor3f(0.1f, 0.1f, 0.1f);
    const std::string ok = latin1(_("OK"));
    ecrire(x + (largeurBouton - largeurTexte(ok)) / 2, y + hauteurBouton / 2 + 6, ok);

    glutSwapBuffers();
}

// Pixels, y downwards, as the mouse reports them.
void redimensionnerBoite(int largeur, int hauteur) {
    glViewport(0, 0, largeur, hauteur);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, largeur, hauteur, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void toucheBoite(unsigned char touche, int, int) {
    if (touche == '\r' || touche == '\n' || touche == ' ' || touche == 27)
        boite.ouverte = false;
}

// A click is a press and a release both on the button, as on any button.
void sourisBoite(int bouton, int etat, int x, int y) {
    if (bouton != GLUT_LEFT_BUTTON)
        return;
    if (etat == GLUT_DOWN) {
        boite.boutonEnfonce = dansLeBouton(x, y);
    } else {
        if (boite.boutonEnfonce && dansLeBouton(x, y))
            boite.ouverte = false;
        boite.boutonEnfonce = false;
    }
    glutPostRedisplay();
}

void boiteFermee() {
    boite.detruite = true;
    boite.ouverte = false;
}

void jeuFermePendantLaBoite() {
    boite.jeuFerme = true;
    boite.ouverte = false;
}

void effacer() {
    glClear(GL_COLOR_BUFFER_BIT);
    glutSwapBuffers();
}

// Over the middle of the game's window, kept on the screen.
void placer(int largeur, int hauteur) {
    int x = glutGet(GLUT_WINDOW_X) + (glutGet(GLUT_WINDOW_WIDTH) - largeur) / 2;
    int y = glutGet(GLUT_WINDOW_Y) + (glutGet(GLUT_WINDOW_HEIGHT) - hauteur) / 2;
    const int ecranL = glutGet(GLUT_SCREEN_WIDTH);
    const int ecranH = glutGet(GLUT_SCREEN_HEIGHT);
    if (ecranL > 0)
        x = std::min(x, ecranL - largeur);
    if (ecranH > 0)
        y = std::min(y, ecranH - hauteur);
    glutInitWindowPosition(std::max(x, 0), std::max(y, 0));
    glutInitWindowSize(largeur, hauteur);
}

void montrer(const char *texte, const char *fichier, int statutSiJeuFerme) {
    ecrireMessageSurErreurStandard(texte, fichier);

    std::string contenu = texte;
    if (!contenu.empty() && contenu.back() == '\n')
        contenu.pop_back();
    if (fichier)
        contenu += remplir(_("\nFile: {1}"), {fichier});
    boite = Boite{};
    // GLUT's bitmap font is Latin-1, which every language the game speaks fits in.
    boite.lignes = couperEnLignes(latin1(contenu));
    int large = largeurTexte(latin1(_("OK")));
    for (const std::string &ligne : boite.lignes)
        large = std::max(large, largeurTexte(ligne));
    boite.largeur = std::max(largeurMin, large + 2 * marge);
    boite.hauteur = marge + static_cast<int>(boite.lignes.size()) * hauteurLigne + ecartBouton +
                    hauteurBouton + ecartBouton;

    // The box's window is made with settings of its own; the game's are put back after.
    const int jeu = glutGetWindow();
    const FenetreX xJeu = fenetreXCourante();
    const int initX = glutGet(GLUT_INIT_WINDOW_X);
    const int initY = glutGet(GLUT_INIT_WINDOW_Y);
    const int initL = glutGet(GLUT_INIT_WINDOW_WIDTH);
    const int initH = glutGet(GLUT_INIT_WINDOW_HEIGHT);
    const int initMode = glutGet(GLUT_INIT_DISPLAY_MODE);

    // Closing a window must not end the program while the box is open: closing the box only
    // dismisses it, and closing the game is handled below.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutCloseFunc(jeuFermePendantLaBoite);

    placer(boite.largeur, boite.hauteur);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    const int fenetre = glutCreateWindow(_("Error"));
    const FenetreX xBoite = fenetreXCourante();
    rattacherBoite(xBoite, xJeu);
    glutDisplayFunc(dessinerBoite);
    glutReshapeFunc(redimensionnerBoite);
    glutKeyboardFunc(toucheBoite);
    glutMouseFunc(sourisBoite);
    glutCloseFunc(boiteFermee);
    glutInitWindowPosition(initX, initY);
    glutInitWindowSize(initL, initH);
    glutInitDisplayMode(static_cast<unsigned int>(initMode));

    // Only the two windows' events are handled meanwhile: the game has not started. GLUT's
    // one-step loop does not wait for events, so the wait between two steps is ours.
    boite.ouverte = true;
    bool focus = false;
    while (boite.ouverte) {
        glutMainLoopEvent();
        if (!focus)
            focus = donnerFocus(xBoite, xJeu);
        if (boite.ouverte)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    if (!boite.detruite) {
        glutSetWindow(fenetre);
        glutCloseFunc(nullptr);
        glutDestroyWindow(fenetre);
    }
    // Let GLUT take the box down now rather than at its next event.
    glutMainLoopEvent();
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);
    if (boite.jeuFerme) {
        glutExit();
        std::exit(statutSiJeuFerme);
    }
    glutSetWindow(jeu);
    glutCloseFunc(nullptr);
}

} // namespace

void afficherBoiteErreur(const char *texte, const char *fichier) {
    montrer(texte, fichier, 0);
}

void afficherEchec(const char *texte, int statut) {
    montrer(texte, nullptr, statut);
}

void installerBoiteErreur() {
    glutDisplayFunc(effacer);
    remplacerSortieMessages(afficherBoiteErreur);
}
