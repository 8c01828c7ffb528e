// A host and a joining game over loopback in one process, through ENet, with junk at both ports
// between their own datagrams: the junk never reaches the sessions, and the match goes on.
#include "inondation.h"
#include "machines.h"
#include "miroir.h"
#include "relais.h"
#include "transport_enet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

TEST(Transport, JunkAtEitherPortNeverReachesTheMatch) {
    std::string erreur;
    std::unique_ptr<TransportEnet> hote = TransportEnet::heberger(portLibre(), erreur);
    ASSERT_TRUE(hote) << erreur;
    std::unique_ptr<TransportEnet> invite =
        TransportEnet::rejoindre({"127.0.0.1", hote->port()}, erreur);
    ASSERT_TRUE(invite) << erreur;
    MatchDeTest jeuxHote, jeuxInvite;
    const auto debut = std::chrono::steady_clock::now();
    const auto maintenant = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - debut)
            .count();
    };
    hote->session().commencer(jeuxHote.match, 0);
    invite->session().commencer(jeuxInvite.match, 0);
    jeuxInvite.match.suivreActions([&](int, Action action) {
        invite->session().agir(action, maintenant());
        invite->envoyer();
    });
    // Both served as the game serves them, until the condition holds or 10 s have passed.
    const auto servirJusqua = [&](const std::function<bool()> &condition) {
        for (const auto fin = maintenant() + 10000; maintenant() < fin && !condition();) {
            const std::int64_t t = maintenant();
            if (hote->prochaineEcheance(t, jeuxHote.match).value_or(t + 1) <= t) {
                hote->servir(t, jeuxHote.match);
            }
            if (invite->prochaineEcheance(t, jeuxInvite.match).value_or(t + 1) <= t) {
                invite->servir(t, jeuxInvite.match);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return condition();
    };
    ASSERT_TRUE(
        servirJusqua([&] { return invite->invite()->etat() == SessionInvite::Etat::joueur; }));

    const std::vector<std::uint8_t> demande = demandeConnexion();
    ASSERT_FALSE(demande.empty());
    {
        Inondation videsHote(hote->port(), 2000, Inondation::Sorte::vides);
        Inondation melangeHote(hote->port(), 1000, Inondation::Sorte::melange, demande);
        Inondation courtsInvite(invite->port(), 2000, Inondation::Sorte::courts);
        for (int n = 0; n < 30; ++n) {
            jeuxInvite.match.agir(puitsInvite, n % 2 == 0 ? Action::gauche : Action::droite);
            const std::int64_t jusqua = maintenant() + 60;
            servirJusqua([&] { return maintenant() >= jusqua; });
        }
        EXPECT_TRUE(servirJusqua([&] { return hote->hote()->confirme() == 30; }))
            << hote->hote()->confirme() << " of 30 actions taken";
        EXPECT_GT(videsHote.envoyes(), 2000u);
    }
    EXPECT_EQ(invite->invite()->etat(), SessionInvite::Etat::joueur);
    EXPECT_EQ(hote->hote()->etat(), SessionHote::Etat::enJeu);
    EXPECT_EQ(hote->session().rejetes(), 0u) << "junk reached the host's session";
    EXPECT_EQ(invite->session().rejetes(), 0u) << "junk reached the joining machine's session";
    EXPECT_TRUE(servirJusqua([&] { return etatDe(jeuxHote.match) == etatDe(jeuxInvite.match); }));
}

} // namespace
