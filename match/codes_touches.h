#pragma once

// The codes GLUT gives the keys the game uses, so that the match itself needs no GLUT; main/
// checks that they agree with GLUT's own.
constexpr int toucheF2 = 2;
constexpr int toucheF3 = 3;
constexpr int toucheF4 = 4;
constexpr int toucheF5 = 5;
constexpr int toucheF6 = 6;
constexpr int toucheF7 = 7;
constexpr int toucheF8 = 8;
constexpr int toucheF9 = 9;
constexpr int toucheF10 = 10;
constexpr int toucheF11 = 11;
constexpr int toucheGauche = 100;
constexpr int toucheHaut = 101;
constexpr int toucheDroite = 102;
constexpr int toucheBas = 103;
constexpr int touchePagePrecedente = 104;
constexpr int touchePageSuivante = 105;

constexpr unsigned char toucheEntree = '\r';
constexpr unsigned char toucheEchap = 27;
constexpr unsigned char toucheRetourArriere = 8;
constexpr unsigned char toucheSupprimer = 127;
