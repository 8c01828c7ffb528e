#include "polices.h"
#include "utf8.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace {

// A page of glyphs of one size: room for a few hundred glyphs, a few dozen for the largest text of
// a full-screen 4K window.
constexpr int cotePageMin = 128;
constexpr int cotePageMax = 1024;
// Faces beyond the first looked at for a character it lacks.
constexpr int secoursMax = 32;
// A window resized through many sizes, or text of many characters, keeps its glyphs within these:
// the sizes least recently drawn go, and a size holding too many glyphs starts afresh.
constexpr std::size_t taillesMax = 8;
constexpr std::size_t glyphesMax = 512;
constexpr std::size_t choisisMax = 4096;

struct Glyphe {
    int page = -1; // none: nothing to draw (a space)
    int x = 0, y = 0, largeur = 0, hauteur = 0;
    int gauche = 0, haut = 0; // from the pen to the bitmap's top left
    int avance = 0;
};

struct Page {
    explicit Page(int cote) : pixels(static_cast<std::size_t>(cote) * cote, 0) {}
    std::vector<std::uint8_t> pixels;
    int x = 1, y = 1, ligne = 0;
    unsigned texture = 0;
    bool aCharger = true;
};

struct Taille {
    int cote = cotePageMin; // of its pages
    std::vector<Page> pages;
    std::map<char32_t, Glyphe> glyphes;
    std::uint64_t usage = 0; // when last asked for

    void oublier() {
        for (const Page &page : pages) {
            if (page.texture != 0) {
                glDeleteTextures(1, &page.texture);
            }
        }
        pages.clear();
        glyphes.clear();
    }
};

} // namespace

struct Polices::Etat {
    FT_Library bibliotheque = nullptr;
    std::vector<FT_Face> faces; // the first one's, then those of the fallback fonts opened
    std::vector<std::pair<std::string, int>> fichiers; // the fonts fontconfig sorts, as it does
    std::vector<FcCharSet *> couvertures;              // what each of them covers
    std::map<std::size_t, std::size_t> ouvertes;       // a sorted font's index to its face
    FcFontSet *ordre = nullptr;
    std::map<char32_t, std::pair<FT_Face, unsigned>> choisis; // each character's face and glyph
    std::map<int, Taille> tailles;                            // by the em's height in pixels
    std::uint64_t horloge = 0;
    double capitaleParEm = 0.73;

    ~Etat() {
        for (FT_Face face : faces) {
            FT_Done_Face(face);
        }
        if (ordre != nullptr) {
            FcFontSetDestroy(ordre);
        }
        if (bibliotheque != nullptr) {
            FT_Done_FreeType(bibliotheque);
        }
    }

    std::optional<FT_Face> ouvrirFace(std::size_t rang) {
        if (const auto o = ouvertes.find(rang); o != ouvertes.end()) {
            return faces[o->second];
        }
        FT_Face face = nullptr;
        if (FT_New_Face(bibliotheque, fichiers[rang].first.c_str(), fichiers[rang].second, &face) !=
                0 ||
            FT_IS_SCALABLE(face) == 0) {
            if (face != nullptr) {
                FT_Done_Face(face);
            }
            return std::nullopt;
        }
        ouvertes[rang] = faces.size();
        faces.push_back(face);
        return face;
    }

    // The first face that has the character, in fontconfig's order; the first face's missing
    // glyph when none does.
    std::pair<FT_Face, unsigned> choisir(char32_t code) {
        if (const auto c = choisis.find(code); c != choisis.end()) {
            return c->second;
        }
        if (choisis.size() >= choisisMax) {
            choisis.clear();
        }
        std::pair<FT_Face, unsigned> choix{faces.front(), FT_Get_Char_Index(faces.front(), code)};
        for (std::size_t rang = 1; choix.second == 0 && rang < fichiers.size(); ++rang) {
            if (couvertures[rang] == nullptr || FcCharSetHasChar(couvertures[rang], code) == 0) {
                continue;
            }
            if (const std::optional<FT_Face> face = ouvrirFace(rang)) {
                if (const unsigned index = FT_Get_Char_Index(*face, code); index != 0) {
                    choix = {*face, index};
                }
            }
        }
        choisis[code] = choix;
        return choix;
    }

    // The glyphs of a size, made room for: the glyphs of `texte` can all be added without the
    // size starting afresh.
    Taille &taille(int em, std::size_t texte) {
        Taille &t = tailles[em];
        t.usage = ++horloge;
        if (t.pages.empty()) {
            t.cote = cotePageMin;
            while (t.cote < cotePageMax && t.cote < em * 16) {
                t.cote *= 2;
            }
        }
        if (t.glyphes.size() + texte > glyphesMax) {
            t.oublier();
        }
        while (tailles.size() > taillesMax) {
            const auto vieille =
                std::min_element(tailles.begin(), tailles.end(), [](const auto &a, const auto &b) {
                    return a.second.usage < b.second.usage;
                });
            vieille->second.oublier();
            tailles.erase(vieille);
        }
        return t;
    }

