// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillby {

// The four-character sound code of a word: its first character upper-cased (never coded),
// then up to three digits from the codes of the following letters, padded with "0". Letters
// without a code (vowels, H, W, Y) and every other character are skipped without separating
// two equal codes; a code equal to the one before is skipped; the first character's code never
// counts as the one before ("Pfister" gives "P123"). The empty word gives "".
std::string Soundex(std::string_view word);

// The same code packed into one number, for comparing many codes quickly. Equal codes give
// equal keys; the empty word gives 0, which no other word gives.
using SoundexKey = std::uint32_t;
SoundexKey SoundexKeyOf(std::string_view word);

// "a" to "z" become "A" to "Z"; every other byte stays.
constexpr char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string AsciiUpper(std::string_view text);

// Whether `text`, ASCII-upper-cased, begins with `upperPrefix`, which is already upper case.
// An empty prefix begins nothing.
bool StartsWithAsciiUpper(std::string_view text, std::string_view upperPrefix);

// Whether two Windows-1252 texts are equal without regard to case.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace quillby
