#include "utf8.h"

std::u32string caracteresUtf8(const std::string &utf8) {
    std::u32string codes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto octet = static_cast<unsigned char>(utf8[i]);
        const std::size_t suite = octet >= 0xF0 ? 3 : octet >= 0xE0 ? 2 : octet >= 0xC0 ? 1 : 0;
        char32_t code = suite == 0 ? octet : octet & (0x3F >> suite);
        bool bon = octet < 0x80 || suite > 0;
        for (std::size_t k = 1; bon && k <= suite; ++k) {
            const auto suivant = i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0;
            bon = (suivant & 0xC0) == 0x80;
            code = code << 6 | (suivant & 0x3F);
        }
        if (!bon) {
            codes.push_back(octet);
            ++i;
            continue;
        }
        codes.push_back(code);
        i += suite + 1;
    }
    return codes;
}

std::string latin1(const std::string &utf8) {
    std::string octets;
    for (const char32_t code : caracteresUtf8(utf8)) {
        octets += static_cast<char>(code < 256 ? code : '?');
    }
    return octets;
}
