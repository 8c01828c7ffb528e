#pragma once

#include "gestes.h"
#include "hote.h"
#include "invite.h"

#include <cstdint>
#include <memory>
#include <optional>

// Network play in the running game (reseau/): hosting and joining, from the command line or F5
// and F6, with a notice for each turn it takes; which well this machine's keys play; the sitting's
// keys sent to the host from a joining machine; and the service from the game's wake-ups.

// This machine hosts the match from now: it waits for a player, nothing falling meanwhile, then
// plays the left well. The port was opened before, so that a port in use is said at once.
void heberger(std::unique_ptr<Hote> hote);
// This machine joins the match at the host: it plays the right well, or watches.
void rejoindre(std::unique_ptr<Invite> invite);
bool enReseau();

// Whether the match runs its one-second step here: not on a machine that joins, nor while the
// host waits for its player.
bool matchIci();

// A gesture of the sitting in a network match: carried out here on the host, sent on from the
// joining player, nothing from a watcher; F3 and F4 do nothing. False outside a network match.
bool executerEnReseau(Geste geste);

// F5 and F6 outside a network match: host on the settings' port, or open the field where the
// host's address is typed.
void heberger();
void ouvrirSaisie();
// A key while the field is open: Return joins, Escape closes it, BackSpace and the characters of
// an address edit it. False when the field is closed.
bool saisir(unsigned char touche);

std::optional<std::int64_t> prochainServiceReseau(std::int64_t maintenant);
// True when the picture may have changed.
bool servirReseau(std::int64_t maintenant);
