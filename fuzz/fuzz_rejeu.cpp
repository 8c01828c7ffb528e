// libFuzzer target: any bytes as a replay file may hold them, under ASan and UBSan. It stops when
// a replay that decoded does not come back the same once written again; and every replay that
// decodes is played on a match to its end and back to its start, which must neither crash nor
// stall.
#include "format.h"
#include "lecteur.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *octets, std::size_t taille) {
    const LectureRejeu lecture = lireRejeu(octets, taille);
    if (!lecture.rejeu) {
        return 0;
    }
    const Rejeu &rejeu = *lecture.rejeu;
    EcritureRejeu ecriture;
    std::vector<std::uint8_t> encore = ecriture.debut(rejeu.debut);
    for (const Trace &trace : rejeu.traces) {
        const std::vector<std::uint8_t> suite = ecriture.trace(trace);
        encore.insert(encore.end(), suite.begin(), suite.end());
    }
    const LectureRejeu relue = lireRejeu(encore.data(), encore.size());
    if (!relue.rejeu || relue.rejeu->coupe || !(relue.rejeu->debut == rejeu.debut) ||
        !(relue.rejeu->traces == rejeu.traces)) {
        std::abort();
    }
    Plateaux plateaux;
    Match match(plateaux);
    Lecteur lecteur(rejeu, match);
    lecteur.allerA(lecteur.duree());
    lecteur.allerA(0);
    return 0;
}
