#include "boucle.h"

#include <arpa/inet.h>
#include <sys/socket.h>

sockaddr_in boucle(std::uint16_t port) {
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    adresse.sin_port = htons(port);
    return adresse;
}

int socketBoucle() {
    const int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const sockaddr_in adresse = boucle(0);
    bind(s, reinterpret_cast<const sockaddr *>(&adresse), sizeof adresse);
    return s;
}
