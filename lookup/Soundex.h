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

} // namespace quillby
