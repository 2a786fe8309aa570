// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/GuessIndex.h"

namespace quillby {

GuessIndex::GuessIndex(std::span<const std::string_view> words, const WordPriors &priors)
    : close_(words)
{
    priors_.reserve(words.size());
    for (const WordPrior &prior : priors.OfEach(words))
        priors_.push_back(PackedPrior::Of(prior));
}

WordPrior GuessIndex::PriorOf(std::size_t line) const
{
    return priors_[line].Unpack();
}

} // namespace quillby
