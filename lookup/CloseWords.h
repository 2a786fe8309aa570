// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillby {

// The characters of a text, case and diacritics ignored (PlainFoldedByte), as bits: one bit per
// letter and six shared by every other byte for those it holds (the lower half), and the same for
// those it holds twice or more (the upper half). One edit changes at most two bits, a swap none.
std::uint64_t CharacterBits(std::string_view text);

// The words of one list grouped by length, each with its character bits, so that the words
// within a small edit distance of a typed text are found without comparing most of them: a word
// of another length, or with other characters, cannot be close. Made from the list's words, one
// per line, in line order, and words `more` numbered on after them; it keeps their line numbers
// and their bytes folded (PlainFoldedByte), side by side in each length, so that the few words
// compared are read from near each other.
class CloseWordIndex {
public:
    CloseWordIndex() = default;
    explicit CloseWordIndex(std::span<const std::string_view> words,
                            std::span<const std::string_view> more = {});

    // The words `length` bytes long, in line order: their lines, their character bits and their
    // folded bytes, one word after the other.
    std::span<const std::uint32_t> Lines(std::size_t length) const;
    std::span<const std::uint64_t> Bits(std::size_t length) const;
    std::string_view Folded(std::size_t length) const;

private:
    std::vector<std::uint32_t> lines_;
    std::vector<std::uint64_t> bits_;
    std::string folded_;
    // Where the words of each length start, in words and in bytes; one more than the lengths.
    std::vector<std::uint32_t> starts_;
    std::vector<std::size_t> byteStarts_;
};

struct CloseWord {
    std::size_t line;
    int distance;
};

// The lines whose word is at most `maxDistance` edits from `typed` (optimal string alignment, case
// and diacritics ignored), in order of length and then line order.
std::vector<CloseWord> FindCloseWords(const CloseWordIndex &index, std::string_view typed,
                                      int maxDistance);

} // namespace quillby
