// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "lookup/CloseWords.h"
#include "lookup/Soundex.h"
#include "lookup/WordPriors.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillby {

// What best guesses look up in one list, made from its words (one per line, in line order) and
// the prior table: the words close to a typed text, and how common each line's word is and
// whether it is a known spelling. The known spellings the table gives for the list as lacking
// it are offered beside its words: they take the lines after the list's own, known spellings as
// they are written, and are views into the table, which must outlive the index.
class GuessIndex {
public:
    GuessIndex(std::span<const std::string_view> words, const WordPriors &priors);

    const CloseWordIndex &CloseWords() const { return close_; }
    // The list's lines and then the added words'.
    WordPrior PriorOf(std::size_t line) const;
    // The added words, the first at the line after the list's last, and their sound codes.
    std::span<const std::string_view> AddedWords() const { return added_; }
    std::span<const SoundexKey> AddedSoundCodes() const { return addedCodes_; }

private:
    // Each line's prior in two bytes.
    std::vector<PackedPrior> priors_;
    std::vector<std::string_view> added_;
    std::vector<SoundexKey> addedCodes_;
    CloseWordIndex close_;
};

} // namespace quillby
