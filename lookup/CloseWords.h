// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SoundexCache.h"
#include "TextLines.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillby {

// The words of one list grouped by length, each with the set of characters it holds, so that
// the words within a small edit distance of a typed text are found without comparing most of
// them: a word of another length, or with other characters, cannot be close.
class WordShapes {
public:
    WordShapes() = default;
    WordShapes(const TextLines &list, LineKind kind);

    struct Entry {
        std::uint32_t line;
        std::uint32_t characters;
    };
    // The entries of the words `length` bytes long, in list order.
    const Entry *begin(std::size_t length) const;
    const Entry *end(std::size_t length) const;

private:
    std::vector<Entry> entries_;
    // Where the words of each length start in `entries_`; one more than the lengths.
    std::vector<std::uint32_t> starts_;
};

// The set of characters of a text, case ignored, as bits: one bit per letter and six shared by
// every other byte. One edit changes at most two bits, a swap none.
std::uint32_t CharacterBits(std::string_view text);

struct CloseWord {
    std::size_t line;
    int distance;
};

// The lines of `list` whose word is at most `maxDistance` edits from `typed` (optimal string
// alignment, case ignored), in order of length and then list order.
std::vector<CloseWord> FindCloseWords(const TextLines &list, LineKind kind,
                                      const WordShapes &shapes, std::string_view typed,
                                      int maxDistance);

} // namespace quillby
