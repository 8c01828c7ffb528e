#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes to a file, whole; says on standard error why not when it cannot.
bool ecrireFichier(const std::string &chemin, const std::vector<std::uint8_t> &octets);
