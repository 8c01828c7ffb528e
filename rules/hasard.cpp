#include "hasard.h"

namespace {

std::uint32_t etat = 1;

std::time_t horlogeSysteme() {
    return std::time(nullptr);
}

horlogeSecondes horlogeCourante = horlogeSysteme;

} // namespace

void semerHasard(std::uint32_t graine) {
    etat = graine;
}

std::uint32_t etatHasard() {
    return etat;
}

int tirerHasard() {
    // Unsigned arithmetic wraps modulo 2^32, as the generator wants.
    etat = etat * 214013u + 2531011u;
    return static_cast<int>((etat >> 16) & 0x7FFFu);
}

void remplacerHorloge(horlogeSecondes horloge) {
    horlogeCourante = horloge != nullptr ? horloge : horlogeSysteme;
}

horlogeSecondes horlogeEnPlace() {
    return horlogeCourante;
}

std::time_t secondeActuelle() {
    return horlogeCourante();
}
