#include "son.h"

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

bool ouvert = false; // SDL's audio started and the sounds loaded
bool coupe = false;
bool peripheriqueOuvert = false;
bool enSommeil = false; // open, but paused
bool echecDit = false;
SDL_AudioDeviceID peripherique = 0;
std::map<Evenement, Mix_Chunk *> sons;
std::optional<std::int64_t> fin;

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

// Each sound from the first folder that has it; a file that does not load gives way to the next
// one found. Whatever went wrong is said in one line: the files refused, and the events left
// without a sound.
void chargerSons(const std::vector<std::filesystem::path> &dossiers) {
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
                    refuses += (refuses.empty() ? "" : ", ") + chemin.string() + " (" +
                               Mix_GetError() + ")";
                }
            }
        }
        if (son != nullptr) {
            sons[evenement] = son;
        } else {
            muets += (muets.empty() ? "" : ", ") + nom;
        }
    }
    std::string ligne;
    if (!refuses.empty()) {
        ligne = "refused " + refuses;
    }
    if (!muets.empty()) {
        ligne += (ligne.empty() ? "" : "; ") + std::string("no sound for ") + muets +
                 " (NAME.ogg or NAME.wav)";
    } else if (!ligne.empty()) {
        ligne += "; the game's own sounds play instead";
    }
    if (!ligne.empty()) {
        std::fprintf(stderr, "Sound: %s.\n", ligne.c_str());
    }
}

bool ouvrirPeripherique() {
    if (Mix_OpenAudioDevice(frequence, AUDIO_S16SYS, canauxSortie, tramesParTampon, nullptr, 0) !=
        0) {
        if (!echecDit) {
            std::fprintf(stderr,
                         "Sound: the audio device did not open (%s); the game plays silently.\n",
                         Mix_GetError());
            echecDit = true;
        }
        return false;
    }
    peripheriqueOuvert = true;
    enSommeil = false;
    peripherique = trouverPeripherique();
    Mix_AllocateChannels(voies);
    return true;
}

void fermerPeripherique() {
    if (peripheriqueOuvert) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
    }
    peripheriqueOuvert = false;
    enSommeil = false;
    fin.reset();
}

} // namespace

bool ouvrirSon(const std::vector<std::filesystem::path> &dossiers) {
    if (ouvert) {
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
        std::fprintf(stderr, "Sound: no audio output (%s); the game plays silently.\n",
                     SDL_GetError());
        return false;
    }
    // Opened once to see that it works and to load the sounds in its format, which stays the
    // same at every opening; the first sound opens it again.
    if (!ouvrirPeripherique()) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    ouvert = true;
    chargerSons(dossiers);
    fermerPeripherique();
    return true;
}

void fermerSon() {
    if (!ouvert) {
        return;
    }
    fermerPeripherique();
    for (auto &[evenement, son] : sons) {
        Mix_FreeChunk(son);
    }
    sons.clear();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    ouvert = false;
}

bool sonOuvert() {
    return ouvert;
}

void jouerSon(const Fait &fait, std::int64_t maintenant) {
    if (!ouvert || coupe) {
        return;
    }
    const auto trouve = sons.find(fait.quoi);
    if (trouve == sons.end() || (!peripheriqueOuvert && !ouvrirPeripherique())) {
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
    if (enSommeil) {
        // Awake again: the time set for closing no longer holds.
        SDL_PauseAudioDevice(peripherique, 0);
        enSommeil = false;
        fin.reset();
    }
    fin = std::max(fin.value_or(0), maintenant + dureeMs(*trouve->second) + margeFin);
}

bool sonCoupe() {
    return coupe;
}

void couperSon(bool couper) {
    coupe = couper;
    if (coupe) {
        fermerPeripherique();
    }
}

std::optional<std::int64_t> finDesSons() {
    return fin;
}

void arreterSiSilence(std::int64_t maintenant) {
    if (!peripheriqueOuvert) {
        fin.reset();
    } else if (enSommeil) {
        if (maintenant >= fin.value_or(maintenant)) {
            fermerPeripherique();
        }
    } else if (Mix_Playing(-1) > 0) {
        fin = maintenant + 20;
    } else {
        SDL_PauseAudioDevice(peripherique, 1);
        enSommeil = true;
        fin = maintenant + sommeilAvantFermeture;
    }
}
