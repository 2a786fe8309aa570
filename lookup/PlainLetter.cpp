// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/PlainLetter.h"

#include <array>
#include <string_view>

namespace quillby {

namespace {

// Bytes 0xC0 to 0xFF: the letter each is written on, or 0 for a byte that is no such letter.
using namespace std::string_view_literals;
constexpr std::string_view kLatinPlain = "AAAAAA\0CEEEEIIII\0NOOOOO\0OUUUUY\0\0"
                                         "aaaaaa\0ceeeeiiii\0nooooo\0ouuuuy\0y"sv;
static_assert(kLatinPlain.size() == 0x100 - 0xC0);

constexpr std::array<char, 256> MakePlainLetters()
{
    std::array<char, 256> plain{};
    for (int byte = 0; byte < 256; ++byte)
        plain[byte] = static_cast<char>(byte);
    for (std::size_t i = 0; i < kLatinPlain.size(); ++i) {
        if (kLatinPlain[i] != '\0')
            plain[0xC0 + i] = kLatinPlain[i];
    }
    plain[0x8A] = 'S'; // S with caron
    plain[0x8E] = 'Z'; // Z with caron
    plain[0x9A] = 's';
    plain[0x9E] = 'z';
    plain[0x9F] = 'Y'; // Y with diaeresis
    return plain;
}

constexpr std::array<char, 256> kPlainLetters = MakePlainLetters();

} // namespace

char PlainLetter(char c)
{
    return kPlainLetters[static_cast<unsigned char>(c)];
}

} // namespace quillby
