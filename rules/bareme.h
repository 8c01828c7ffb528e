#pragma once

// What rows score, and what score sends: the numbers the whole game keeps to.

// The first row a landing clears is worth 50 points, each further row in the same landing three
// times the one before: one row 50, two 200, three 650, four 2000.
constexpr int valeurPremiereRangee = 50;
constexpr int facteurRangeeSuivante = 3;

constexpr int pointsPourRangees(int rangees) {
    int points = 0;
    for (int n = 0, valeur = valeurPremiereRangee; n < rangees;
         ++n, valeur *= facteurRangeeSuivante) {
        points += valeur;
    }
    return points;
}

// How many rows one landing cleared, from the points it scored; 0 for any other number.
constexpr int rangeesPourPoints(int points) {
    for (int rangees = 1; rangees <= 4; ++rangees) {
        if (pointsPourRangees(rangees) == points) {
            return rangees;
        }
    }
    return 0;
}

// Every full 500 points a player's score gains above their threshold sends one garbage row to the
// opponent.
constexpr int pointsParRangeeEnvoyee = 500;
