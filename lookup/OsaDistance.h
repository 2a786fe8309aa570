// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillby {

// The optimal string alignment distance from one typed text to many words: the fewest
// insertions, deletions, substitutions and swaps of two neighbouring characters that turn one
// into the other, no character edited twice, case and diacritics ignored (PlainFoldedByte). The
// typed text is prepared once; a text of up to 64 bytes is then compared with each word a column at
// a time in the bits of one machine word.
class OsaPattern {
public:
    explicit OsaPattern(std::string_view typed);

    // The distance to `word`, or `limit + 1` when it is more than `limit`.
    int Distance(std::string_view word, int limit) const;

private:
    int LongDistance(std::string_view word, int limit) const;

    std::string folded_;
    // For each byte, the positions of the typed text that hold it, case ignored.
    std::array<std::uint64_t, 256> positions_{};
};

} // namespace quillby
