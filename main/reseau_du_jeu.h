#pragma once

#include "gestes.h"
#include "transport_enet.h"

#include <cstdint>
#include <memory>
#include <optional>

// Network play in the running game: the transport and its session (reseau/) wired to the match,
// the keys, the pads, the sound and the notices. The session decides; this carries it out.

// This machine hosts the match, or joins one, from now: the transport was opened before, so that
// a port in use or a name unknown is said at once.
void jouerEnReseau(std::unique_ptr<TransportEnet> reseau);
bool enReseau();

// Whether the match runs its one-second step here: not on a machine that joins, nor while the
// host waits for its player.
bool matchIci();

// A gesture of the sitting in a network match, as the session carries it out or holds it back.
// False outside a network match, or for this machine's own gestures.
bool executerEnReseau(Geste geste);

// F5 and F6 outside a network match: host on the settings' port, or open the field where the
// host's address is typed (the match pauses meanwhile).
void heberger();
void ouvrirSaisie();
// A key while the field is open: Return joins, Escape closes it, the others edit it. False when
// the field is closed.
bool saisir(unsigned char touche);

std::optional<std::int64_t> prochainServiceReseau(std::int64_t maintenant);
// True when the picture may have changed.
bool servirReseau(std::int64_t maintenant);
