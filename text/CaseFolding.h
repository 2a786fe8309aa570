// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <array>
#include <string_view>

namespace quillby {

// Text compared without regard to case, as the Windows-1252 code page upper-cases it: the
// suggestion list's find, the typed word among the guesses, the edit distances.

// Upper case of one Windows-1252 character, as the code page's own upper-casing gives it:
// a-z and the accented small letters that have a capital in the code page; every other byte is
// returned as it is.
constexpr char UpperCase1252(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z')
        return static_cast<char>(byte - ('a' - 'A'));
    switch (byte) {
    case 0x9A: // s with caron
    case 0x9C: // oe ligature
    case 0x9E: // z with caron
        return static_cast<char>(byte - 0x10);
    case 0xFF: // y with diaeresis
        return static_cast<char>(0x9F);
    case 0xF7: // division sign
        return c;
    default:
        break;
    }
    if (byte >= 0xE0 && byte <= 0xFE)
        return static_cast<char>(byte - 0x20);
    return c;
}

namespace detail {
constexpr std::array<unsigned char, 256> MakeFoldTable()
{
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<unsigned char>(UpperCase1252(static_cast<char>(byte)));
    return table;
}
inline constexpr std::array<unsigned char, 256> kFoldTable = MakeFoldTable();
} // namespace detail

// The byte a character compares as when case is ignored: its Windows-1252 upper case.
constexpr unsigned char FoldedByte(char c)
{
    return detail::kFoldTable[static_cast<unsigned char>(c)];
}

// Whether two Windows-1252 texts are equal without regard to case.
constexpr bool SameTextIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldedByte(a[i]) != FoldedByte(b[i]))
            return false;
    }
    return true;
}

} // namespace quillby
