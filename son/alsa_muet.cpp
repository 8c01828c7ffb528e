#include "alsa_muet.h"

#include <dlfcn.h>

namespace {

using GestionnaireErreurs = void (*)(const char *, int, const char *, int, const char *, ...);
using PoserGestionnaire = int (*)(GestionnaireErreurs);

void rienDire(const char *, int, const char *, int, const char *, ...) {}

} // namespace

void faireTaireAlsa() {
    // SDL opens the library by the same name later and gets this very copy, handler included.
    // It stays loaded: SDL's own unloading then leaves the handler in place for a later open.
    void *alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (alsa == nullptr) {
        return;
    }
    const auto poser =
        reinterpret_cast<PoserGestionnaire>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (poser != nullptr) {
        poser(rienDire);
    }
}
