// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "lookup/GuessIndex.h"

#include <charconv>

namespace quillby {

GuessIndex::GuessIndex(std::span<const std::string_view> words, const WordPriors &priors)
{
    const WordPriors::ListPriors list = priors.ForList(words);
    priors_.reserve(words.size());
    for (const WordPrior &prior : list.each)
        priors_.push_back(PackedPrior::Of(prior));
    // The added words' lines, `spelling TAB logarithm`, each ended by LF.
    for (std::string_view rest = list.added; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        const std::size_t tab = line.find('\t');
        int hundredths = 0;
        if (tab == 0 || tab == std::string_view::npos ||
            std::from_chars(line.data() + tab + 1, line.data() + line.size(), hundredths).ec !=
                std::errc())
            continue;
        added_.push_back(line.substr(0, tab));
        addedCodes_.push_back(SoundexKeyOf(added_.back()));
        priors_.push_back(PackedPrior::Of({hundredths / 100.0, true, false}));
    }
    close_ = CloseWordIndex(words, added_);
}

WordPrior GuessIndex::PriorOf(std::size_t line) const
{
    return priors_[line].Unpack();
}

} // namespace quillby
