#include "manettes.h"
#include "traduction.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <system_error>
#include <vector>

namespace {

Bouton traduireBouton(Uint8 bouton) {
    switch (bouton) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return Bouton::gauche;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return Bouton::droite;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return Bouton::bas;
    case SDL_CONTROLLER_BUTTON_A:
    case SDL_CONTROLLER_BUTTON_B:
        return Bouton::tourner;
    case SDL_CONTROLLER_BUTTON_START:
        return Bouton::start;
    case SDL_CONTROLLER_BUTTON_BACK:
        return Bouton::back;
    default:
        return Bouton::autre;
    }
}

Axe traduireAxe(Uint8 axe) {
    return axe == SDL_CONTROLLER_AXIS_LEFTX   ? Axe::horizontal
           : axe == SDL_CONTROLLER_AXIS_LEFTY ? Axe::vertical
                                              : Axe::autre;
}

} // namespace

Manettes::Manette *Manettes::trouver(int id) {
    const auto m = std::find_if(manettes_.begin(), manettes_.end(),
                                [&](const Manette &x) { return x.id == id; });
    return m == manettes_.end() ? nullptr : &*m;
}

int Manettes::puitsLibre() const {
    if (seul_) {
        return seul_->value_or(-1);
    }
    for (const int puits : {echange_ ? 1 : 0, echange_ ? 0 : 1}) {
        if (std::none_of(manettes_.begin(), manettes_.end(),
                         [&](const Manette &m) { return m.etat.puits == puits; })) {
            return puits;
        }
    }
    return -1;
}

void Manettes::brancher(int index) {
    SDL_GameController *controleur = SDL_GameControllerOpen(index);
    if (controleur == nullptr) {
        return;
    }
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controleur));
    // SDL may announce a pad twice: at its start, then when a mapping for it arrives.
    if (trouver(id) != nullptr) {
        SDL_GameControllerClose(controleur);
        return;
    }
    Manette manette{controleur, id, {}};
    manette.etat.puits = puitsLibre();
    manettes_.push_back(manette);
}

// A pad pulled out mid-match pauses it: its player may go on at the keyboard or plug it back.
bool Manettes::debrancher(int id, Match &match) {
    Manette *manette = trouver(id);
    if (manette == nullptr) {
        return false;
    }
    const int libere = manette->etat.puits;
    lacher(manette->etat, match);
    SDL_GameControllerClose(manette->controleur);
    manettes_.erase(manettes_.begin() + (manette - manettes_.data()));
    // A pad that found both wells taken plays the one set free.
    for (Manette &m : manettes_) {
        if (m.etat.puits < 0 && libere >= 0) {
            m.etat.puits = libere;
            break;
        }
    }
    return true;
}

// A joystick SDL has no mapping for would play nothing without a word.
void Manettes::signalerSansCorrespondance(int index) {
    if (SDL_IsGameController(index)) {
        return;
    }
    const char *nom = SDL_JoystickNameForIndex(index);
    const std::string texte = nom != nullptr ? nom : _("a joystick");
    if (sansCorrespondance_.insert(texte).second) {
        std::fprintf(stderr, "%s\n",
                     remplir(_("Pads: {1} has no game controller mapping; add one to "
                               "SDL_GAMECONTROLLERCONFIG or gamecontrollerdb.txt."),
                             {texte})
                         .c_str());
    }
}

namespace {

// For the CPU benchmark only: a pad that lives in the game's own process, connected and never
// pressed.
void brancherManetteVirtuelle() {
    SDL_VirtualJoystickDesc description{};
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = SDL_CONTROLLER_AXIS_MAX;
    description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    description.name = "Cubefall virtual pad";
    SDL_JoystickAttachVirtualEx(&description);
}

} // namespace

bool Manettes::ouvrir(const std::filesystem::path &dossierReglages) {
    if (ouvert_) {
        return true;
    }
    // As for the sound: no session bus of its own, and Ctrl+C and SIGTERM still stop the game.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // SDL has no window of ours to tell it the game lost the keyboard: pads play throughout.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(
            stderr, "%s\n",
            remplir(_("Pads: none can be used ({1}); the keyboard plays."), {SDL_GetError()})
                .c_str());
        return false;
    }
    const std::filesystem::path base = dossierReglages / "gamecontrollerdb.txt";
    std::error_code erreur;
    if (!dossierReglages.empty() && std::filesystem::is_regular_file(base, erreur) &&
        SDL_GameControllerAddMappingsFromFile(base.string().c_str()) < 0) {
        std::fprintf(
            stderr, "%s\n",
            remplir(_("Pads: {1} was not read ({2})."), {base.string(), SDL_GetError()}).c_str());
    }
    ouvert_ = true;
    if (std::getenv("CUBEFALL_MANETTE_VIRTUELLE") != nullptr) {
        brancherManetteVirtuelle();
    }
    return true;
}

Manettes::~Manettes() {
    if (!ouvert_) {
        return;
    }
    for (Manette &m : manettes_) {
        SDL_GameControllerClose(m.controleur);
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Manettes::fermer(Match &match) {
    if (!ouvert_) {
        return;
    }
    for (Manette &m : manettes_) {
        lacher(m.etat, match);
        SDL_GameControllerClose(m.controleur);
    }
    manettes_.clear();
    prochaineLecture_.reset();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    ouvert_ = false;
}

void Manettes::echanger(bool echanger, Match &match) {
    if (echanger == echange_) {
        return;
    }
    echange_ = echanger;
    for (Manette &m : manettes_) {
        lacher(m.etat, match);
        if (m.etat.puits >= 0) {
            m.etat.puits = 1 - m.etat.puits;
        }
    }
}

void Manettes::jouerSeul(std::optional<int> puits, Match &match) {
    seul_ = puits;
    for (Manette &m : manettes_) {
        lacher(m.etat, match);
        m.etat.puits = puits.value_or(-1);
    }
}

std::optional<Instant> Manettes::prochaineLecture(Instant maintenant) {
    if (!ouvert_) {
        return std::nullopt;
    }
    if (!prochaineLecture_) {
        prochaineLecture_ = maintenant;
    }
    return prochaineLecture_;
}

Manettes::Lecture Manettes::lire(Instant maintenant, Match &match) {
    Lecture lecture;
    if (!ouvert_) {
        return lecture;
    }
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            brancher(e.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (debrancher(e.cdevice.which, match)) {
                lecture.change = true;
                if (match.verdict() == Verdict::enCours) {
                    lecture.gestes.push_back(Geste::mettreEnPause);
                }
            }
            break;
        case SDL_JOYDEVICEADDED:
            signalerSansCorrespondance(e.jdevice.which);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (Manette *m = trouver(e.cbutton.which)) {
                const EffetBouton effet =
                    bouton(m->etat, traduireBouton(e.cbutton.button),
                           e.type == SDL_CONTROLLERBUTTONDOWN, maintenant, match);
                lecture.change = effet.change || lecture.change;
                if (effet.geste) {
                    lecture.gestes.push_back(*effet.geste);
                }
            }
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (Manette *m = trouver(e.caxis.which)) {
                lecture.change =
                    axe(m->etat, traduireAxe(e.caxis.axis), e.caxis.value, maintenant, match) ||
                    lecture.change;
            }
            break;
        default:
            break;
        }
    }
    prochaineLecture_ = maintenant + (manettes_.empty() ? intervalleRecherche : intervalleLecture);
    return lecture;
}
