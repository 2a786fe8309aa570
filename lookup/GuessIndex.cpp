// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/GuessIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillby {

GuessIndex::GuessIndex(std::span<const std::string_view> words, const WordPriors &priors)
    : close_(words)
{
    priors_.reserve(words.size());
    constexpr double kLowest = std::numeric_limits<std::int16_t>::min() / 2;
    constexpr double kHighest = std::numeric_limits<std::int16_t>::max() / 2;
    for (const WordPrior &prior : priors.OfEach(words)) {
        const double hundredths =
            std::clamp(std::round(prior.logFrequency * 100), kLowest, kHighest);
        priors_.push_back(static_cast<std::int16_t>(2 * hundredths + (prior.known ? 1 : 0)));
    }
}

WordPrior GuessIndex::PriorOf(std::size_t line) const
{
    const std::int16_t prior = priors_[line];
    // Halved rounding down, as the known flag was added: an arithmetic shift.
    return {(prior >> 1) / 100.0, (prior & 1) != 0};
}

} // namespace quillby
