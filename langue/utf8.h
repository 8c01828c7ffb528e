#pragma once

#include <string>

// The code points of UTF-8 text; a byte that starts no character stands for itself, as Latin-1.
std::u32string caracteresUtf8(const std::string &utf8);

// The text in Latin-1, for GLUT's bitmap fonts: a character beyond it is a question mark.
std::string latin1(const std::string &utf8);
