#include "son.h"
#include "traduction.h"

#include "alsa_muet.h"
#include "noms_sons.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

constexpr int frequence = 48000;
constexpr int canauxSortie = 2;
// 512 frames: a sound starts within one buffer, 10.7 ms, of its event.
constexpr int tramesParTampon = 512;
// Both players holding keys at the fastest repeat, with rows, garbage and a verdict on top.
constexpr int voies = 32;
// A player's sound: full on their side, a quarter on the other.
constexpr Uint8 coteFort = 255;
constexpr Uint8 coteFaible = 64;
// After the last sound's end: the buffers still in the device.
constexpr std::int64_t margeFin = 50;
// A paused device still wakes SDL's audio thread once a buffer, about 100 times a second: after
// this long without a sound it is closed, and opened again by the next one. In play, sounds come
// closer together and find it open.
constexpr std::int64_t sommeilAvantFermeture = 2000;

// SDL_mixer keeps the device it opens to itself; it is the only one this program opens, and SDL
// numbers such devices from 2.
SDL_AudioDeviceID trouverPeripherique() {
    for (SDL_AudioDeviceID id = 2; id < 64; ++id) {
        if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) {
            return id;
        }
    }
    return 0;
}

std::int64_t dureeMs(const Mix_Chunk &son) {
    return static_cast<std::int64_t>(son.alen) * 1000 / (frequence * canauxSortie * 2);
}

} // namespace

// Each sound from the first folder that has it; a file that does not load gives way to the next
// one found. Whatever went wrong is said in one line: the files refused, and the events left
// without a sound.
void Son::chargerSons(const std::vector<std::filesystem::path> &dossiers) {
    std::string refuses, muets;
    for (const Evenement evenement : evenementsSonores) {
        const std::string nom = nomDuSon(evenement);
        Mix_Chunk *son = nullptr;
        for (const auto &dossier : dossiers) {
            for (const char *extension : {".ogg", ".wav"}) {
                const std::filesystem::path chemin = dossier / (nom + extension);
                std::error_code erreur;
                if (son != nullptr || !std::filesystem::is_regular_file(chemin, erreur)) {
                    continue;
                }
                son = Mix_LoadWAV(chemin.string().c_str());
                if (son == nullptr) {
                    refuses += (refuses.empty() ? "" : ", ") +
                               remplir(_("{1} ({2})"), {chemin.string(), Mix_GetError()});
                }
            }
        }
        if (son != nullptr) {
            sons_[evenement] = son;
        } else {
            muets += (muets.empty() ? "" : ", ") + nom;
        }
    }
    std::string ligne;
    if (!refuses.empty()) {
        ligne = remplir(_("refused {1}"), {refuses});
    }
    if (!muets.empty()) {
        ligne += (ligne.empty() ? "" : "; ") +
                 remplir(_("no sound for {1} (NAME.ogg or NAME.wav)"), {muets});
    } else if (!ligne.empty()) {
        ligne += _("; the game's own sounds play instead");
    }
    if (!ligne.empty()) {
        std::fprintf(stderr, "%s\n", remplir(_("Sound: {1}."), {ligne}).c_str());
    }
}

bool Son::ouvrirPeripherique() {
    if (Mix_OpenAudioDevice(frequence, AUDIO_S16SYS, canauxSortie, tramesParTampon, nullptr, 0) !=
        0) {
        if (!echecDit_) {
            std::fprintf(
                stderr, "%s\n",
                remplir(_("Sound: the audio device did not open ({1}); the game plays silently."),
                        {Mix_GetError()})
                    .c_str());
            echecDit_ = true;
        }
        return false;
    }
    peripheriqueOuvert_ = true;
    enSommeil_ = false;
    peripherique_ = trouverPeripherique();
    Mix_AllocateChannels(voies);
    return true;
}

void Son::fermerPeripherique() {
    if (peripheriqueOuvert_) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    peripheriqueOuvert_ = false;
    enSommeil_ = false;
    fin_.reset();
}

Son::~Son() {
    fermer();
}

bool Son::ouvrir(const std::vector<std::filesystem::path> &dossiers) {
    if (ouvert_) {
        return true;
    }
    faireTaireAlsa();
    // SDL's own log (the disk driver announces itself there) is not for the player: the game says
    // what matters in its own line.
    SDL_LogSetOutputFunction([](void *, int, SDL_LogPriority, const char *) {}, nullptr);
    // SDL's start connects to the desktop's session bus, which the game's sound does not need.
    // Without one (a bare X server, a test machine), libdbus would try to start a bus of its own
    // through dbus-launch, left running after the game: an address that never connects prevents
    // that ("disabled:", as newer libdbus spells it; older ones refuse it as unknown).
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
    // SDL's audio brings its events along, whose handlers would turn Ctrl+C and SIGTERM into
    // events that nobody reads: the game would no longer stop on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Cubefall");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sound effects");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(
            stderr, "%s\n",
            remplir(_("Sound: no audio output ({1}); the game plays silently."), {SDL_GetError()})
                .c_str());
        return false;
    }
    // Opened once to see that it works and to load the sounds in its format, which stays the
    // same at every opening; the first sound opens it again.
    if (!ouvrirPeripherique()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    ouvert_ = true;
    chargerSons(dossiers);
    fermerPeripherique();
    return true;
}

void Son::fermer() {
    if (!ouvert_) {
        return;
    }
    fermerPeripherique();
    for (auto &[evenement, son] : sons_) {
        Mix_FreeChunk(son);
    }
    sons_.clear();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    ouvert_ = false;
}

void Son::jouer(const Fait &fait, std::int64_t maintenant) {
    if (!ouvert_ || coupe_) {
        return;
    }
    const auto trouve = sons_.find(fait.quoi);
    if (trouve == sons_.end() || (!peripheriqueOuvert_ && !ouvrirPeripherique())) {
        return;
    }
    // The channel is chosen and panned before it plays, so no buffer leaves it from the centre.
    int voie = Mix_GroupAvailable(-1);
    if (voie == -1) {
        voie = Mix_GroupOldest(-1);
        Mix_HaltChannel(voie);
    }
    const Uint8 gauche = fait.puits == 1 ? coteFaible : coteFort;
    const Uint8 droite = fait.puits == 0 ? coteFaible : coteFort;
    Mix_SetPanning(voie, gauche, droite);
    if (Mix_PlayChannel(voie, trouve->second, 0) == -1) {
        return;
    }
    if (enSommeil_) {
        // Awake again: the time set for closing no longer holds.
        SDL_PauseAudioDevice(peripherique_, 0);
        enSommeil_ = false;
        fin_.reset();
    }
    fin_ = std::max(fin_.value_or(0), maintenant + dureeMs(*trouve->second) + margeFin);
}

void Son::couper(bool couper) {
    coupe_ = couper;
    if (coupe_) {
        fermerPeripherique();
    }
}

void Son::arreterSiSilence(std::int64_t maintenant) {
    if (!peripheriqueOuvert_) {
        fin_.reset();
    } else if (enSommeil_) {
        if (maintenant >= fin_.value_or(maintenant)) {
            fermerPeripherique();
        }
    } else if (Mix_Playing(-1) > 0) {
        fin_ = maintenant + 20;
    } else {
        SDL_PauseAudioDevice(peripherique_, 1);
        enSommeil_ = true;
        fin_ = maintenant + sommeilAvantFermeture;
    }
}
