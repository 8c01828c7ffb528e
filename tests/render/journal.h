#pragma once

// Reading the fake's call log as the picture it draws: primitives with their corners, and cube
// faces named by the cell and the side they belong to.

#include "fakegl.h"
#include "grille.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// One vertex with the texture coordinates sent just before it.
struct coin {
    float x, y, z, s, t;

    bool operator==(const coin &o) const {
        return x == o.x && y == o.y && z == o.z && s == o.s && t == o.t;
    }
};

inline std::ostream &operator<<(std::ostream &os, const coin &c) {
    return os << "(" << c.x << ", " << c.y << ", " << c.z << " | " << c.s << ", " << c.t << ")";
}

// One glBegin ... glEnd batch.
struct lot {
    GLenum mode;
    std::vector<coin> coins;
    std::size_t debut; // index of its glBegin in the log
};

// Every batch of the log. Inside a batch only glTexCoord2f followed by glVertex3f is expected;
// anything else is reported as a failure of the test that reads it.
inline std::vector<lot> lots(const std::vector<fakegl::Call> &journal = fakegl::calls()) {
    std::vector<lot> trouves;
    for (std::size_t i = 0; i < journal.size(); ++i) {
        if (journal[i].name != "glBegin") {
            continue;
        }
        lot l{static_cast<GLenum>(journal[i].args.at(0)), {}, i};
        ++i;
        while (i < journal.size() && journal[i].name != "glEnd") {
            const fakegl::Call &tc = journal[i];
            if (tc.name != "glTexCoord2f" || i + 1 >= journal.size() ||
                journal[i + 1].name != "glVertex3f") {
                ADD_FAILURE() << "unexpected " << tc.name << " at " << i << " inside a batch";
                ++i;
                continue;
            }
            const fakegl::Call &v = journal[i + 1];
            l.coins.push_back(coin{float(v.args[0]), float(v.args[1]), float(v.args[2]),
                                   float(tc.args[0]), float(tc.args[1])});
            i += 2;
        }
        if (i >= journal.size()) {
            ADD_FAILURE() << "batch begun at " << l.debut << " never ended";
        }
        trouves.push_back(std::move(l));
    }
    return trouves;
}

inline std::vector<lot> quads(const std::vector<fakegl::Call> &journal = fakegl::calls()) {
    std::vector<lot> q;
    for (lot &l : lots(journal)) {
        if (l.mode == GL_QUADS) {
            EXPECT_EQ(l.coins.size(), 4u) << "quad at " << l.debut;
            q.push_back(std::move(l));
        }
    }
    return q;
}

// The side of its cube that a quad is, told by its outward normal (corners counter-clockwise
// seen from outside), so a quad wound the wrong way names the wrong side.
enum class cote { ligneDessous, colonneDroite, colonneGauche, ligneDessus, dessus, dessous, ombre };

inline std::ostream &operator<<(std::ostream &os, cote c) {
    const char *noms[] = {"ligneDessous", "colonneDroite", "colonneGauche", "ligneDessus",
                          "dessus",       "dessous",       "ombre"};
    return os << noms[static_cast<int>(c)];
}

struct face {
    int colonne;
    int ligne;
    cote c;

    bool operator==(const face &o) const {
        return colonne == o.colonne && ligne == o.ligne && c == o.c;
    }
    bool operator<(const face &o) const {
        return std::tie(colonne, ligne, c) < std::tie(o.colonne, o.ligne, o.c);
    }
};

inline std::ostream &operator<<(std::ostream &os, const face &f) {
    return os << "{" << f.colonne << ", " << f.ligne << ", " << f.c << "}";
}

// Cell (c, r) is the cube X c-1..c, Y 0..1, Z 3-r..4-r; its shadow lies at Y = -1 one column
// right and one row down: X c..c+1, Z 4-r..5-r.
inline face faceDe(const lot &q) {
    const coin &a = q.coins.at(0);
    const coin &b = q.coins.at(1);
    const coin &c = q.coins.at(2);
    const float ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    const float vx = c.x - b.x, vy = c.y - b.y, vz = c.z - b.z;
    const float nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;

    float minX = a.x, maxX = a.x, minY = a.y, maxY = a.y, minZ = a.z, maxZ = a.z;
    for (const coin &k : q.coins) {
        minX = std::min(minX, k.x), maxX = std::max(maxX, k.x);
        minY = std::min(minY, k.y), maxY = std::max(maxY, k.y);
        minZ = std::min(minZ, k.z), maxZ = std::max(maxZ, k.z);
    }
    const int colonne = static_cast<int>(maxX);
    const int ligne = static_cast<int>(4 - maxZ);
    if (ny > 0 && minY == -1 && maxY == -1) {
        return {static_cast<int>(minX), static_cast<int>(5 - maxZ), cote::ombre};
    }
    // Every face of a cube lies between Y = 0 and Y = 1 and spans one unit on two axes.
    const bool unite = (maxX - minX) + (maxY - minY) + (maxZ - minZ) == 2;
    EXPECT_TRUE(unite && minY >= 0 && maxY <= 1) << "not a cube face, at " << q.debut;
    if (nx > 0) {
        return {static_cast<int>(minX), ligne, cote::colonneDroite};
    }
    if (nx < 0) {
        return {static_cast<int>(minX) + 1, ligne, cote::colonneGauche};
    }
    if (nz > 0) {
        return {colonne, static_cast<int>(4 - minZ), cote::ligneDessous};
    }
    if (nz < 0) {
        return {colonne, static_cast<int>(3 - minZ), cote::ligneDessus};
    }
    if (ny > 0) {
        EXPECT_EQ(minY, 1) << "top face below the top, at " << q.debut;
        return {colonne, ligne, cote::dessus};
    }
    return {colonne, ligne, cote::dessous};
}

inline std::vector<face> faces(const std::vector<fakegl::Call> &journal = fakegl::calls()) {
    std::vector<face> f;
    for (const lot &q : quads(journal)) {
        f.push_back(faceDe(q));
    }
    return f;
}

// The sides sent for each cell, shadows apart.
inline std::map<std::pair<int, int>, std::set<cote>>
cotesParCase(const std::vector<fakegl::Call> &journal = fakegl::calls()) {
    std::map<std::pair<int, int>, std::set<cote>> parCase;
    for (const face &f : faces(journal)) {
        if (f.c != cote::ombre) {
            parCase[{f.colonne, f.ligne}].insert(f.c);
        }
    }
    return parCase;
}

const std::set<cote> cinqFaces = {cote::ligneDessous, cote::colonneDroite, cote::colonneGauche,
                                  cote::ligneDessus, cote::dessus};

inline std::set<cote> sauf(std::set<cote> cotes, std::initializer_list<cote> caches) {
    for (cote c : caches) {
        cotes.erase(c);
    }
    return cotes;
}

// A well as a small picture, top row first, the last line being row 0: '.' empty, '#' settled,
// 'o' falling. Rows above the picture stay empty.
inline void remplir(grille &g, std::initializer_list<const char *> image) {
    remplirGrille(g, caseVide);
    int ligne = static_cast<int>(image.size()) - 1;
    for (const char *rangee : image) {
        for (int colonne = 0; colonne < nbColonnes && rangee[colonne] != '\0'; ++colonne) {
            const char k = rangee[colonne];
            g[colonne][ligne] = k == '#' ? casePosee : k == 'o' ? caseTombante : caseVide;
        }
        --ligne;
    }
}
