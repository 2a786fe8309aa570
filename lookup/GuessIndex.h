// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "lookup/CloseWords.h"
#include "lookup/WordPriors.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillby {

// What best guesses look up in one list, made from its words (one per line, in line order) and
// the prior table: the words close to a typed text, and how common each line's word is and
// whether it is a known spelling.
class GuessIndex {
public:
    GuessIndex(std::span<const std::string_view> words, const WordPriors &priors);

    const CloseWordIndex &CloseWords() const { return close_; }
    WordPrior PriorOf(std::size_t line) const;

private:
    CloseWordIndex close_;
    // Each line's prior in two bytes.
    std::vector<PackedPrior> priors_;
};

} // namespace quillby