    const Glyphe &glyphe(Taille &taille, int em, char32_t code) {
        if (const auto g = taille.glyphes.find(code); g != taille.glyphes.end()) {
            return g->second;
        }
        Glyphe g;
        const auto [face, index] = choisir(code);
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) == 0) {
            const FT_GlyphSlot slot = face->glyph;
            const FT_Bitmap &image = slot->bitmap;
            g.avance = static_cast<int>((slot->advance.x + 32) >> 6);
            g.gauche = slot->bitmap_left;
            g.haut = slot->bitmap_top;
            g.largeur = static_cast<int>(image.width);
            g.hauteur = static_cast<int>(image.rows);
            if (g.largeur > 0 && g.hauteur > 0 && g.largeur < taille.cote - 2 &&
                g.hauteur < taille.cote - 2 && image.pixel_mode == FT_PIXEL_MODE_GRAY) {
                ranger(taille, g, image);
            }
        }
        return taille.glyphes.emplace(code, g).first->second;
    }

    // Into the current page's row, or the next row, or a new page; a pixel apart from the others
    // so that no neighbour bleeds in.
    static void ranger(Taille &taille, Glyphe &g, const FT_Bitmap &image) {
        const int cote = taille.cote;
        if (taille.pages.empty()) {
            taille.pages.emplace_back(cote);
        }
        Page *page = &taille.pages.back();
        if (page->x + g.largeur + 1 > cote) {
            page->x = 1;
            page->y += page->ligne + 1;
            page->ligne = 0;
        }
        if (page->y + g.hauteur + 1 > cote) {
            taille.pages.emplace_back(cote);
            page = &taille.pages.back();
        }
        g.page = static_cast<int>(taille.pages.size()) - 1;
        g.x = page->x;
        g.y = page->y;
        for (int ligne = 0; ligne < g.hauteur; ++ligne) {
            const std::uint8_t *source =
                image.buffer + static_cast<std::ptrdiff_t>(ligne) * image.pitch;
            std::copy(source, source + g.largeur,
                      page->pixels.begin() + (g.y + ligne) * cote + g.x);
        }
        page->x += g.largeur + 1;
        page->ligne = std::max(page->ligne, g.hauteur);
        page->aCharger = true;
    }

    int emPour(float capitale) const {
        return std::max(1, static_cast<int>(std::lround(capitale / capitaleParEm)));
    }
};

std::unique_ptr<Polices> Polices::ouvrir(std::string &erreur) {
    auto etat = std::make_unique<Etat>();
    if (FT_Init_FreeType(&etat->bibliotheque) != 0) {
        erreur = "FreeType did not start";
        return nullptr;
    }
    FcConfig *config = FcInitLoadConfigAndFonts();
    FcPattern *motif = FcNameParse(reinterpret_cast<const FcChar8 *>("sans-serif"));
    FcConfigSubstitute(config, motif, FcMatchPattern);
    FcDefaultSubstitute(motif);
    FcResult resultat = FcResultNoMatch;
    etat->ordre = FcFontSort(config, motif, FcTrue, nullptr, &resultat);
    FcPatternDestroy(motif);
    for (int i = 0; etat->ordre != nullptr && i < etat->ordre->nfont &&
                    static_cast<int>(etat->fichiers.size()) < secoursMax;
         ++i) {
        FcChar8 *fichier = nullptr;
        int index = 0;
        FcCharSet *couverture = nullptr;
        if (FcPatternGetString(etat->ordre->fonts[i], FC_FILE, 0, &fichier) != FcResultMatch) {
            continue;
        }
        FcPatternGetInteger(etat->ordre->fonts[i], FC_INDEX, 0, &index);
        FcPatternGetCharSet(etat->ordre->fonts[i], FC_CHARSET, 0, &couverture);
        etat->fichiers.emplace_back(reinterpret_cast<const char *>(fichier), index);
        etat->couvertures.push_back(couverture);
    }
    FcConfigDestroy(config);
    // The first font FreeType can read is the face; the others stand behind it.
    for (std::size_t rang = 0; rang < etat->fichiers.size() && etat->faces.empty(); ++rang) {
        if (etat->ouvrirFace(rang)) {
            std::rotate(etat->fichiers.begin(), etat->fichiers.begin() + static_cast<long>(rang),
                        etat->fichiers.begin() + static_cast<long>(rang) + 1);
            std::rotate(etat->couvertures.begin(),
                        etat->couvertures.begin() + static_cast<long>(rang),
                        etat->couvertures.begin() + static_cast<long>(rang) + 1);
            etat->ouvertes = {{0, 0}};
        }
    }
    if (etat->faces.empty()) {
        erreur = "fontconfig found no font FreeType can read";
        return nullptr;
    }
    const FT_Face face = etat->faces.front();
    const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version >= 2 && os2->sCapHeight > 0 && face->units_per_EM > 0) {
        etat->capitaleParEm = static_cast<double>(os2->sCapHeight) / face->units_per_EM;
    }
    return std::unique_ptr<Polices>(new Polices(std::move(etat)));
}

