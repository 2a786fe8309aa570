// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "text/CaseFolding.h"

#include <array>
#include <string_view>

namespace quillby {

namespace detail {
// Bytes 0xC0 to 0xFF: the letter each is written on, or 0 for a byte that is no such letter.
using namespace std::string_view_literals;
inline constexpr std::string_view kLatinPlain = "AAAAAA\0CEEEEIIII\0NOOOOO\0OUUUUY\0\0"
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
inline constexpr std::array<char, 256> kPlainLetters = MakePlainLetters();

constexpr std::array<unsigned char, 256> MakePlainFoldTable()
{
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] =
            static_cast<unsigned char>(kPlainLetters[FoldedByte(static_cast<char>(byte))]);
    return table;
}
inline constexpr std::array<unsigned char, 256> kPlainFoldTable = MakePlainFoldTable();
} // namespace detail

// The letter a Windows-1252 letter with a diacritic is written on: "é" gives "e", "Ñ" gives "N",
// "š" gives "s", "ÿ" gives "y", in the same case. Letters that stand for two ("æ", "œ", "ß") and
// every other byte are returned as they are.
constexpr char PlainLetter(char c)
{
    return detail::kPlainLetters[static_cast<unsigned char>(c)];
}

// The byte a character compares as when case and diacritics are ignored, as the edit distances
// compare: the Windows-1252 upper case of its plain letter ("é" and "E" compare as "E").
constexpr unsigned char PlainFoldedByte(char c)
{
    return detail::kPlainFoldTable[static_cast<unsigned char>(c)];
}

// The same for loops that fold many.
constexpr const std::array<unsigned char, 256> &PlainFoldTable()
{
    return detail::kPlainFoldTable;
}

} // namespace quillby
