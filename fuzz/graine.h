#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One file of a fuzzer's seed corpus; false, and why on standard error, when it cannot be written.
bool ecrireGraine(const std::string &chemin, const std::vector<std::uint8_t> &octets);