Polices::Polices(std::unique_ptr<Etat> etat) : etat_(std::move(etat)) {}

Polices::~Polices() = default;

void Polices::oublierTextures() {
    for (auto &[em, taille] : etat_->tailles) {
        for (Page &page : taille.pages) {
            page.texture = 0;
            page.aCharger = true;
        }
    }
}

float Polices::largeur(const std::string &utf8, float capitale) {
    const int em = etat_->emPour(capitale);
    const std::u32string codes = caracteresUtf8(utf8);
    Taille &taille = etat_->taille(em, codes.size());
    int avance = 0;
    for (const char32_t code : codes) {
        avance += etat_->glyphe(taille, em, code).avance;
    }
    return static_cast<float>(avance);
}

void Polices::dessiner(const std::string &utf8, float capitale, float x, float y, float echelle,
                       Teinte teinte, const Teinte *ombre, float decalage) {
    const int em = etat_->emPour(capitale);
    const std::u32string codes = caracteresUtf8(utf8);
    Taille &taille = etat_->taille(em, codes.size());
    // Every glyph first, so that the pages are whole before they go to OpenGL.
    std::vector<const Glyphe *> glyphes;
    for (const char32_t code : codes) {
        glyphes.push_back(&etat_->glyphe(taille, em, code));
    }
    for (Page &page : taille.pages) {
        if (!page.aCharger) {
            continue;
        }
        if (page.texture == 0) {
            glGenTextures(1, &page.texture);
        }
        glBindTexture(GL_TEXTURE_2D, page.texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, taille.cote, taille.cote, 0, GL_ALPHA,
                     GL_UNSIGNED_BYTE, page.pixels.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        page.aCharger = false;
    }
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // The shadow's glyphs and then the text's, in one batch as far as the glyphs share a page:
    // a software renderer pays for every batch.
    struct Passe {
        Teinte teinte;
        float decalage;
    };
    std::vector<Passe> passes;
    if (ombre != nullptr) {
        passes.push_back({*ombre, decalage});
    }
    passes.push_back({teinte, 0});
    int pageLiee = -1;
    const auto cote = static_cast<float>(taille.cote);
    for (const Passe &passe : passes) {
        // On the pixel grid, as each glyph was rendered: crisp.
        float stylo = std::round(x + passe.decalage);
        const float ligne = std::round(y - passe.decalage);
        glColor3f(passe.teinte.r, passe.teinte.g, passe.teinte.b);
        for (const Glyphe *g : glyphes) {
            if (g->page >= 0) {
                if (g->page != pageLiee) {
                    if (pageLiee >= 0) {
                        glEnd();
                    }
                    glBindTexture(GL_TEXTURE_2D,
                                  taille.pages[static_cast<std::size_t>(g->page)].texture);
                    glBegin(GL_QUADS);
                    pageLiee = g->page;
                }
                const float x0 = (stylo + static_cast<float>(g->gauche)) * echelle;
                const float x1 = x0 + static_cast<float>(g->largeur) * echelle;
                const float y1 = (ligne + static_cast<float>(g->haut)) * echelle;
                const float y0 = y1 - static_cast<float>(g->hauteur) * echelle;
                const float u0 = static_cast<float>(g->x) / cote;
                const float u1 = static_cast<float>(g->x + g->largeur) / cote;
                const float v0 = static_cast<float>(g->y) / cote;
                const float v1 = static_cast<float>(g->y + g->hauteur) / cote;
                glTexCoord2f(u0, v1);
                glVertex3f(x0, y0, 0);
                glTexCoord2f(u1, v1);
                glVertex3f(x1, y0, 0);
                glTexCoord2f(u1, v0);
                glVertex3f(x1, y1, 0);
                glTexCoord2f(u0, v0);
                glVertex3f(x0, y1, 0);
            }
            stylo += static_cast<float>(g->avance);
        }
    }
    if (pageLiee >= 0) {
        glEnd();
    }
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
