// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "text/Codepage1252.h"

#include <array>
#include <string_view>

namespace quillby {

// Text compared without regard to case, as the Windows-1252 code page upper-cases it: the
// suggestion list's find, the typed word among the guesses, the edit distances.

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

// The byte each byte compares as when case is ignored, for loops that fold many.
constexpr const std::array<unsigned char, 256> &FoldTable()
{
    return detail::kFoldTable;
}

// The byte a character compares as when case is ignored: its Windows-1252 upper case.
constexpr unsigned char FoldedByte(char c)
{
    return detail::kFoldTable[static_cast<unsigned char>(c)];
}

// Whether two Windows-1252 texts are equal without regard to case.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace quillby
