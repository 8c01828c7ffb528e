#include "machines.h"

#include "miroir.h"

#include <algorithm>

Machines::Machines(Instant delai, double perte, unsigned graine)
    : delai_(delai), perte_(perte), hasard_(graine) {
    sessionHote.commencer(hote.match, t);
    sessionHote.prendreNouvelles();
}

Machines::Invite &Machines::rejoindre(std::uint32_t ip) {
    invites.push_back(std::make_unique<Invite>());
    Invite &invite = *invites.back();
    invite.ip = ip;
    invite.session.commencer(invite.jeux.match, t);
    invite.jeux.match.suivreActions([this, &invite](int, Action action) {
        ++invite.actions;
        invite.session.agir(action, t);
        expedier(invite.session, true, invite.chezHote);
    });
    return invite;
}

void Machines::tuer(Invite &invite) {
    invite.eteint = true;
    if (invite.chezHote) {
        departs_.emplace_back(t + 3000, *invite.chezHote);
    }
}

void Machines::agir(Invite &invite, Action action) {
    invite.jeux.match.agir(puitsInvite, action);
}

IdPair Machines::brancher(std::uint32_t ip) {
    const IdPair id = prochainId_++;
    sessionHote.connexion(id, {ip, 40000}, t);
    expedier(sessionHote, false, std::nullopt);
    return id;
}

void Machines::injecter(IdPair pair, const std::vector<std::uint8_t> &octets) {
    sessionHote.reception(pair, octets.data(), octets.size(), t, hote.match);
    expedier(sessionHote, false, std::nullopt);
}

bool Machines::branche(IdPair pair) const {
    return std::find(coupes_.begin(), coupes_.end(), pair) == coupes_.end();
}

std::vector<Message> Machines::recus(IdPair pair) const {
    std::vector<Message> messages;
    for (const auto &[vers, octets] : versBruts_) {
        if (vers == pair) {
            messages.push_back(decoder(octets.data(), octets.size())->message);
        }
    }
    return messages;
}

Machines::Invite *Machines::invitePour(IdPair pair) {
    for (const auto &invite : invites) {
        if (invite->chezHote == pair) {
            return invite.get();
        }
    }
    return nullptr;
}

// What a session asked is put on the wire: its messages, its dropped connections, its connecting.
void Machines::expedier(Session &session, bool versHote, std::optional<IdPair> pair) {
    std::uniform_real_distribution<double> tirage(0, 1);
    for (const Envoi &envoi : session.prendreEnvois()) {
        const IdPair sur = versHote ? *pair : envoi.pair;
        if (!versHote && !invitePour(sur)) {
            versBruts_.emplace_back(sur, encoder(envoi.message));
            continue;
        }
        if (fiable(envoi.message) || tirage(hasard_) >= perte_) {
            const auto apres =
                std::upper_bound(enRoute_.begin(), enRoute_.end(), t + delai_,
                                 [](Instant du, const EnRoute &e) { return du < e.du; });
            enRoute_.insert(apres, {t + delai_, versHote, sur, encoder(envoi.message)});
        }
    }
    for (const Coupure &coupure : session.prendreCoupures()) {
        const IdPair sur = versHote ? *pair : coupure.pair;
        coupes_.push_back(sur);
        Invite *invite = invitePour(sur);
        if (invite != nullptr) {
            invite->chezHote.reset();
            if (versHote) {
                sessionHote.deconnexion(sur, t, hote.match);
            } else {
                invite->session.deconnexion(1, t, invite->jeux.match);
            }
        }
    }
    if (session.prendreConnexion()) {
        for (const auto &invite : invites) {
            if (&invite->session == &session && !invite->eteint) {
                if (invite->chezHote) {
                    departs_.emplace_back(t + 3000, *invite->chezHote);
                }
                invite->chezHote = prochainId_++;
                sessionHote.connexion(*invite->chezHote, {invite->ip, 40000}, t);
                invite->session.connexion(1, {0x7F000001, portParDefaut}, t);
                expedier(invite->session, true, invite->chezHote);
                expedier(sessionHote, false, std::nullopt);
            }
        }
    }
}

void Machines::servir() {
    if (sessionHote.prochaineEcheance(t, hote.match).value_or(t + 1) <= t) {
        sessionHote.servir(t, hote.match);
        expedier(sessionHote, false, std::nullopt);
    }
    for (const auto &invite : invites) {
        if (!invite->eteint &&
            invite->session.prochaineEcheance(t, invite->jeux.match).value_or(t + 1) <= t) {
            invite->session.servir(t, invite->jeux.match);
            expedier(invite->session, true, invite->chezHote);
        }
    }
}

void Machines::attendre(Instant duree) {
    for (const Instant fin = t + duree; t < fin; ++t) {
        if (tic) {
            tic(t);
        }
        for (auto d = departs_.begin(); d != departs_.end();) {
            if (d->first <= t) {
                sessionHote.deconnexion(d->second, t, hote.match);
                expedier(sessionHote, false, std::nullopt);
                d = departs_.erase(d);
            } else {
                ++d;
            }
        }
        while (!enRoute_.empty() && enRoute_.front().du <= t) {
            const EnRoute e = enRoute_.front();
            enRoute_.pop_front();
            Invite *invite = invitePour(e.pair);
            if (invite == nullptr || invite->eteint) {
                continue;
            }
            if (e.versHote) {
                sessionHote.reception(e.pair, e.octets.data(), e.octets.size(), t, hote.match);
                expedier(sessionHote, false, std::nullopt);
            } else {
                invite->session.reception(1, e.octets.data(), e.octets.size(), t,
                                          invite->jeux.match);
                expedier(invite->session, true, invite->chezHote);
            }
        }
        if (t >= prochaineSeconde_) {
            prochaineSeconde_ += 1000;
            if (sessionHote.matchIci()) {
                hote.match.seconde(t);
            }
        }
        servir();
    }
}

bool Machines::enAccord(const Invite &invite) const {
    return etatDe(invite.jeux.match) == etatDe(hote.match);
}
