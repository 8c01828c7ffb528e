#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

// A relay of the tests' own between two games on one machine, standing in for the network between
// two machines: it listens on a port of 127.0.0.1 and forwards each datagram to the host's port
// there, and the answers back, each one late by a delay, a share of them dropped. Loopback only.
// Each machine that joins through it comes to the host from a port of its own, as from a machine
// of its own.
class Relais {
public:
    Relais(std::uint16_t portHote, int delaiMs, double perte, unsigned graine = 1);
    ~Relais();
    Relais(const Relais &) = delete;
    Relais &operator=(const Relais &) = delete;

    // Where the joining games connect.
    std::uint16_t port() const { return port_; }
    // A delay each way, and the share of datagrams dropped each way, from now on.
    void regler(int delaiMs, double perte);

    // Bytes forwarded to the host, and back, so far (what arrived, dropped or not), and the
    // datagrams that carried them.
    std::uint64_t versHote() const { return versHote_; }
    std::uint64_t versInvites() const { return versInvites_; }
    std::uint64_t datagrammesVersHote() const { return datagrammesVersHote_; }
    std::uint64_t datagrammesVersInvites() const { return datagrammesVersInvites_; }

private:
    void tourner();

    int ecoute_;
    std::uint16_t portHote_;
    std::uint16_t port_;
    std::mutex reglage_;
    int delaiMs_;
    double perte_;
    unsigned graine_;
    std::atomic<bool> fin_{false};
    std::atomic<std::uint64_t> versHote_{0};
    std::atomic<std::uint64_t> versInvites_{0};
    std::atomic<std::uint64_t> datagrammesVersHote_{0};
    std::atomic<std::uint64_t> datagrammesVersInvites_{0};
    std::thread fil_;
};

// A UDP port of 127.0.0.1 free a moment ago, for a host to listen on.
std::uint16_t portLibre();
